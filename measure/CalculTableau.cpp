#include "measure/CalculTableau.h"

#include "app/EtatSession.h"
#include "calibration/Conversion.h"
#include "measure/GrilleTexte.h"
#include "measure/Nbreels.h"

#include <algorithm>
#include <cmath>

namespace calcul {

bool espacementInegal(const std::vector<long double>& dates, long double periode) {
    if (dates.empty() || periode <= 0) return false;
    for (size_t i = 0; i < dates.size(); ++i)
        if (fabsl(dates[i] - static_cast<long double>(i) * periode) > periode / 4) return true;
    return false;
}

long double dateImage(const EtatSession& e, int r, int t0) {
    const auto& d = e.datesImages;
    const auto n = static_cast<int>(d.size());
    if (r >= 1 && t0 >= 1 && r <= n && t0 <= n)
        return d[static_cast<size_t>(r - 1)] - d[static_cast<size_t>(t0 - 1)];
    return static_cast<long double>(r - t0) * e.periode;
}

QString texteT(const EtatSession& e, int r, int t0, int decimalesT, QChar separateur) {
    return formatFixe(decimalesT, dateImage(e, r, t0), separateur);
}

QString texteX(const EtatSession& e, int px, QChar separateur) {
    return formatReel(e.chiffresXY - 1, conversion::metresX(e, px), separateur);
}

QString texteY(const EtatSession& e, int py, QChar separateur) {
    return formatReel(e.chiffresXY - 1, conversion::metresY(e, py), separateur);
}

void recalculer(const GrilleTexte& pixels, GrilleTexte& mesures, const EtatSession& e, int n,
                int t0, QChar separateur) {
    const int derniere = std::min(e.nbImages, mesures.lignes() - 1);
    const int decT = decimalesMotif(e.formatT);
    for (int r = std::max(1, t0); r <= derniere; ++r)
        mesures.setCellule(0, r, texteT(e, r, t0, decT, separateur));
    for (int k = 1; k <= n; ++k) {
        const auto& colX = pixels.colonneStockee(2 * k - 1);
        const auto& colY = pixels.colonneStockee(2 * k);
        const int fin = std::min(derniere, static_cast<int>(colX.size()) - 1);
        for (int r = 1; r <= fin; ++r) {
            const QString& sx = colX[static_cast<size_t>(r)];
            if (sx.isEmpty()) continue;
            bool okX = false, okY = false;
            const int px = sx.toInt(&okX);
            const int py =
                r < static_cast<int>(colY.size()) ? colY[static_cast<size_t>(r)].toInt(&okY) : 0;
            if (!okX || !okY) continue;
            mesures.setCellule(2 * k - 1, r, texteX(e, px, separateur));
            mesures.setCellule(2 * k, r, texteY(e, py, separateur));
        }
    }
}

void colonneT(GrilleTexte& mesures, const EtatSession& e, int t0, QChar separateur) {
    const int derniere = std::min(e.nbImages, mesures.lignes() - 1);
    const int decT = decimalesMotif(e.formatT);
    for (int r = 1; r <= derniere; ++r)
        mesures.setCellule(0, r, r < t0 ? QString() : texteT(e, r, t0, decT, separateur));
}

} // namespace calcul
