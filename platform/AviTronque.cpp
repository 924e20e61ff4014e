#include "platform/AviTronque.h"

#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

uint32_t lire32(const uchar* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

int imagesEntieresAviCoupe(const QString& chemin, int flux) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const qint64 taille = f.size();
    uchar* d = f.map(0, taille);
    if (!d || taille < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "AVI ", 4) != 0)
        return -1;
    char dc[8], db[8];
    std::snprintf(dc, sizeof dc, "%02udc", unsigned(flux) % 100u);
    std::snprintf(db, sizeof db, "%02udb", unsigned(flux) % 100u);

    bool coupe = false;
    int entieres = 0;
    // Walks a run of chunks from `debut` to `fin`, entering the LIST chunks (movi, rec, and
    // the RIFF AVIX parts of large files).
    auto parcourir = [&](auto&& soi, qint64 debut, qint64 fin) -> void {
        qint64 p = debut;
        while (p + 8 <= fin) {
            const uchar* e = d + p;
            const qint64 longueur = lire32(e + 4);
            const qint64 bout = p + 8 + longueur;
            if (bout > taille) coupe = true;
            const bool liste = std::memcmp(e, "LIST", 4) == 0 || std::memcmp(e, "RIFF", 4) == 0;
            if (liste && p + 12 <= fin) {
                soi(soi, p + 12, std::min(bout, taille));
            } else if (std::memcmp(e, dc, 4) == 0 || std::memcmp(e, db, 4) == 0) {
                if (bout <= taille) ++entieres;
            }
            p = bout + (longueur & 1);
        }
    };
    parcourir(parcourir, 0, taille);
    return coupe ? entieres : -1;
}
