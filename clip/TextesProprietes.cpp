#include "clip/TextesProprietes.h"

#include "app/EtatVue.h"
#include "clip/Codecs.h"
#include "clip/EnTeteAvi.h"
#include "model/Seance.h"
#include "platform/Locale.h"
#include "platform/Nombres.h"

namespace proprietes {

QString fixe(long double x, int decimales) {
    QString t = QString::number(double(x), 'f', decimales);
    if (t.toDouble() == 0) t = QString::number(0.0, 'f', decimales); // never "-0.000"
    return t.replace(QLatin1Char('.'), separateurDecimal());
}

TextesProprietes textesInitiaux() {
    TextesProprietes t = textesSansClip();
    t.lblFrequence = QStringLiteral("Fréquence : ? images / s");
    t.lblCodec2 = QStringLiteral("fourcc ?");
    t.lblCodec3 = QStringLiteral("codec ?");
    return t;
}

TextesProprietes textesSansClip() {
    TextesProprietes t;
    t.lblFile = QStringLiteral("Fichier : ?");
    t.lblOctets = QStringLiteral("Taille : ?");
    t.lblNbImages = QStringLiteral("Nombre d'images : 0");
    t.lblDurTot = QStringLiteral("Durée du clip : 0 s");
    t.lblFrequence = QStringLiteral("Fréquence : ? image / s");
    t.lblPeriode = QStringLiteral("Durée / image : 0 s");
    t.lblDimL = QStringLiteral("Largeur : 0 pixel");
    t.lblDimH = QStringLiteral("Hauteur : 0 pixel");
    t.lblAdapt = QStringLiteral("Adaptation : ?");
    t.lblCodec2 = QStringLiteral("?");
    t.lblCodec3 = QStringLiteral("?");
    return t;
}

namespace {
// The texts common to the preview and the open clip.
void remplir(TextesProprietes& t, const QString& nom, const QString& taille, int64_t n,
             long double periode, int64_t frequence, int32_t largeur, int32_t hauteur,
             const QString& code) {
    t.lblFile = QStringLiteral("Fichier : ") + nom;
    t.lblOctets = QStringLiteral("Taille : ") + taille;
    t.lblNbImages = QStringLiteral("Nombre d'images : ") + QString::number(n);
    t.lblDurTot = QStringLiteral("Durée du clip : ") + fixe(n * periode, 3) + QStringLiteral(" s");
    t.lblFrequence =
        QStringLiteral("Fréquence : ") + QString::number(frequence) + QStringLiteral(" images / s");
    t.lblPeriode =
        QStringLiteral("Durée / image : ") + fixe(periode * 1000, 0) + QStringLiteral(" ms");
    t.lblDimL = QStringLiteral("Largeur : ") + QString::number(largeur) + QStringLiteral(" pixels");
    t.lblDimH = QStringLiteral("Hauteur : ") + QString::number(hauteur) + QStringLiteral(" pixels");
    t.lblCodec2 = code;
    t.lblCodec3 = nomCodec(code);
}
} // namespace

TextesProprietes textesClipOuvert(const FaitsClip& c, const EtatVue& e) {
    TextesProprietes t;
    remplir(t, c.nom(), e.tailleClipTexte, c.nbImages, c.periode, e.frequence, c.largeur, c.hauteur,
            e.fourccClip);
    if (!c.dates.empty())
        t.lblFrequence = QStringLiteral("Fréquence : variable (moyenne ") +
                         QString::number(e.frequence) + QStringLiteral(" images / s)");
    t.lblAdapt =
        QStringLiteral("Adaptation : ") + QString::number(e.taillePc) + QStringLiteral("%");
    return t;
}

Apercu lireApercu(QIODevice& fichier) {
    Apercu a;
    a.nbImages = avi::nbImagesAvi(fichier);
    const avi::Dimensions d = avi::dimensionsAvi(fichier);
    a.largeur = d.largeur;
    a.hauteur = d.hauteur;
    // A file of another kind named .avi has no codec code where an AVI keeps it.
    a.code = avi::estAvi(fichier) ? avi::fourccAvi(fichier) : QStringLiteral("?");
    const int32_t cadence = avi::cadenceAvi(fichier);
    if (cadence >= 1) a.periode = (long double)avi::echelleTempsAvi(fichier) / cadence;
    return a;
}

TextesProprietes textesApercu(const QString& nomFichier, const QString& taille, const Apercu& a) {
    TextesProprietes t;
    const int64_t frequence = a.periode > 0 ? nombres::arrondi(1.0L / a.periode) : 0;
    remplir(t, nomFichier, taille, a.nbImages, a.periode, frequence, a.largeur, a.hauteur, a.code);
    return t;
}

} // namespace proprietes
