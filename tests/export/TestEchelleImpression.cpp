#include "export/EchelleImpression.h"
#include "export/Rgbhls.h"
#include "measure/CouleurBgr.h"

#include <gtest/gtest.h>

using namespace echelleImpression;

TEST(Rgbhls, LightnessHueAndGreyOfKnownColours) {
    struct Cas {
        int r, g, b, h, l, s, gris;
    };
    const Cas cas[] = {
        {255, 255, 255, 160, 240, 0, 255},  // white
        {0, 0, 0, 160, 0, 0, 0},            // black
        {128, 128, 128, 160, 120, 0, 128},  // grey: hue undefined
        {255, 0, 0, 0, 120, 240, 128},      // red, grey 127.5 rounded to even
        {0, 255, 0, 80, 120, 240, 128},     // green
        {0, 0, 255, 160, 120, 240, 128},    // blue
        {255, 128, 0, 20, 120, 240, 128},   // orange
        {255, 255, 128, 40, 180, 240, 191}, // pale yellow: saturation above half lightness
        {255, 0, 255, 200, 120, 240, 128},  // magenta: a negative hue wraps round
    };
    for (const Cas& c : cas) {
        const rgbhls::Hls x = rgbhls::rgbEnHls(c.r, c.g, c.b);
        EXPECT_EQ(x.h, c.h) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(x.l, c.l) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(x.s, c.s) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(rgbhls::niveauGris(couleurBgr::depuisRgb(c.r, c.g, c.b)), c.gris)
            << c.r << "," << c.g << "," << c.b;
    }
}

TEST(EchelleImpression, ProposedPowerOfTen) {
    // g alone: a one-centimetre page.
    const std::pair<long double, long double> cas[] = {{0.05L, 0.1L}, {0.5L, 1}, {1, 10},
                                                       {3, 10},       {25, 100}, {0.002L, 0.01L}};
    for (auto [g, attendu] : cas)
        EXPECT_NEAR(double(echelleProposee(g, g / 2, 1, 1)), double(attendu), 1e-12) << double(g);
    // 640 x 480 pixels of 1 mm on a portrait page of 20 x 28.7 cm: 0.1 m per cm.
    EXPECT_NEAR(double(echelleProposee(0.64L, 0.48L, 20, 28.7L)), 0.1, 1e-12);
    // The height decides when it is the tighter side.
    EXPECT_NEAR(double(echelleProposee(0.1L, 0.5L, 20, 4)), 1, 1e-12);
    // No calibration or no page: a plain 1 rather than a logarithm of zero.
    EXPECT_EQ(echelleProposee(0, 0, 20, 28.7L), 1);
    EXPECT_EQ(echelleProposee(1, 1, 0, 0), 1);
}

TEST(EchelleImpression, SliderBothWays) {
    const long double ref = 0.1L;
    EXPECT_EQ(positionCurseur(20 * ref, ref), 0);
    EXPECT_EQ(positionCurseur(10 * ref, ref), 0);
    EXPECT_EQ(positionCurseur(0.05L * ref, ref), 200);
    EXPECT_EQ(positionCurseur(0.1L * ref, ref), 200);
    EXPECT_EQ(positionCurseur(ref, ref), 100);
    EXPECT_EQ(positionCurseur(2 * ref, ref), 70);
    EXPECT_NEAR(double(echelleCurseur(0, ref)), 1.0, 1e-12);
    EXPECT_NEAR(double(echelleCurseur(100, ref)), 0.1, 1e-12);
    EXPECT_NEAR(double(echelleCurseur(200, ref)), 0.01, 1e-12);
    for (int p = 0; p <= 200; p += 7)
        EXPECT_EQ(positionCurseur(echelleCurseur(p, ref), ref), p);
}

TEST(EchelleImpression, ScaleBoxReading) {
    long double v = 0;
    EXPECT_TRUE(lireEchelle(QStringLiteral(" 1.00E-1"), v));
    EXPECT_NEAR(double(v), 0.1, 1e-15);
    EXPECT_TRUE(lireEchelle(QStringLiteral(" 2,50E+1"), v)); // the comma of a French locale
    EXPECT_NEAR(double(v), 25, 1e-12);
    EXPECT_TRUE(lireEchelle(QStringLiteral("3"), v));
    EXPECT_TRUE(lireEchelle(QStringLiteral(".5"), v));
    EXPECT_NEAR(double(v), 0.5, 1e-15);
    for (const char* faux :
         {"0", "0.00E+0", "1E", "1E+", "E2", "", "-", "1.2.3", "1,2,3", "1 ", "a"})
        EXPECT_FALSE(lireEchelle(QString::fromLatin1(faux), v)) << faux;
    // Where the reader stops: 1-based, past the end for a text cut short.
    EXPECT_EQ(lireNombre(QStringLiteral("1E")).position, 3);
    EXPECT_EQ(lireNombre(QStringLiteral("12x")).position, 3);
    EXPECT_EQ(lireNombre(QStringLiteral("1,5")).position, 2);
    EXPECT_EQ(lireNombre(QStringLiteral("-1.5E-2")).position, 0);
}

TEST(EchelleImpression, KeysOfTheScaleBox) {
    for (QChar sep : {QChar('.'), QChar(',')}) {
        EXPECT_EQ(toucheEchelle('e', sep), QChar('E'));
        EXPECT_EQ(toucheEchelle('E', sep), QChar('E'));
        EXPECT_EQ(toucheEchelle(',', sep), sep);
        EXPECT_EQ(toucheEchelle('.', sep), sep);
        for (char c : {'0', '9', '+', '-', '\b'})
            EXPECT_EQ(toucheEchelle(c, sep), QChar(c));
        for (char c : {'a', 'x', ' ', '\r', '/', 'F'})
            EXPECT_TRUE(toucheEchelle(c, sep).isNull()) << c;
    }
}

TEST(EchelleImpression, SheetAndDrawingPreviews) {
    EXPECT_EQ(formatFeuille(20.32L, 28.7L, '.'), "20.3x28.7cm");
    EXPECT_EQ(formatFeuille(20.32L, 28.7L, ','), "20,3x28,7cm");
    EXPECT_EQ(formatFeuille(0.5L, 9.96L, '.'), ".5x10.0cm");
    EXPECT_EQ(apercuFeuille(4800, 6800), QSize(64, 90));
    EXPECT_EQ(apercuFeuille(6800, 4800), QSize(90, 64));
    EXPECT_EQ(apercuFeuille(5000, 5000), QSize(90, 90));

    const QSize feuille(64, 90);
    ApercuDessin a = apercuDessin(feuille, 6.4L, 4.8L, 20.3L, 28.7L);
    EXPECT_TRUE(a.tient);
    EXPECT_EQ(a.taille, QSize(20, 15));
    a = apercuDessin(feuille, 20.3L, 28.7L, 20.3L, 28.7L); // exactly the page
    EXPECT_TRUE(a.tient);
    EXPECT_EQ(a.taille, feuille);
    a = apercuDessin(feuille, 10, 40, 20.3L, 28.7L); // only the height overflows
    EXPECT_FALSE(a.tient);
    EXPECT_EQ(a.taille, QSize(25, 100));
    a = apercuDessin(feuille, 30, 10, 20.3L, 28.7L); // the width
    EXPECT_EQ(a.taille, QSize(74, 25));
    a = apercuDessin(feuille, 40, 60, 20.3L, 28.7L); // both: the width decides
    EXPECT_EQ(a.taille, QSize(74, 111));
    a = apercuDessin(feuille, 0, 0, 20.3L, 28.7L); // nothing to draw
    EXPECT_TRUE(a.tient);
    EXPECT_EQ(a.taille, QSize(0, 0));
}
