#include "measure/PointageTest.h"

#include "aides/ReponseModale.h"
#include "dialogs/TaspectPointBox.h"
#include "dialogs/TdlgPointeur.h"
#include "model/Seance.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QColorDialog>
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

void choisirCouleur(const QColor& c) {
    reponse::dialogue([c](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->setCurrentColor(c);
        d->accept();
    });
}

} // namespace

TEST(Aspect, AnUndrawnPointDisappearsFromEveryImageButKeepsItsCells) {
    auto f = avecClip();
    clic(*f, 30, 30);
    clic(*f, 60, 30);
    EXPECT_TRUE(peint(*f, 30, 30));
    f->aspect->chkBoxPtDed->click();
    EXPECT_EQ(f->vue.aspectPoints.cellule(1, 1), "0");
    EXPECT_FALSE(peint(*f, 30, 30));
    EXPECT_FALSE(peint(*f, 60, 30));
    EXPECT_EQ(px(*f, 1, 1), "30");
    // A new click still shows its mark at once; the flag counts at the next full redraw.
    clic(*f, 90, 30);
    EXPECT_TRUE(peint(*f, 90, 30));
}

TEST(Aspect, AxesFlagAndColour) {
    auto f = avecClip();
    const int yo = f->seance->etalonnage().yOrig;
    f->aspect->Drawpoints();
    EXPECT_EQ(f->PaintBox1->calque.pixel(50, yo), qRgb(255, 255, 255));
    choisirCouleur(QColor(0, 0, 255));
    f->aspect->bbtnCouleurAxes->click();
    EXPECT_EQ(couleur(*f, 0), QString::number(0xff0000));
    EXPECT_EQ(f->PaintBox1->calque.pixel(50, yo), qRgb(0, 0, 255));
    // Cancelling keeps the colour and still redraws.
    reponse::dialogue([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    f->PaintBox1->calque.fill(Qt::transparent);
    f->aspect->CouleurAxesExecute();
    EXPECT_EQ(couleur(*f, 0), QString::number(0xff0000));
    EXPECT_EQ(f->PaintBox1->calque.pixel(50, yo), qRgb(0, 0, 255));
    f->aspect->chkBoxAxDed->click();
    EXPECT_EQ(f->vue.aspectPoints.cellule(0, 1), "0");
    EXPECT_FALSE(peint(*f, 50, yo));
}

TEST(Aspect, PointDialogSetsColourAndShapeOrChangesNothing) {
    auto f = avecClip();
    f->acquisition->chkBoxAutoV->click();
    clic(*f, 50, 50);
    reponse::dialogue([&](QWidget* w) {
        auto* d = qobject_cast<TaspectPointBox*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Aspect du point");
        choisirCouleur(QColor(255, 0, 255));
        d->btnCouleur->click();
        d->findChild<QRadioButton*>("rgForme_1")->click();
        d->accept();
    });
    f->action("mnuAspectPoints")->trigger();
    EXPECT_EQ(couleur(*f, 1), QString::number(0xff00ff));
    EXPECT_EQ(f->vue.aspectPoints.cellule(1, 2), "1");
    EXPECT_EQ(f->PaintBox1->calque.pixel(49, 49), qRgb(255, 0, 255)); // square corner
    EXPECT_EQ(f->acquisition->lblPointNumero->palette().color(QPalette::WindowText),
              QColor(255, 0, 255));

    reponse::dialogue([&](QWidget* w) {
        auto* d = qobject_cast<TaspectPointBox*>(w);
        choisirCouleur(QColor(0, 255, 0));
        d->btnCouleur->click();
        d->findChild<QRadioButton*>("rgForme_2")->click();
        d->reject();
    });
    f->aspect->bbtnCouleurPoint->click();
    EXPECT_EQ(couleur(*f, 1), QString::number(0xff00ff));
    EXPECT_EQ(f->vue.aspectPoints.cellule(1, 2), "1");
}
