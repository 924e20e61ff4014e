#include "platform/Nombres.h"

#include <cfenv>
#include <cmath>

namespace nombres {

int64_t arrondi(long double x) {
    // nearbyintl follows the current rounding mode, which is to-nearest-even by default.
    const int ancien = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyintl(x);
    std::fesetround(ancien);
    return static_cast<int64_t>(r);
}

int64_t tronquer(long double x) { return static_cast<int64_t>(std::truncl(x)); }

} // namespace nombres
