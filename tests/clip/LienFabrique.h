#pragma once

#include <QByteArray>
#include <QtEndian>

// The smallest shortcut file: a header and an 8-bit relative path, nothing else.
inline QByteArray lienRelatif(const QByteArray& relatif) {
    QByteArray lnk(76, '\0');
    qToLittleEndian<quint32>(0x4C, lnk.data());
    lnk.replace(4, 16, QByteArray::fromHex("0114020000000000c000000000000046"));
    qToLittleEndian<quint32>(0x8, lnk.data() + 0x14); // HasRelativePath
    QByteArray taille(2, '\0');
    qToLittleEndian<quint16>(quint16(relatif.size()), taille.data());
    return lnk + taille + relatif + QByteArray(4, '\0');
}
