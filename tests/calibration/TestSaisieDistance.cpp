#include "calibration/Conversion.h"
#include "calibration/EtapesEchelle.h"
#include "calibration/SaisieDistance.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

using saisie::lireReel;

TEST(Conversion, MappingAndOrientations) {
    Etalonnage e;
    e.xOrig = 20;
    e.yOrig = 100;
    e.echelle = 0.5L;
    EXPECT_EQ(conversion::pxRelX(e, 120), 100);
    EXPECT_EQ(conversion::pxRelY(e, 40), 60); // above the origin: positive y
    e.sensX = -1;
    e.sensY = -1;
    EXPECT_EQ(conversion::pxRelX(e, 120), -100);
    EXPECT_EQ(conversion::pxRelY(e, 130), 30); // below the origin, y downwards: positive
    EXPECT_EQ(conversion::metresY(e, 130), 15.0L);
}

TEST(Conversion, ScaleFromDistanceIgnoresSignAndRefusesIdenticalPoints) {
    const QPoint p1(10, 10), p2(40, 50); // 50 pixels apart
    EXPECT_NEAR(double(*conversion::echelleDepuisDistance(2, p1, p2)), 0.04, 1e-15);
    EXPECT_EQ(conversion::echelleDepuisDistance(-2, p1, p2),
              conversion::echelleDepuisDistance(2, p1, p2));
    EXPECT_EQ(*conversion::echelleDepuisDistance(0, p1, p2), 0.0L);
    EXPECT_FALSE(conversion::echelleDepuisDistance(2, p1, p1));
    EXPECT_FALSE(conversion::echelleDepuisDistance(INFINITY, p1, p2));
    // Far-apart points with a huge distance: no overflow in the squares.
    const auto e =
        conversion::echelleDepuisDistance(1e300L, QPoint(-2000000000, 0), QPoint(2000000000, 0));
    ASSERT_TRUE(e);
    EXPECT_TRUE(std::isfinite(*e));
}

TEST(SaisieDistance, AcceptedSyntax) {
    const QChar p('.');
    EXPECT_EQ(*lireReel("0.029", p), 0.029L);
    EXPECT_EQ(*lireReel("  -2.9E-2 ", p), -0.029L);
    EXPECT_EQ(*lireReel("+3e+1", p), 30.0L);
    EXPECT_EQ(*lireReel("5.", p), 5.0L);
    EXPECT_EQ(*lireReel(".5", p), 0.5L);
    EXPECT_EQ(*lireReel("0", p), 0.0L);
    EXPECT_EQ(*lireReel("1,5", QChar(',')), 1.5L);
    for (const char* refuse :
         {"",      "   ",   ".",   "-",   "+.",      "2.9E", "2.9E-",    "E2",
          "1.2.3", "1,5",   "NaN", "nan", "inf",     "-inf", "Infinity", "0x10",
          "1 000", "1e2.5", "--1", "١٢",  "2.9E-2x", "1d3"})
        EXPECT_FALSE(lireReel(QString::fromUtf8(refuse), p)) << refuse;
}

TEST(SaisieDistance, AbsurdSizesAreRefused) {
    const QChar p('.');
    EXPECT_FALSE(lireReel("1e99999", p));
    EXPECT_FALSE(lireReel("-1e400", p));   // finite as long double, not as double
    EXPECT_FALSE(lireReel("1e-99999", p)); // would read as a silent zero
    EXPECT_FALSE(lireReel("1.0001e100", p));
    EXPECT_FALSE(lireReel("9e-101", p));
    EXPECT_EQ(*lireReel("0e-99999", p), 0.0L);
    EXPECT_EQ(*lireReel("-0.000", p), 0.0L);
    EXPECT_TRUE(lireReel("1e100", p));
    EXPECT_TRUE(lireReel("-1e-100", p));
    EXPECT_FALSE(lireReel(QString(10000, '9'), p));
    EXPECT_EQ(*lireReel(QString(9999, '0') + "7", p), 7.0L);
    EXPECT_FALSE(lireReel(QString(10000, 'x'), p));
}

TEST(SaisieDistance, SeparatorRepairReplacesOnlyTheFirstAndPlacesTheCaret) {
    auto r = saisie::reparerSeparateur("0.5", QChar(','));
    EXPECT_EQ(r.texte, "0,5");
    EXPECT_EQ(r.curseur, 2);
    r = saisie::reparerSeparateur("1.2.3", QChar(','));
    EXPECT_EQ(r.texte, "1,2.3");
    EXPECT_EQ(r.curseur, 2);
    r = saisie::reparerSeparateur("12,5", QChar('.'));
    EXPECT_EQ(r.texte, "12.5");
    EXPECT_EQ(r.curseur, 3);
    r = saisie::reparerSeparateur("12.5", QChar('.'));
    EXPECT_EQ(r.curseur, -1);

    auto ev = saisie::evaluerDistance("1.2.3", QChar(','), {10, 10}, {40, 50});
    EXPECT_EQ(ev.reparation.texte, "1,2.3");
    EXPECT_FALSE(ev.accepte);
    ev = saisie::evaluerDistance("0.5", QChar(','), {10, 10}, {40, 50});
    EXPECT_TRUE(ev.accepte);
    EXPECT_NEAR(double(ev.echelle), 0.01, 1e-15);
}

TEST(SaisieDistance, BoxTexts) {
    EXPECT_EQ(saisie::texteAvertissement(QChar(',')),
              QString::fromUtf8("Entrez un nombre !\r\rcaractères autorisés :\r"
                                "       0 1 2 3 4 5 6 7 8 9 . , E e\r\rformats possibles :\r"
                                "       - décimal ex : 0,029\r"
                                "       - scientifique ex : 2,9E-2"));
    EXPECT_EQ(saisie::texteIdentiques(),
              QString::fromUtf8("Les points 1 et 2 sont identiques !\r\rLes sensibilités "
                                "précédentes\rvont être rétablies..."));
}

TEST(EtapesEchelle, CodesLeaveOtherLabelsUnchanged) {
    auto a = etapes::etapesEchelle(0);
    EXPECT_FALSE(a.visible);
    for (const auto& e : a.etiquettes)
        EXPECT_EQ(e->couleur, etapes::couleurRepos);
    a = etapes::etapesEchelle(20);
    EXPECT_TRUE(a.visible);
    EXPECT_EQ(a.etiquettes[1]->texte,
              QString::fromUtf8("2 - Cliquez sur le clip pour désigner p2"));
    EXPECT_EQ(a.etiquettes[1]->couleur, etapes::couleurCourante);
    EXPECT_EQ(a.etiquettes[0]->couleur, etapes::couleurAutre);
    a = etapes::etapesEchelle(40);
    EXPECT_FALSE(a.etiquettes[0] || a.etiquettes[1]);
    EXPECT_EQ(a.etiquettes[3]->texte, QString::fromUtf8("4 - Choisissez la couleur\n") +
                                          QString(35, ' ') + "du segment p1p2");
    a = etapes::etapesEchelle(41);
    EXPECT_FALSE(a.etiquettes[2]);
    EXPECT_EQ(a.etiquettes[3]->couleur, etapes::couleurAutre);
    a = etapes::etapesEchelle(7);
    EXPECT_TRUE(a.visible);
    for (const auto& e : a.etiquettes)
        EXPECT_FALSE(e);
}

TEST(SaisieDistance, AnyKeyboardTextFollowsTheSyntaxAndStaysFinite) {
    // Random texts over the characters that matter, checked against the syntax written
    // as a regular expression.
    const QRegularExpression syntaxe(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*$"));
    const QString alphabet = QStringLiteral("0123456789.,Ee+- \tx9");
    QRandomGenerator gen(1234);
    for (int i = 0; i < 20000; ++i) {
        QString t;
        const int n = int(gen.bounded(9));
        for (int j = 0; j < n; ++j)
            t += alphabet[int(gen.bounded(alphabet.size()))];
        const auto v = lireReel(t, QChar('.'));
        if (!syntaxe.match(t).hasMatch()) {
            EXPECT_FALSE(v) << t.toStdString();
        } else if (v) {
            EXPECT_TRUE(std::isfinite(*v));
            EXPECT_NEAR(double(*v), t.trimmed().toDouble(),
                        std::fabs(t.trimmed().toDouble()) * 1e-15)
                << t.toStdString();
        } else {
            // Refused only for an absurd size; a zero here is a non-zero text that underflows.
            const double a = std::fabs(t.trimmed().toDouble());
            const bool nonNul =
                t.section(QRegularExpression("[eE]"), 0, 0).contains(QRegularExpression("[1-9]"));
            EXPECT_TRUE(nonNul && (a > 1e100 || a < 1e-100)) << t.toStdString();
        }
    }
}
