#pragma once

#include "app/EtatSession.h"

// The one pixel-to-metre mapping: relative pixels in integers, then metres.
namespace conversion {

inline int32_t pxRelX(const EtatSession& e, int32_t px) { return e.sensX * (px - e.xOrig); }
inline int32_t pxRelY(const EtatSession& e, int32_t py) { return e.sensY * (e.yOrig - py); }
inline long double metresX(const EtatSession& e, int32_t px) {
    return static_cast<long double>(pxRelX(e, px)) * e.echelle;
}
inline long double metresY(const EtatSession& e, int32_t py) {
    return static_cast<long double>(pxRelY(e, py)) * e.echelle;
}

} // namespace conversion
