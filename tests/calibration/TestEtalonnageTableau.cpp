#include "aides/ReponseModale.h"
#include "calibration/ControleurEtalonnage.h"
#include "measure/Nbreels.h"
#include "measure/SessionTableau.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Five images with point 1 recorded on each, then calibrated afterwards.
struct EtalonnageApresPointage : ::testing::Test {
    SessionTableau s{5};
    ControleurEtalonnage& c = *s.f->etalonnage;
    std::vector<QString> pixels;

    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::C));
        s.f->setTemoinClip([] { return true; });
        c.activerChoix(true);
        s.remplir(1); // row r: (10 + r, 50 - r)
        pixels = instantane();
    }
    std::vector<QString> instantane() const {
        std::vector<QString> v;
        for (int r = 0; r < s.g0.lignes(); ++r)
            for (int col = 0; col < s.g0.colonnes(); ++col)
                v.push_back(s.g0.cellule(col, r));
        return v;
    }
    // Every metre cell against the mapping of the session's present calibration.
    void verifierMetres() const {
        const Etalonnage& e = s.f->seance->etalonnage();
        const int chiffres = s.f->seance->chiffresXY();
        for (int r = 1; r <= 5; ++r) {
            const long double x = (10 + r - e.xOrig) * e.sensX * e.echelle;
            const long double y = (e.yOrig - (50 - r)) * e.sensY * e.echelle;
            EXPECT_EQ(s.g1.cellule(1, r), formatReel(chiffres - 1, x)) << r;
            EXPECT_EQ(s.g1.cellule(2, r), formatReel(chiffres - 1, y)) << r;
        }
        EXPECT_EQ(instantane(), pixels);
    }
};

} // namespace

TEST_F(EtalonnageApresPointage, OriginAndOrientationRecomputeTheMetres) {
    EXPECT_EQ(s.g1.cellule(1, 1), " 1.10E+1");
    c.o.rbChxOrig->click();
    c.o.tbOri[3]->click();
    verifierMetres();
    EXPECT_EQ(s.g1.cellule(1, 1), "-1.10E+1");
    c.clicOrigine(20, 30);
    verifierMetres();
    EXPECT_EQ(s.g1.cellule(2, 2), " 1.80E+1"); // y downwards: 48 is 18 below the origin
}

TEST_F(EtalonnageApresPointage, ScaleRecomputesTheMetresWhenTheBoxIsLeftOrAPointClicked) {
    c.o.rbEtalonSimu->click();
    c.clicEchelle(10, 10);
    c.o.chkBoxPt2->click();
    c.clicEchelle(40, 50);
    verifierMetres(); // each point click already rescaled with the distance shown
    const QString avant = s.g1.cellule(1, 1);
    c.o.edSi->setText("2");
    EXPECT_EQ(s.g1.cellule(1, 1), avant); // typing alone does not touch the table
    c.edSiExit();
    verifierMetres();
    EXPECT_EQ(s.g1.cellule(1, 1), " 4.40E-1");

    c.o.edSi->setText("4");
    c.clicEchelle(40, 90); // |p1p2| = sqrt(900 + 6400)
    verifierMetres();

    // A distance of zero is refused when the box is left: the scale of before the edit
    // comes back, and the table is recomputed with it.
    const long double avantZero = s.f->seance->etalonnage().echelle;
    c.o.edSi->setText("0");
    c.edSiExit();
    EXPECT_EQ(s.f->seance->etalonnage().echelle, avantZero);
    verifierMetres();
}

// Typed as a user does: "0,25" passes through "0" quietly, but a zero left in the box, by
// Enter or by the focus moving on, turns it red and gives back the scale of before the edit.
TEST_F(EtalonnageApresPointage, AZeroDistanceLeftInTheBoxKeepsTheScaleOfBeforeTheEdit) {
    s.f->show();
    s.f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.f.get()));
    s.f->PageControl1->setCurrentWidget(s.f->tsEtalon);
    c.o.rbEtalonSimu->click();
    auto saisir = [&](const QString& texte) {
        c.o.edSi->setFocus();
        QTest::qWait(20);
        c.o.edSi->selectAll();
        QTest::keyClicks(c.o.edSi, texte);
    };
    saisir("0.25"); // no box on the way through "0"
    QTest::keyClick(c.o.edSi, Qt::Key_Return);
    const long double bonne = s.f->seance->etalonnage().echelle;
    EXPECT_NEAR(double(bonne), 0.25 / std::sqrt(2.0), 1e-12);
    verifierMetres();
    const QString rouge = QColor(255, 0, 0).name();
    auto fond = [&] { return c.o.edSi->palette().color(QPalette::Base).name(); };

    saisir("0");
    QTest::keyClick(c.o.edSi, Qt::Key_Return);
    EXPECT_EQ(fond(), rouge);
    EXPECT_EQ(s.f->seance->etalonnage().echelle, bonne);
    EXPECT_EQ(c.o.lblSHori->text(), formatReel(2, bonne) + " m / pxl");
    verifierMetres();

    saisir("0.00");
    s.f->findChild<QWidget*>("StringGrid1")->setFocus(); // leaving the box
    QTest::qWait(20);
    EXPECT_EQ(fond(), rouge);
    EXPECT_EQ(s.f->seance->etalonnage().echelle, bonne);
    verifierMetres();

    // Left once more unchanged, the box takes back the last good distance.
    c.o.edSi->setFocus();
    QTest::qWait(20);
    s.f->findChild<QWidget*>("StringGrid1")->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(c.o.edSi->text(), " 2.50E-1");
    EXPECT_EQ(fond(), QColor(0, 255, 0).name());
    EXPECT_EQ(s.f->seance->etalonnage().echelle, bonne);

    saisir("3");
    c.o.edSi->setText("-3"); // a negative distance keeps its meaning
    QTest::keyClick(c.o.edSi, Qt::Key_Return);
    EXPECT_NEAR(double(s.f->seance->etalonnage().echelle), 3 / std::sqrt(2.0), 1e-12);
    verifierMetres();
}
