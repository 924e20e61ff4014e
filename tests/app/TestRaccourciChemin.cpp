#include "app/RaccourciChemin.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(RaccourciChemin, DossiersDeTeteRemplacesParTroisPoints) {
    const QFontMetrics m{QFont()};
    const QString chemin = "/home/prof/physique/clips/chute.avi";
    EXPECT_EQ(raccourcirChemin(chemin, m, 10000), chemin);
    EXPECT_EQ(raccourcirChemin("", m, 0), "");

    const int sansHome = m.horizontalAdvance("/.../prof/physique/clips/chute.avi");
    EXPECT_EQ(raccourcirChemin(chemin, m, sansHome), "/.../prof/physique/clips/chute.avi");
    EXPECT_EQ(raccourcirChemin(chemin, m, m.horizontalAdvance("/.../clips/chute.avi")),
              "/.../clips/chute.avi");
    EXPECT_EQ(
        raccourcirChemin("C:\\Mes clips\\tp\\a.avi", m, m.horizontalAdvance("C:\\...\\tp\\a.avi")),
        "C:\\...\\tp\\a.avi");
    // Too narrow even for the file name: it is cut, never wider than asked.
    const QString court = raccourcirChemin(chemin, m, 30);
    EXPECT_LE(m.horizontalAdvance(court), 30);
}
