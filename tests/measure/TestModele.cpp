// Least-squares models over plotted pairs.

#include "measure/Modele.h"

#include <gtest/gtest.h>

using modele::Forme;

TEST(Modele, ExactDataGiveBackTheirCoefficients) {
    std::vector<std::pair<long double, long double>> droite, affine, parabole;
    for (int i = 0; i < 11; ++i) {
        const long double t = 0.04L * i;
        droite.emplace_back(t, 2.5L * t);
        affine.emplace_back(t, -1.5L * t + 0.75L);
        parabole.emplace_back(t, -4.905L * t * t + 1.2L * t + 0.85L); // a free fall: a = -g/2
    }
    const auto l = modele::ajuster(Forme::Lineaire, droite);
    ASSERT_TRUE(l);
    EXPECT_NEAR(double(l->coefficients[0]), 2.5, 1e-12);
    EXPECT_NEAR(double(l->r2), 1, 1e-12);
    const auto a = modele::ajuster(Forme::Affine, affine);
    ASSERT_TRUE(a);
    EXPECT_NEAR(double(a->coefficients[0]), -1.5, 1e-12);
    EXPECT_NEAR(double(a->coefficients[1]), 0.75, 1e-12);
    const auto p = modele::ajuster(Forme::Parabolique, parabole);
    ASSERT_TRUE(p);
    EXPECT_NEAR(double(p->coefficients[0]), -4.905, 1e-9);
    EXPECT_NEAR(double(p->coefficients[1]), 1.2, 1e-9);
    EXPECT_NEAR(double(p->coefficients[2]), 0.85, 1e-9);
    EXPECT_NEAR(double(p->r2), 1, 1e-12);
    EXPECT_EQ(modele::texte(Forme::Parabolique, "t", "y", p, '.'),
              QString::fromUtf8("y = a·t² + b·t + c   a = -4.905E+0   b = 1.200E+0   c = 8.500E-1"
                                "   r² = 1.0000"));

    // Scattered points: r² below 1, the mean line fitting nothing.
    const auto bruit = modele::ajuster(Forme::Affine, {{0, 1}, {1, 3}, {2, 2}, {3, 4}});
    ASSERT_TRUE(bruit);
    EXPECT_NEAR(double(bruit->r2), 0.64, 1e-12);
}

TEST(Modele, TooFewPointsGiveTheMessageNotAFit) {
    EXPECT_FALSE(modele::ajuster(Forme::Parabolique, {{0, 1}, {1, 2}, {2, 5}}));
    EXPECT_FALSE(modele::ajuster(Forme::Affine, {{1, 1}, {1, 2}, {1, 3}})); // one abscissa
    EXPECT_FALSE(modele::ajuster(Forme::Lineaire, {}));
    EXPECT_FALSE(modele::ajuster(Forme::Aucun, {{0, 1}, {1, 2}}));
    EXPECT_EQ(modele::texte(Forme::Affine, "t", "x", std::nullopt, ','),
              QString::fromUtf8("Pas assez de points pour ce modèle"));
    EXPECT_EQ(modele::texte(Forme::Aucun, "t", "x", std::nullopt, ','), "");
}
