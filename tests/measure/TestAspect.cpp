#include "measure/PointageTest.h"

#include "aides/ReponseModale.h"
#include "dialogs/TaspectPointBox.h"
#include "dialogs/TdlgPointeur.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace pointage;

namespace {

QString couleur(TForm1& f, int k) {
    return f.vue.aspectPoints.cellule(k, 0);
}

} // namespace

TEST(Aspect, QuickColoursForADarkBackgroundWithOnePoint) {
    auto f = avecClip();
    points(*f, 3);
    f->action("mnuFdSb1points")->trigger();
    EXPECT_EQ(f->tableau->nbPoints(), 1);
    EXPECT_EQ(f->vue.aspectPoints.colonnes(), 2);
    EXPECT_EQ(couleur(*f, 1), "65535"); // yellow, red in the low byte
    EXPECT_TRUE(f->action("mnuFdSb1points")->isChecked());
    EXPECT_TRUE(f->action("mnuFondSombre")->isChecked());
    EXPECT_FALSE(f->action("mnuFondClair")->isChecked());
    EXPECT_FALSE(f->acquisition->udPointNumero->isEnabled());
}

TEST(Aspect, QuickColoursForALightBackgroundWithNinePoints) {
    auto f = avecClip();
    f->action("mnuFdSb1points")->trigger();
    f->vue.aspectPoints.setCellule(0, 0, QStringLiteral("123")); // axes untouched
    f->vue.aspectPoints.setCellule(5, 2, QStringLiteral("2"));   // shapes untouched
    f->action("mnuFdCl9points")->trigger();
    EXPECT_EQ(f->tableau->nbPoints(), 9);
    EXPECT_EQ(f->acquisition->udPointNumero->maximum(), 9);
    EXPECT_TRUE(f->acquisition->udPointNumero->isEnabled());
    EXPECT_EQ(couleur(*f, 1), "255");     // red
    EXPECT_EQ(couleur(*f, 8), "8421376"); // teal
    EXPECT_EQ(couleur(*f, 9), "8421376");
    EXPECT_EQ(couleur(*f, 0), "123");
    EXPECT_EQ(f->vue.aspectPoints.cellule(5, 2), "2");
    EXPECT_FALSE(f->action("mnuFdSb1points")->isChecked());
    EXPECT_TRUE(f->action("mnuFondClair")->isChecked());
    EXPECT_FALSE(f->action("mnuFondSombre")->isChecked());
    // The label ends in the colour of point 9.
    EXPECT_EQ(f->acquisition->lblPointNumero->palette().color(QPalette::WindowText),
              QColor(0, 128, 128));
    points(*f, 2); // a change of n by the spinner drops the check marks
    EXPECT_FALSE(f->action("mnuFdCl9points")->isChecked());
    EXPECT_FALSE(f->action("mnuFondClair")->isChecked());
}

TEST(Aspect, PointSizeSpinnerAndMenuFollowEachOther) {
    auto f = avecClip();
    auto* u = f->findChild<QSpinBox*>("udTaillePoints");
    auto* l = f->findChild<QLabel*>("lblTaillePoints");
    f->action("mnuTaille4")->trigger();
    EXPECT_EQ(u->value(), 3);
    EXPECT_EQ(f->vue.taillePoints, 3);
    EXPECT_EQ(l->text(), "4");
    u->setValue(0);
    EXPECT_EQ(f->vue.taillePoints, 0);
    EXPECT_EQ(l->text(), "1");
    EXPECT_TRUE(f->action("mnuTaille1")->isChecked());
    f->acquisition->chkBoxAutoV->click();
    clic(*f, 40, 40);
    EXPECT_FALSE(peint(*f, 41, 40)); // size 1 is the single pixel
}

TEST(Aspect, PointerDialogAndMenus) {
    auto f = avecClip();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 102);
    f->action("mnuCroix")->trigger();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 103);
    EXPECT_EQ(f->vue.formePointeur, 3);
    f->action("mnuCouleurBlanc")->trigger();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 203);
    EXPECT_EQ(f->aspect->couleurReticule(), QColor(Qt::white));

    // "Annuler" keeps the pointer but not the dialog's selections.
    reponse::dialogue([](QWidget* w) {
        auto* d = qobject_cast<TdlgPointeur*>(w);
        ASSERT_NE(d, nullptr);
        d->findChild<QRadioButton*>("rgPtForme_0")->click();
        d->findChild<QRadioButton*>("rgPtCouleur_0")->click();
        d->reject();
    });
    f->findChild<QAbstractButton*>("bbtnCible")->click();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 203);
    EXPECT_EQ(f->dlg.dlgPointeur->indexForme(), 0);
    reponse::dialogue([](QWidget* w) { qobject_cast<TdlgPointeur*>(w)->accept(); });
    f->action("popUpMnuPointeur")->trigger();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 101);
    EXPECT_TRUE(f->action("mnuGrandeCible")->isChecked());
    EXPECT_TRUE(f->action("mnuCouleurNoir")->isChecked());
}

TEST(Aspect, WhiteInCalibrationKeepsTheAxisShape) {
    auto f = avecClip();
    // In calibration the shape choice is off and the image shows the axis pointer.
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbChxOrig")->click();
    ASSERT_FALSE(f->dlg.dlgPointeur->rgPtForme->isEnabled());
    ASSERT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 111);
    f->action("mnuCouleurBlanc")->trigger();
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 211);
    EXPECT_EQ(f->vue.formePointeur, 11);
    EXPECT_EQ(f->vue.couleurPointeur, 2);
    // Back on "Mesures" the shape chosen in the dialog comes back, in white.
    f->PageControl1->setCurrentWidget(f->tsMesures);
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 202);
}

TEST(Aspect, NewClipKeepsTheAppearanceOfAxesAndPointOne) {
    auto f = avecClip();
    f->action("mnuFdCl3points")->trigger();
    f->aspect->chkBoxAxDed->click();
    EXPECT_TRUE(f->clip->ouvrirClip(clipstest::clip("pointage10.avi", {"--frames", "10"})));
    EXPECT_EQ(f->vue.aspectPoints.colonnes(), 2);
    EXPECT_EQ(couleur(*f, 1), "255");
    EXPECT_EQ(f->vue.aspectPoints.cellule(0, 1), "0");
    EXPECT_EQ(f->acquisition->lblPointNumero->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
}
