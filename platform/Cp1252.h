#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252 text, the 8-bit code page of every file the program reads and writes.
namespace cp1252 {

// Characters without a place in the code page become '?'. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as U+0081... and are written back unchanged.
QByteArray encoder(const QString& texte);
QString decoder(const QByteArray& octets);

// Lines joined by CR LF; with sautFinal false the last line has no break after it.
QByteArray lignesCRLF(const QStringList& lignes, bool sautFinal = true);

// Splits 8-bit text at CR LF, lone LF or lone CR, as a line reader does.
// A break at the very end does not start a further empty line.
QStringList decouperLignes(const QByteArray& octets);

} // namespace cp1252
