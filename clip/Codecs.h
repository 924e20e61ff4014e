#pragma once

#include <QString>
#include <array>

// Names of the usual video codecs, by their four-character code.
struct EntreeCodec {
    const char* code; // lower case
    const char* nom;
};

extern const std::array<EntreeCodec, 19> tableCodecs;

// Looks the code up after lowering its letters; "inconnu" when it is not in the table.
QString nomCodec(const QString& code);
