#include "measure/Derivees.h"

#include "calibration/Conversion.h"
#include "measure/CalculTableau.h"
#include "model/Seance.h"

#include <cmath>

namespace derivees {

std::vector<Derivees> calculer(const Seance& s, int k) {
    const int N = s.clip().nbImages;
    std::vector<Derivees> d(static_cast<size_t>(std::max(0, N)));
    struct Position {
        long double x, y, t;
    };
    std::vector<std::optional<Position>> p(d.size());
    const Etalonnage& e = s.etalonnage();
    for (int i = 0; i < N; ++i)
        if (const auto px = s.point(i, k))
            p[size_t(i)] =
                Position{conversion::metresX(e, px->x()), conversion::metresY(e, px->y()),
                         calcul::dateImage(s, i + 1, s.t0())};
    for (int i = 1; i + 1 < N; ++i) {
        const auto& a = p[size_t(i - 1)];
        const auto& b = p[size_t(i)];
        const auto& c = p[size_t(i + 1)];
        if (!a || !b || !c) continue;
        const long double dt = c->t - a->t, dt1 = b->t - a->t, dt2 = c->t - b->t;
        if (dt == 0 || dt1 == 0 || dt2 == 0) continue;
        Derivees& r = d[size_t(i)];
        r.vx = (c->x - a->x) / dt;
        r.vy = (c->y - a->y) / dt;
        r.v = std::sqrt(*r.vx * *r.vx + *r.vy * *r.vy);
        r.ax = 2 * ((c->x - b->x) / dt2 - (b->x - a->x) / dt1) / dt;
        r.ay = 2 * ((c->y - b->y) / dt2 - (b->y - a->y) / dt1) / dt;
        r.a = std::sqrt(*r.ax * *r.ax + *r.ay * *r.ay);
    }
    return d;
}

} // namespace derivees
