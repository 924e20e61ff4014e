#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ControleurClip.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "platform/RegistreCurseurs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

// The whole chain on a real clip: opening, the calibration tab, clicks and moves over the
// image, and the return to measuring.
TEST(EtalonnageClip, FromOpeningToMeasuringWithACalibration) {
    QLocale::setDefault(QLocale(QLocale::C));
    const QString chemin = clipstest::clip("etalon160.avi", {"--size", "160x120", "--frames", "5"});
    ASSERT_FALSE(chemin.isEmpty());
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ASSERT_TRUE(f->clip->ouvrirClip(chemin));
    auto& o = f->etalonnage->o;
    ZonePointage* image = f->PaintBox1;
    auto curseur = [&] { return RegistreCurseurs::idDe(image); };

    EXPECT_EQ(f->seance->etalonnage().yOrig, 119);
    EXPECT_EQ(o.edSi->text(), " 1.41E+0");
    QTest::mouseMove(image, QPoint(100, 119));
    EXPECT_EQ(o.lblXPixels->text(), "pX= 100");
    EXPECT_EQ(o.lblXMetres->text(), "x=  1.00E+2");
    EXPECT_EQ(curseur(), 102);

    // Showing the tab alone keeps measuring; the radio buttons choose the mode.
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    EXPECT_FALSE(f->etalonnage->modeOrigine() || f->etalonnage->modeEchelle());
    QTest::mouseClick(o.rbChxOrig, Qt::LeftButton);
    EXPECT_EQ(curseur(), 111);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(20, 100));
    EXPECT_EQ(f->seance->etalonnage().xOrig, 20);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 100);

    QTest::mouseClick(o.rbEtalonSimu, Qt::LeftButton);
    EXPECT_EQ(curseur(), 141);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(o.chkBoxPt2, Qt::LeftButton);
    EXPECT_EQ(curseur(), 142);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(10, 10));
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(40, 50));
    o.edSi->selectAll();
    QTest::keyClicks(o.edSi, "2");
    EXPECT_EQ(o.lblSHori->text(), " 4.00E-2 m / pxl");
    // No point was recorded by the calibration clicks, and the redraw of each click shows
    // the segment between the new points.
    EXPECT_TRUE(f->tableau->grille0().cellule(1, 1).isEmpty());
    EXPECT_EQ(image->calque.pixelColor(25, 30), QColor(0, 128, 0));
    EXPECT_EQ(image->calque.pixelColor(14, 10), QColor(Qt::red));
    EXPECT_EQ(image->calque.pixelColor(40, 46), QColor(Qt::blue));

    // Back to "Mesures": both modes end, the measuring pointer returns, and clicks are no
    // longer calibration.
    f->PageControl1->setCurrentWidget(f->tsMesures);
    EXPECT_FALSE(o.rbChxOrig->isChecked() || o.rbEtalonSimu->isChecked());
    EXPECT_FALSE(f->vue.segmentEchelleVisible);
    EXPECT_EQ(curseur(), 102);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(45, 75));
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "45");
    EXPECT_EQ(f->tableau->grille1().cellule(1, 1), " 1.00E+0"); // 25 pixels right of x = 20
    EXPECT_EQ(f->tableau->grille1().cellule(2, 1), " 1.00E+0"); // 25 pixels above y = 100
    EXPECT_EQ(f->seance->etalonnage().xOrig, 20);
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(10, 10));
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(40, 50));
    QTest::mouseMove(image, QPoint(45, 75));
    EXPECT_EQ(o.lblXMetres->text(), "x=  1.00E+0"); // 25 pixels right of the origin
    EXPECT_EQ(o.lblYMetres->text(), "y=  1.00E+0"); // 25 pixels above it
}
