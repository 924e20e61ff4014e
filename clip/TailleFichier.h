#pragma once

#include <QString>
#include <cstdint>

// The size of a file as a short text such as "2,441 Mo", with the locale's decimal separator.
// "?!*" when the file cannot be found or is empty.
QString texteTailleFichier(const QString& chemin);

// The same text for a size in bytes in bytes.
QString texteTaille(uint64_t octets);
