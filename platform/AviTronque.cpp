#include "platform/AviTronque.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {

// RIFF > LIST movi > LIST rec > chunk is the deepest a real AVI goes; anything nested
// further is damage and is looked at as a plain chunk.
constexpr int kProfondeurMax = 8;
constexpr int64_t kMorceauxMax = int64_t(1) << 24;

// The bytes of a file held in memory.
class Memoire {
public:
    Memoire(const unsigned char* d, int64_t taille)
        : d_(d)
        , taille_(taille) {}
    int64_t taille() const { return taille_; }
    // n bytes at p (p + n <= taille), valid until the next call.
    const unsigned char* octets(int64_t p, int) { return d_ + p; }

private:
    const unsigned char* d_;
    int64_t taille_;
};

// The bytes of a file on disk, read a few kilobytes at a time where the walk goes: a chunk
// header costs one small read, not a page of a mapping of the whole file (far slower when
// the walk crosses a gigabyte of images).
class Disque {
public:
    Disque(int descripteur, int64_t taille)
        : fd_(descripteur)
        , taille_(taille) {}
    int64_t taille() const { return taille_; }
    const unsigned char* octets(int64_t p, int n) {
        if (p < debut_ || p + n > debut_ + kFenetre) {
            debut_ = p;
            const int64_t voulus = std::min<int64_t>(kFenetre, taille_ - p);
            const ssize_t lus = ::pread(fd_, tampon_, size_t(voulus), off_t(p));
            // A read that fails reads as zeros: no chunk there.
            std::memset(tampon_ + std::max<ssize_t>(lus, 0), 0,
                        size_t(kFenetre - std::max<ssize_t>(lus, 0)));
        }
        return tampon_ + (p - debut_);
    }

private:
    static constexpr int kFenetre = 4096;
    int fd_;
    int64_t taille_;
    int64_t debut_ = -kFenetre - 1;
    unsigned char tampon_[kFenetre];
};

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
template <class Source> bool entetePlausible(Source& s, int64_t q, int64_t limite) {
    if (q < 0 || q + 8 > limite) return false;
    const unsigned char* e = s.octets(q, 8);
    if (!tagConnu(e)) return false;
    const int64_t longueur = lire32(e + 4);
    if (estListe(e) && longueur < 4) return false;
    return q + 8 + longueur <= limite;
}

// First plausible header in [depuis, limite), -1 when none.
template <class Source> int64_t reprise(Source& s, int64_t depuis, int64_t limite) {
    for (int64_t q = depuis; q + 8 <= limite; ++q)
        if (entetePlausible(s, q, limite)) return q;
    return -1;
}

template <class Source> int compter(Source& s, int flux) {
    const int64_t taille = s.taille();
    if (taille < 12) return 0;
    const unsigned char* debut = s.octets(0, 12);
    if (std::memcmp(debut, "RIFF", 4) != 0 || std::memcmp(debut + 8, "AVI ", 4) != 0) return 0;
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
        unsigned char e[8];
        std::memcpy(e, s.octets(p, 8), 8);
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
            if ((longueur & 1) && !entetePlausible(s, suivant, limite) &&
                entetePlausible(s, bout, limite))
                suivant = bout;
            p = suivant;
            continue;
        }
        // A chunk that runs past its list, or no chunk at all: damage that the decoder gets
        // over when a chunk follows, or else the place where the file was cut.
        const int64_t q = reprise(s, p + 1, limite);
        if (q >= 0) {
            p = q;
            continue;
        }
        const bool notreFlux = std::memcmp(e, dc, 4) == 0 || std::memcmp(e, db, 4) == 0;
        return notreFlux && bout > taille && p + 8 < taille ? 1 : 0;
    }
    return 0;
}

} // namespace

int imagesCoupeesAvi(const unsigned char* donnees, int64_t taille, int flux) {
    if (donnees == nullptr) return 0;
    Memoire m(donnees, taille);
    return compter(m, flux);
}

int imagesCoupeesAvi(const QString& chemin, int flux) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return 0;
    Disque d(f.handle(), f.size());
    return compter(d, flux);
}
