#pragma once

#include <QString>
#include <cstdint>

class QIODevice;
struct EtatVue;
struct FaitsClip;

// Texts of the labels of the tab "Propriétés du clip" (all but the fixed captions).
struct TextesProprietes {
    QString lblFile, lblOctets, lblNbImages, lblDurTot, lblFrequence, lblPeriode;
    QString lblDimL, lblDimH, lblAdapt, lblCodec2, lblCodec3;
    bool operator==(const TextesProprietes&) const = default;
};

namespace proprietes {

// The texts the labels are designed with, before anything is browsed or opened.
TextesProprietes textesInitiaux();

// No clip open. Differs from the design texts by "image / s" in the singular.
TextesProprietes textesSansClip();

// The open clip, from the document's facts and what the window keeps of the file (values
// the media device gave at opening).
TextesProprietes textesClipOuvert(const FaitsClip& clip, const EtatVue& vue);

// Values read from a file's AVI header for the preview.
struct Apercu {
    int32_t nbImages = 0;
    int32_t largeur = 0, hauteur = 0;
    QString code;             // as read, letter case kept
    long double periode = -1; // seconds per image, -1 when the rate is below 1
    // The preview is shown only for a header that makes sense.
    bool montrable() const { return nbImages > 0 && largeur > 0 && hauteur > 0 && periode > 0; }
};

// Reads the header fields; raises avi::ErreurEntreeSortie on a file too short.
Apercu lireApercu(QIODevice& fichier);

// Texts of a preview; lblAdapt is left empty (the preview does not touch it).
TextesProprietes textesApercu(const QString& nomFichier, const QString& taille, const Apercu& a);

// Number with a fixed count of decimals and the locale's decimal separator.
QString fixe(long double x, int decimales);

} // namespace proprietes
