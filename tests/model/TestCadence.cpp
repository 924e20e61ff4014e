// The rate a clip was filmed at: the times it gives, its texts, and the rate a phone wrote.

#include "aides/ClipsTest.h"
#include "measure/CalculTableau.h"
#include "model/Cadence.h"
#include "model/Seance.h"
#include "platform/ApercuConteneur.h"

#include <gtest/gtest.h>

TEST(Cadence, EveryTimeFollowsTheCaptureRate) {
    Seance s;
    FaitsClip c;
    c.nbImages = 4;
    c.periode = 0.04L;
    c.cadenceFichier = 25;
    s.setClip(c);
    EXPECT_EQ(s.cadencePriseDeVue(), 25); // a new clip: the file's own rate
    EXPECT_EQ(calcul::dateImage(s, 3, 1), 2 * 0.04L);
    s.setCadencePriseDeVue(100); // slow motion: filmed 4 times faster than stored
    EXPECT_EQ(calcul::dateImage(s, 3, 1), 2 * 0.04L * 0.25L);
    EXPECT_EQ(calcul::dateImage(s, 1, 3), -2 * 0.04L * 0.25L);
    s.setCadencePriseDeVue(25.0L / 30); // time-lapse: 30 times slower
    EXPECT_EQ(calcul::dateImage(s, 2, 1), 0.04L * 30);

    // Unevenly spaced images keep their own times, scaled alike.
    c.dates = {0, 0.046L, 0.2L, 0.3131L};
    s.setClip(c);
    s.setCadencePriseDeVue(100);
    EXPECT_EQ(calcul::dateImage(s, 4, 2), (0.3131L - 0.046L) * 0.25L);
    s.setCadencePriseDeVue(0); // refused: the rate stays
    EXPECT_EQ(s.cadencePriseDeVue(), 100);
}

TEST(Cadence, TextsOfTheRateAndOfTheSlowMotion) {
    EXPECT_EQ(cadence::texte(240, ','), "240");
    EXPECT_EQ(cadence::texte(30000.0L / 1001, ','), "29,97");
    EXPECT_EQ(cadence::texte(12.5L, '.'), "12.5");
    EXPECT_EQ(cadence::lire(" 29,97 ", ','), (long double)29.97);
    EXPECT_EQ(cadence::lire("100.5", ','), (long double)100.5);
    for (const char* refuse : {"abc", "0", "-25", "100001", ""})
        EXPECT_FALSE(cadence::lire(refuse, ',')) << refuse;

    EXPECT_EQ(cadence::ralenti(30, 240, ','), "ralenti × 8");
    EXPECT_EQ(cadence::ralenti(30, 1, ','), "accéléré × 30");
    EXPECT_EQ(cadence::ralenti(25, 60, ','), "ralenti × 2,4");
    EXPECT_EQ(cadence::ralenti(25, 25, ','), "");
    EXPECT_EQ(cadence::ralenti(30000.0L / 1001, 30, ','), ""); // a ratio that rounds to 1

    EXPECT_EQ(cadence::decimalesT(240, 3), 4);
    EXPECT_EQ(cadence::decimalesT(100, 3), 3);
    EXPECT_EQ(cadence::decimalesT(25, 5), 5); // never fewer than the user chose

    // The rate a phone wrote counts only when it differs from the file's by 1.5 or more.
    EXPECT_EQ(cadence::retenue(30, 240.0), 240);
    EXPECT_EQ(cadence::retenue(30, 1.0), 1);
    EXPECT_FALSE(cadence::retenue(29.8L, 30.0));
    EXPECT_FALSE(cadence::retenue(30, std::nullopt));
}

TEST(Cadence, TheContainerSaysTheRateThePhoneFilmedAt) {
    const QString ralenti =
        clipstest::clip("ralenti240.mp4", {"--codec", "h264", "--rate", "30", "--frames", "5",
                                           "--size", "64x48", "--capture-fps", "240"});
    const QString ordinaire =
        clipstest::clip("ordinaire.mp4", {"--codec", "h264", "--rate", "149/5", "--frames", "5",
                                          "--size", "64x48", "--capture-fps", "30.0"});
    const QString muet =
        clipstest::clip("muet.mp4", {"--codec", "h264", "--frames", "5", "--size", "64x48"});
    const auto a = lireConteneur(ralenti), b = lireConteneur(ordinaire), c = lireConteneur(muet);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->cadencePriseDeVue, 240.0);
    EXPECT_EQ(b->cadencePriseDeVue, 30.0);
    EXPECT_FALSE(cadence::retenue(1 / b->periode, b->cadencePriseDeVue)); // 29.8: ignored
    EXPECT_FALSE(c->cadencePriseDeVue);
}
