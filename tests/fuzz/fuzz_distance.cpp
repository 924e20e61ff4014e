// The distance box on any text, under both decimal separators: an accepted distance lies in
// the bounds the box promises and gives a finite scale.
#include "calibration/SaisieDistance.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    for (QChar separateur : {QChar(u','), QChar(u'.')}) {
        const saisie::Evaluation e =
            saisie::evaluerDistance(texte, separateur, QPoint(3, 4), QPoint(300, 400));
        if (!e.accepte) continue;
        const long double d = std::fabs(e.distance);
        if (d != 0 && (d < saisie::distanceMin || d > saisie::distanceMax)) std::abort();
        if (!std::isfinite(double(e.echelle))) std::abort();
    }
    return 0;
}
