// Velocities and accelerations from the document.

#include "measure/Derivees.h"
#include "model/Seance.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A clip of 6 images at 25 per second, one metre per pixel, the origin at (0, 0) with y
// upwards: pixel y = −(metres).
Seance& seance(Seance& s, std::vector<long double> dates = {}) {
    FaitsClip c;
    c.nbImages = 6;
    c.periode = 0.04L;
    c.cadenceFichier = 25;
    c.dates = std::move(dates);
    s.setClip(c);
    Etalonnage e;
    e.echelle = 1;
    s.setEtalonnage(e);
    return s;
}

} // namespace

TEST(Derivees, UniformAccelerationGivesItsVelocityAndAcceleration) {
    Seance s;
    seance(s);
    // On whole pixels: x = 10 n, y = n² (upwards), t = 0.04 n.
    for (int n = 0; n < 6; ++n)
        s.setPoint(n, 1, QPoint(10 * n, -n * n));
    const std::vector<Derivees> d = derivees::calculer(s, 1);
    ASSERT_EQ(d.size(), 6u);
    EXPECT_FALSE(d[0].vx || d[0].ax); // the first and last image where it is recorded
    EXPECT_FALSE(d[5].v || d[5].a);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_NEAR(double(*d[size_t(n)].vx), 10 / 0.04, 1e-9) << n;
        EXPECT_NEAR(double(*d[size_t(n)].vy), 2 * n / 0.04, 1e-9) << n; // y = n² upwards
        EXPECT_NEAR(double(*d[size_t(n)].ax), 0, 1e-9) << n;
        EXPECT_NEAR(double(*d[size_t(n)].ay), 2 / (0.04 * 0.04), 1e-6) << n;
        EXPECT_NEAR(double(*d[size_t(n)].v), std::hypot(250.0, 2 * n / 0.04), 1e-9);
        EXPECT_NEAR(double(*d[size_t(n)].a), 1250, 1e-6);
    }
    // A slow-motion clip filmed 4 times faster: velocities × 4, accelerations × 16.
    s.setCadencePriseDeVue(100);
    EXPECT_NEAR(double(*derivees::calculer(s, 1)[2].vx), 4 * 250, 1e-9);
    EXPECT_NEAR(double(*derivees::calculer(s, 1)[2].ay), 16 * 1250, 1e-6);
}

TEST(Derivees, UnevenTimesAndNinePoints) {
    Seance s;
    seance(s, {0, 0.03L, 0.08L, 0.12L, 0.2L, 0.21L}); // a variable-rate clip
    s.setN(9);
    for (int n = 0; n < 6; ++n)
        for (int k = 1; k <= 9; ++k)
            s.setPoint(n, k, QPoint(k * 100 + n * n, 0));
    const std::vector<long double> t{0, 0.03L, 0.08L, 0.12L, 0.2L, 0.21L};
    for (int k = 1; k <= 9; ++k) {
        const std::vector<Derivees> d = derivees::calculer(s, k);
        for (int n = 1; n <= 4; ++n) {
            const long double x0 = (n - 1) * (n - 1), x1 = n * n, x2 = (n + 1) * (n + 1);
            const long double dt = t[size_t(n + 1)] - t[size_t(n - 1)];
            EXPECT_NEAR(double(*d[size_t(n)].vx), double((x2 - x0) / dt), 1e-9) << k << n;
            const long double a = 2 *
                                  ((x2 - x1) / (t[size_t(n + 1)] - t[size_t(n)]) -
                                   (x1 - x0) / (t[size_t(n)] - t[size_t(n - 1)])) /
                                  dt;
            EXPECT_NEAR(double(*d[size_t(n)].ax), double(a), 1e-6) << k << n;
            EXPECT_EQ(*d[size_t(n)].vy, 0);
        }
    }
}

TEST(Derivees, EmptyBesideAMissingPointAndWhereTimesDoNotMove) {
    Seance s;
    seance(s, {0, 0.04L, 0.04L, 0.12L, 0.16L, 0.2L}); // images 1 and 2 at the same time
    for (int n = 0; n < 6; ++n)
        if (n != 4) s.setPoint(n, 2, QPoint(n, n));
    const std::vector<Derivees> d = derivees::calculer(s, 2);
    EXPECT_FALSE(d[1].vx);                        // dt of the second half is zero
    EXPECT_FALSE(d[2].vx);                        // dt of the first half is zero
    EXPECT_FALSE(d[3].vx);                        // image 4 lacks the point
    EXPECT_FALSE(d[4].vx);                        // the point itself is missing
    EXPECT_FALSE(derivees::calculer(s, 3)[2].vx); // a point never recorded
    EXPECT_TRUE(derivees::calculer(Seance(), 1).empty());
}
