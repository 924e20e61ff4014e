#include "platform/Cp1252.h"

#include <array>

namespace cp1252 {

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five undefined positions.
constexpr std::array<char16_t, 32> kPlage80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QByteArray encoder(const QString& texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        // The five bytes without a character read as the control characters of the same
        // value; they go back to the same byte so that a line read is written as it was.
        const bool sansCaractere = u >= 0x80 && u <= 0x9F && kPlage80[u - 0x80] == 0;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || sansCaractere) {
            octets.append(static_cast<char>(u));
            continue;
        }
        char sortie = '?';
        for (int i = 0; i < 32; ++i) {
            if (kPlage80[i] != 0 && kPlage80[i] == u) {
                sortie = static_cast<char>(0x80 + i);
                break;
            }
        }
        octets.append(sortie);
    }
    return octets;
}

QString decoder(const QByteArray& octets) {
    QString texte;
    texte.reserve(octets.size());
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t u = kPlage80[b - 0x80];
            texte.append(QChar(u != 0 ? u : b));
        } else {
            texte.append(QChar(b));
        }
    }
    return texte;
}

QByteArray lignesCRLF(const QStringList& lignes, bool sautFinal) {
    QByteArray octets;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        octets += encoder(lignes[i]);
        if (sautFinal || i + 1 < lignes.size()) octets += "\r\n";
    }
    return octets;
}

QStringList decouperLignes(const QByteArray& octets) {
    QStringList lignes;
    QByteArray courante;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets[i];
        if (c == '\r' || c == '\n') {
            lignes << decoder(courante);
            courante.clear();
            if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
        } else {
            courante.append(c);
        }
    }
    if (!courante.isEmpty()) lignes << decoder(courante);
    return lignes;
}

} // namespace cp1252
