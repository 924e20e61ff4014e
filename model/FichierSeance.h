#pragma once

#include "model/Seance.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The clip of a saved session: where it was, and what identifies it.
struct ClipSeance {
    QString cheminRelatif; // from the session file's folder, '/' separators
    QString cheminAbsolu;
    qint64 octets = 0;                              // the clip's byte size
    int32_t nbImages = 0, largeur = 0, hauteur = 0; // the clip's own image size
    bool operator==(const ClipSeance&) const = default;
};

// Colours and shapes, as the window's appearance table holds them: index 0 = axes, k = point
// k (1..9): colour 0x00BBGGRR, drawn flag, shape 0..3.
struct AspectSeance {
    std::vector<uint32_t> couleurs;
    std::vector<bool> dessines;
    std::vector<int> formes;
    int taillePoints = 1;    // 0..4
    int couleurPointeur = 1; // 1 black, 2 white
    int formePointeur = 2;   // 1..3
    bool operator==(const AspectSeance&) const = default;
};

// What a session file holds, besides the clip's facts that come from opening the clip.
struct ContenuSeance {
    ClipSeance clip;
    Etalonnage etalonnage;
    std::vector<std::optional<QPoint>> points; // clip.nbImages * 9, image by image, points 1..9
    int n = 1, t0 = 1, chiffresXY = 3, decimalesT = 3;
    // The rate the clip was filmed at when it is not the file's own (images per second);
    // 0: the file's rate.
    long double cadencePriseDeVue = 0;
    int taillePc = 100;    // display size in percent the pixel coordinates refer to (1..1000)
    bool adapte = false;   // the display was fitted to the window
    int imageAffichee = 0; // 0-based
    AspectSeance aspect;
    bool operator==(const ContenuSeance&) const = default;
};

// The .kinopix file: a UTF-8 JSON object naming its format and version, then readable keys.
// Images are counted from 0 in the file, as in the program. Every later version raises
// `version` and still reads every earlier one: a missing key takes its default above.
namespace fichierSeance {

inline constexpr int version = 1;
inline const QString nomFormat = QStringLiteral("Kinopix séance"); // the "format" key

// Never fails.
QByteArray ecrire(const ContenuSeance& c);

// `erreur` is empty when the content was read; otherwise it is the whole French message
// naming `nomFichier`, and there is no content.
struct Lecture {
    std::optional<ContenuSeance> contenu;
    QString erreur;
};
Lecture lire(const QByteArray& octets, const QString& nomFichier);

// The document's part: the calibration, the points, n, t0 and the digits. `appliquer`
// expects the document already laid out for clip.nbImages images (after Seance::setClip)
// and leaves its clip facts alone.
void extraire(const Seance& s, ContenuSeance& c);
void appliquer(const ContenuSeance& c, Seance& s);

} // namespace fichierSeance
