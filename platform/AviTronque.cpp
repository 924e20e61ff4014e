#include "platform/AviTronque.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace {

// RIFF > LIST movi > LIST rec > chunk is the deepest a real AVI goes; anything nested
// further is damage and is looked at as a plain chunk.
constexpr int kProfondeurMax = 8;
constexpr int64_t kMorceauxMax = int64_t(1) << 24;

uint32_t lire32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool estListe(const unsigned char* p) {
    return std::memcmp(p, "LIST", 4) == 0 || std::memcmp(p, "RIFF", 4) == 0;
}

bool alnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Any four-character code a writer may use.
bool fourccValide(const unsigned char* p) {
    return std::all_of(p, p + 4, [](unsigned char c) { return alnum(c) || c == ' ' || c == '_'; });
}

// A chunk tag the decoder takes up again after damage: a stream's data ("00dc", "01wb"...),
// an OpenDML index ("ix00"), a list, or one of the usual top-level chunks.
bool tagConnu(const unsigned char* p) {
    if (estListe(p) || std::memcmp(p, "JUNK", 4) == 0 || std::memcmp(p, "idx1", 4) == 0)
        return true;
    const bool chiffres = p[0] >= '0' && p[0] <= '9' && p[1] >= '0' && p[1] <= '9';
    if (chiffres && alnum(p[2]) && alnum(p[3])) return true;
    return p[0] == 'i' && p[1] == 'x' && alnum(p[2]) && alnum(p[3]);
}

// A header at q with a known tag whose whole chunk lies inside [.., limite).
bool entetePlausible(const unsigned char* d, int64_t q, int64_t limite) {
    if (q < 0 || q + 8 > limite || !tagConnu(d + q)) return false;
    const int64_t longueur = lire32(d + q + 4);
    if (estListe(d + q) && longueur < 4) return false;
    return q + 8 + longueur <= limite;
}

// First plausible header in [depuis, limite), -1 when none.
int64_t reprise(const unsigned char* d, int64_t depuis, int64_t limite) {
    for (int64_t q = depuis; q + 8 <= limite; ++q)
        if (entetePlausible(d, q, limite)) return q;
    return -1;
}

} // namespace

int imagesCoupeesAvi(const unsigned char* d, int64_t taille, int flux) {
    if (d == nullptr || taille < 12 || std::memcmp(d, "RIFF", 4) != 0 ||
        std::memcmp(d + 8, "AVI ", 4) != 0)
        return 0;
    const unsigned n = unsigned(flux) % 100u;
    const char dc[4] = {char('0' + n / 10), char('0' + n % 10), 'd', 'c'};
    const char db[4] = {dc[0], dc[1], 'd', 'b'};

    int64_t fins[kProfondeurMax + 1]; // end of each list entered, the file's at the bottom
    int profondeur = 0;
    fins[0] = taille;
    int64_t p = 0;
    for (int64_t compte = 0; compte < kMorceauxMax; ++compte) {
        while (profondeur > 0 && p + 8 > fins[profondeur])
            p = std::max(p, fins[profondeur--]); // the parent goes on after the list
        const int64_t limite = fins[profondeur];
        if (p + 8 > limite) return 0;
        const unsigned char* e = d + p;
        const int64_t longueur = lire32(e + 4);
        const int64_t bout = p + 8 + longueur;
        if (estListe(e) && p + 12 <= limite) {
            if (longueur >= 4 && bout <= taille) {
                p = bout + (longueur & 1); // whole: the end of the file is not in it
                continue;
            }
            if (profondeur < kProfondeurMax) {
                // Holds the end of the file, or has the size of 0 that some writers leave:
                // its data runs to the end of its parent then.
                fins[profondeur + 1] = longueur >= 4 ? std::min(bout, limite) : limite;
                ++profondeur;
                p += 12;
                continue;
            }
        }
        if (fourccValide(e) && bout <= limite) {
            // The next header lies after the pad byte, or right after the data when the
            // writer left the pad byte out.
            int64_t suivant = bout + (longueur & 1);
            if ((longueur & 1) && !entetePlausible(d, suivant, limite) &&
                entetePlausible(d, bout, limite))
                suivant = bout;
            p = suivant;
            continue;
        }
        // A chunk that runs past its list, or no chunk at all: damage that the decoder gets
        // over when a chunk follows, or else the place where the file was cut.
        const int64_t q = reprise(d, p + 1, limite);
        if (q >= 0) {
            p = q;
            continue;
        }
        const bool notreFlux = std::memcmp(e, dc, 4) == 0 || std::memcmp(e, db, 4) == 0;
        return notreFlux && bout > taille && p + 8 < taille ? 1 : 0;
    }
    return 0;
}

int imagesCoupeesAvi(const QString& chemin, int flux) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const qint64 taille = f.size();
    if (taille < 12) return 0;
    const uchar* d = f.map(0, taille);
    return d != nullptr ? imagesCoupeesAvi(d, taille, flux) : 0;
}
