#pragma once

#include "model/Seance.h"

#include <QPoint>
#include <cmath>
#include <cstdint>
#include <optional>

// The one pixel-to-metre mapping: relative pixels in integers, then metres.
namespace conversion {

inline int32_t pxRelX(const Etalonnage& e, int32_t px) {
    return e.sensX * (px - e.xOrig);
}
inline int32_t pxRelY(const Etalonnage& e, int32_t py) {
    return e.sensY * (e.yOrig - py);
}
inline long double metresX(const Etalonnage& e, int32_t px) {
    return static_cast<long double>(pxRelX(e, px)) * e.echelle;
}
inline long double metresY(const Etalonnage& e, int32_t py) {
    return static_cast<long double>(pxRelY(e, py)) * e.echelle;
}

// Square of the distance p1p2 in pixels. The differences are exact in 64 bits; their
// squares are summed in extended precision (exact for any real image), since two int32
// extremes would overflow a 64-bit sum.
inline long double distanceCarree(QPoint p1, QPoint p2) {
    const auto dx = static_cast<long double>(int64_t(p1.x()) - p2.x());
    const auto dy = static_cast<long double>(int64_t(p1.y()) - p2.y());
    return dx * dx + dy * dy;
}

// Metres per pixel from the real distance d between p1 and p2: |d| / |p1p2|, the same
// scale for both axes, the sign of d ignored. Nothing when p1 = p2 or d is not finite.
// Computed as |d| / sqrt(D2) rather than sqrt(d2 / D2) so that d2 cannot overflow.
inline std::optional<long double> echelleDepuisDistance(long double d, QPoint p1, QPoint p2) {
    const long double d2 = distanceCarree(p1, p2);
    if (d2 == 0 || !std::isfinite(d)) return std::nullopt;
    const long double e = std::fabs(d) / std::sqrt(d2);
    if (!std::isfinite(e)) return std::nullopt;
    return e;
}

} // namespace conversion
