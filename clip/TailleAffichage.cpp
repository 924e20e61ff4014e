#include "clip/TailleAffichage.h"

#include "platform/Nombres.h"

#include <algorithm>

namespace tailleAffichage {

int pcAdapte(QSize zone, QSize clip) {
    if (clip.width() <= 0 || clip.height() <= 0) return 100;
    const long double fitV = (long double)(zone.height() - kMarge) / clip.height();
    const long double fitH = (long double)(zone.width() - kMarge) / clip.width();
    const long double fit = fitV <= fitH ? fitV : fitH;
    int p = int(std::clamp<int64_t>(nombres::arrondi(fit * 100), kPcMin, kPcMax));
    // Rounded up, the panel would pass the edge of the area by a few pixels and bring
    // the scroll bars: the percentage below is taken then.
    while (p > kPcMin) {
        const QSize s = tailleAffichee(clip, p);
        if (s.width() + kMarge - 1 <= zone.width() && s.height() + kMarge - 1 <= zone.height())
            break;
        --p;
    }
    return p;
}

QSize tailleAffichee(QSize clip, int pc) {
    const long double rapport = (long double)pc / 100;
    const auto cote = [&](int n) {
        return int(std::max<int64_t>(1, nombres::arrondi(n * rapport)));
    };
    return {cote(clip.width()), cote(clip.height())};
}

int borner(int pc) {
    return std::clamp(pc, kPcMin, kPcMax);
}

int incrementSuivant(int increment) {
    return increment > 15 ? 20 : increment + 5;
}

} // namespace tailleAffichage
