#include "aides/ReponseModale.h"
#include "calibration/ControleurEtalonnage.h"
#include "measure/Nbreels.h"
#include "measure/SessionTableau.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>
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
        const EtatSession& e = s.f->etat;
        for (int r = 1; r <= 5; ++r) {
            const long double x = (10 + r - e.xOrig) * e.sensX * e.echelle;
            const long double y = (e.yOrig - (50 - r)) * e.sensY * e.echelle;
            EXPECT_EQ(s.g1.cellule(1, r), formatReel(e.chiffresXY - 1, x)) << r;
            EXPECT_EQ(s.g1.cellule(2, r), formatReel(e.chiffresXY - 1, y)) << r;
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

    // A distance of zero: every coordinate is 0, and no box.
    c.o.edSi->setText("0");
    c.edSiExit();
    verifierMetres();
    EXPECT_EQ(s.g1.cellule(1, 3), " 0.00E+0");
}
