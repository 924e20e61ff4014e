#include "measure/PointageTest.h"

#include "aides/ReponseModale.h"
#include "clip/ControleurNavigation.h"

#include <QMenu>

using namespace pointage;

TEST(Acquisition, BoxesAndMenuEntriesStayInStepBothWays) {
    auto f = avecClip();
    points(*f, 2);
    QAction* h = f->action("AutoH");
    QAction* v = f->action("AutoV");
    f->action("mnuAutoV")->trigger();
    EXPECT_FALSE(v->isChecked());
    EXPECT_FALSE(f->acquisition->chkBoxAutoV->isChecked());
    f->acquisition->AutoHExecute();
    EXPECT_FALSE(f->acquisition->chkBoxAutoH->isChecked());
    f->acquisition->chkBoxAutoH->click();
    EXPECT_TRUE(h->isChecked());
    EXPECT_TRUE(f->action("mnuAutoH")->isChecked());
    f->acquisition->chkBoxAutoV->click();
    EXPECT_TRUE(v->isChecked());
}

TEST(Acquisition, ThePointSpinnerShowsThePointsColourAndDrawnFlag) {
    auto f = avecClip();
    points(*f, 2);
    f->vue.aspectPoints.setCellule(1, 0, QStringLiteral("255"));
    f->vue.aspectPoints.setCellule(1, 1, QStringLiteral("0"));
    f->acquisition->ChgPointNumero(1);
    EXPECT_EQ(f->acquisition->lblPointNumero->text(), "1");
    EXPECT_EQ(f->acquisition->lblPointNumero->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_FALSE(f->aspect->chkBoxPtDed->isChecked());
    EXPECT_EQ(f->tableau->grille1().colonne(), 3); // ChgPointNumero leaves the column
    f->acquisition->udPointNumero->stepBy(1);
    EXPECT_EQ(f->acquisition->lblPointNumero->text(), "2");
    EXPECT_TRUE(f->aspect->chkBoxPtDed->isChecked());
}
