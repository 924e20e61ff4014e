// The shortcut reader on any bytes: candidates read inside the file only.
#include "clip/Raccourci.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArray octets =
        QByteArray::fromRawData(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    raccourci::lireChemins(octets);
    return 0;
}
