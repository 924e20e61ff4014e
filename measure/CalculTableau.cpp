#include "measure/CalculTableau.h"

#include "calibration/Conversion.h"
#include "measure/GrilleTexte.h"
#include "measure/Nbreels.h"
#include "model/Seance.h"

#include <algorithm>
#include <cmath>

namespace calcul {

bool espacementInegal(const std::vector<long double>& dates, long double periode) {
    if (dates.empty() || periode <= 0) return false;
    for (size_t i = 0; i < dates.size(); ++i)
        if (fabsl(dates[i] - static_cast<long double>(i) * periode) > periode / 4) return true;
    return false;
}

long double dateImage(const Seance& s, int r, int t0) {
    // Times in the file, then as filmed: a slow-motion clip's images are closer in time.
    const auto& d = s.clip().dates;
    const auto n = static_cast<int>(d.size());
    const long double k = s.facteurTemps();
    if (r >= 1 && t0 >= 1 && r <= n && t0 <= n)
        return (d[static_cast<size_t>(r - 1)] - d[static_cast<size_t>(t0 - 1)]) * k;
    return static_cast<long double>(r - t0) * s.clip().periode * k;
}

QString texteT(const Seance& s, int r, int t0, int decimalesT, QChar separateur) {
    return formatFixe(decimalesT, dateImage(s, r, t0), separateur);
}

QString texteX(const Seance& s, int px, QChar separateur) {
    return formatReel(s.chiffresXY() - 1, conversion::metresX(s.etalonnage(), px), separateur);
}

QString texteY(const Seance& s, int py, QChar separateur) {
    return formatReel(s.chiffresXY() - 1, conversion::metresY(s.etalonnage(), py), separateur);
}

void recalculer(const GrilleTexte& pixels, GrilleTexte& mesures, const Seance& s, int n, int t0,
                QChar separateur) {
    const int derniere = std::min(s.clip().nbImages, mesures.lignes() - 1);
    const int decT = s.decimalesT();
    for (int r = std::max(1, t0); r <= derniere; ++r)
        mesures.setCellule(0, r, texteT(s, r, t0, decT, separateur));
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
            mesures.setCellule(2 * k - 1, r, texteX(s, px, separateur));
            mesures.setCellule(2 * k, r, texteY(s, py, separateur));
        }
    }
}

void colonneT(GrilleTexte& mesures, const Seance& s, int t0, QChar separateur) {
    const int derniere = std::min(s.clip().nbImages, mesures.lignes() - 1);
    const int decT = s.decimalesT();
    for (int r = 1; r <= derniere; ++r)
        mesures.setCellule(0, r, r < t0 ? QString() : texteT(s, r, t0, decT, separateur));
}

} // namespace calcul
