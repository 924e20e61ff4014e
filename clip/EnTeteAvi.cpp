#include "clip/EnTeteAvi.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>

namespace avi {

namespace {

// Offsets of the fields inside the headers' data.
constexpr int64_t kTotalImages = 16; // avih dwTotalFrames
constexpr int64_t kLargeur = 32;     // avih dwWidth
constexpr int64_t kHauteur = 36;     // avih dwHeight
constexpr int64_t kTypeFlux = 0;     // strh fccType
constexpr int64_t kCodec = 4;        // strh fccHandler
constexpr int64_t kEchelle = 20;     // strh dwScale
constexpr int64_t kCadence = 24;     // strh dwRate

// Walking stops after this many chunks: a damaged size field must not keep us reading.
constexpr int kMaxMorceaux = 4096;

// Bytes at a position, fewer (or none) at the end of the file; never throws.
QByteArray lireOctets(QIODevice& f, int64_t position, int n) {
    if (position < 0 || position > f.size() || !f.seek(position)) return {};
    return f.read(n);
}

struct Morceau {
    QByteArray tag;
    int64_t debut = 0;  // position of the tag
    int64_t taille = 0; // size of the data
    QByteArray type;    // list type for "LIST" and "RIFF"
    int64_t donnees() const { return debut + 8; }
    int64_t fin() const { return debut + 8 + taille + (taille & 1); }
};

// Reads the chunk header at a position; false when it does not fit inside [.., limite).
bool lireMorceau(QIODevice& f, int64_t position, int64_t limite, Morceau& m) {
    if (position + 8 > limite) return false;
    const QByteArray entete = lireOctets(f, position, 12);
    if (entete.size() < 8) return false;
    m.tag = entete.left(4);
    m.debut = position;
    m.taille = qFromLittleEndian<quint32>(entete.constData() + 4);
    m.type = (m.tag == "LIST" || m.tag == "RIFF") ? entete.mid(8, 4) : QByteArray();
    return m.donnees() + m.taille <= limite + 1; // a final odd pad byte may be missing
}

// Calls agir on each chunk of the range; agir returns false to stop.
template <class F> void parcourir(QIODevice& f, int64_t debut, int64_t fin, F agir) {
    int64_t position = debut;
    Morceau m;
    for (int n = 0; n < kMaxMorceaux && lireMorceau(f, position, fin, m); ++n) {
        if (!agir(m)) return;
        position = m.fin();
    }
}

void parcourirFlux(QIODevice& f, const Morceau& strl, Disposition& d, bool& fluxVideoTrouve) {
    parcourir(f, strl.donnees() + 4, strl.donnees() + strl.taille, [&](const Morceau& m) {
        if (m.tag != "strh") return true;
        if (!fluxVideoTrouve && lireOctets(f, m.donnees() + kTypeFlux, 4) == "vids") {
            d.enTeteFlux = m.donnees();
            fluxVideoTrouve = true;
        }
        return false;
    });
}

void parcourirEnTetes(QIODevice& f, const Morceau& hdrl, Disposition& d) {
    bool fluxVideoTrouve = false;
    parcourir(f, hdrl.donnees() + 4, hdrl.donnees() + hdrl.taille, [&](const Morceau& m) {
        if (m.tag == "avih") {
            d.enTetePrincipal = m.donnees();
        } else if (m.tag == "LIST" && m.type == "strl") {
            parcourirFlux(f, m, d, fluxVideoTrouve);
        } else if (m.tag == "LIST" && m.type == "odml") {
            parcourir(f, m.donnees() + 4, m.donnees() + m.taille, [&](const Morceau& s) {
                if (s.tag == "dmlh" && s.taille >= 4) d.totalOpenDml = s.donnees();
                return s.tag != "dmlh";
            });
        }
        return true;
    });
}

} // namespace

int32_t lireEntier32(QIODevice& fichier, int64_t position) {
    const QByteArray octets = lireOctets(fichier, position, 4);
    if (octets.size() != 4)
        throw ErreurEntreeSortie("Erreur d'entrée/sortie : lecture au-delà de la fin du fichier");
    return qFromLittleEndian<qint32>(octets.constData());
}

Disposition disposition(QIODevice& fichier) {
    Disposition d;
    const QByteArray riff = lireOctets(fichier, 0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "AVI ") return d;
    // Some writers leave the RIFF size at zero: the file's own size bounds the walk then.
    const int64_t tailleRiff = qFromLittleEndian<quint32>(riff.constData() + 4);
    const int64_t finRiff =
        tailleRiff < 16 ? fichier.size() : std::min<int64_t>(fichier.size(), 8 + tailleRiff);
    parcourir(fichier, 12, finRiff, [&](const Morceau& m) {
        if (m.tag == "LIST" && m.type == "hdrl") {
            parcourirEnTetes(fichier, m, d);
            return false;
        }
        return !(m.tag == "LIST" && m.type == "movi"); // the headers come before the images
    });
    return d;
}

int32_t nbImagesAvi(QIODevice& fichier) {
    const Disposition d = disposition(fichier);
    if (d.totalOpenDml >= 0) {
        const int32_t total = lireEntier32(fichier, d.totalOpenDml);
        if (total > 0) return total;
    }
    return lireEntier32(fichier, d.enTetePrincipal + kTotalImages);
}

Dimensions dimensionsAvi(QIODevice& fichier) {
    const Disposition d = disposition(fichier);
    return {lireEntier32(fichier, d.enTetePrincipal + kLargeur),
            lireEntier32(fichier, d.enTetePrincipal + kHauteur)};
}

QString fourccAvi(QIODevice& fichier) {
    const Disposition d = disposition(fichier);
    lireEntier32(fichier, d.enTeteFlux + kCodec); // raises on a short file
    QByteArray code = lireOctets(fichier, d.enTeteFlux + kCodec, 4);
    const int zero = code.indexOf('\0');
    if (zero >= 0) code.truncate(zero);
    return QString::fromLatin1(code);
}

int32_t echelleTempsAvi(QIODevice& fichier) {
    return lireEntier32(fichier, disposition(fichier).enTeteFlux + kEchelle);
}

int32_t cadenceAvi(QIODevice& fichier) {
    return lireEntier32(fichier, disposition(fichier).enTeteFlux + kCadence);
}

QString fourccFichier(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    try {
        return fourccAvi(fichier);
    } catch (const ErreurEntreeSortie&) {
        return {};
    }
}

bool estAvi(QIODevice& fichier) {
    const QByteArray riff = lireOctets(fichier, 0, 12);
    return riff.size() == 12 && riff.startsWith("RIFF") && riff.mid(8, 4) == "AVI ";
}

bool estAvi(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) && estAvi(fichier);
}

} // namespace avi
