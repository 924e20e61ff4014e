#include "measure/PointageTest.h"

#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "clip/ControleurNavigation.h"
#include "platform/PeripheriqueMedia.h"

#include <QToolButton>

#include <QMenu>
#include <QScrollBar>

using namespace pointage;

TEST(Acquisition, BothBoxesCarryThePointsOfAnImageThenTheNextImage) {
    auto f = avecClip();
    points(*f, 3);
    ligne(*f, 5);
    f->acquisition->ChgPointNumero(1);
    f->tableau->grille1().setColonne(1);
    clic(*f, 10, 20);
    EXPECT_EQ(f->acquisition->pointCourant(), 2);
    EXPECT_EQ(f->tableau->grille1().colonne(), 3);
    EXPECT_EQ(f->vue.noImage, 4);
    clic(*f, 30, 40);
    clic(*f, 50, 60);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(px(*f, 2 * k - 1, 5), QString::number(20 * k - 10)) << k;
        EXPECT_EQ(px(*f, 2 * k, 5), QString::number(20 * k)) << k;
        EXPECT_FALSE(m(*f, 2 * k, 5).isEmpty());
    }
    EXPECT_EQ(f->vue.noImage, 5);
    EXPECT_EQ(f->acquisition->pointCourant(), 1);
    EXPECT_EQ(f->tableau->grille1().ligne(), 6);
    EXPECT_EQ(f->tableau->grille1().colonne(), 1);
    EXPECT_EQ(f->tableau->grille0().ligne(), 6);
    EXPECT_EQ(f->tableau->grille0().colonne(), 1);
    // The points just recorded show on the next image, where they mark the way.
    EXPECT_TRUE(peint(*f, 30, 40));
}

TEST(Acquisition, OnlyVerticalFollowsOnePointThroughTheImages) {
    auto f = avecClip();
    points(*f, 3);
    f->acquisition->chkBoxAutoH->click();
    EXPECT_FALSE(f->action("AutoH")->isChecked());
    f->acquisition->udPointNumero->stepBy(-1); // from point 3, the user picks point 2
    EXPECT_EQ(f->tableau->grille1().colonne(), 3);
    ligne(*f, 2);
    clic(*f, 11, 12);
    clic(*f, 13, 14);
    EXPECT_EQ(px(*f, 3, 2), "11");
    EXPECT_EQ(px(*f, 3, 3), "13");
    EXPECT_TRUE(px(*f, 1, 2).isEmpty());
    EXPECT_EQ(f->vue.noImage, 3);
    EXPECT_EQ(f->acquisition->pointCourant(), 2);
    EXPECT_EQ(f->tableau->grille1().colonne(), 3);
}

TEST(Acquisition, OnTheLastImageTheLastPointIsRecordedAndNothingMoves) {
    auto f = avecClip(6);
    points(*f, 2);
    ligne(*f, 6);
    f->acquisition->ChgPointNumero(2);
    f->tableau->grille1().setColonne(3);
    clic(*f, 7, 8);
    EXPECT_EQ(px(*f, 3, 6), "7");
    EXPECT_EQ(f->vue.noImage, 5);
    EXPECT_EQ(f->acquisition->pointCourant(), 2);
    EXPECT_EQ(f->tableau->grille1().ligne(), 6);
    EXPECT_TRUE(peint(*f, 7, 8));
}

TEST(Acquisition, WithOnePointEveryClickGoesToTheNextImage) {
    auto f = avecClip();
    EXPECT_FALSE(f->acquisition->chkBoxAutoH->isEnabled());
    EXPECT_TRUE(f->acquisition->chkBoxAutoH->isChecked());
    EXPECT_TRUE(f->acquisition->chkBoxAutoV->isEnabled());
    for (int i = 0; i < 3; ++i)
        clic(*f, 100 + i, 50);
    EXPECT_EQ(px(*f, 1, 1), "100");
    EXPECT_EQ(px(*f, 1, 3), "102");
    EXPECT_EQ(f->vue.noImage, 3);
    EXPECT_EQ(f->tableau->grille1().ligne(), 4);
}

TEST(Acquisition, ClickingARecordedPointAgainReplacesItAndItsOldMark) {
    auto f = avecClip();
    f->acquisition->chkBoxAutoV->click(); // neither box: nothing moves
    ligne(*f, 3);
    clic(*f, 40, 40);
    EXPECT_TRUE(peint(*f, 40, 40));
    clic(*f, 90, 60);
    EXPECT_EQ(px(*f, 1, 3), "90");
    EXPECT_EQ(px(*f, 2, 3), "60");
    EXPECT_FALSE(peint(*f, 40, 40));
    EXPECT_TRUE(peint(*f, 90, 60));
    EXPECT_EQ(f->vue.noImage, 2);
}

TEST(Acquisition, MetresFollowTheCalibrationAndTheAxisDirection) {
    auto f = avecClip();
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.sensX = -1;
        c.xOrig = 200;
        c.yOrig = 100;
        c.echelle = 0.01L;
    });
    clic(*f, 150, 130);
    EXPECT_EQ(px(*f, 1, 1), "150");
    EXPECT_EQ(m(*f, 1, 1), formatReel(2, 50 * 0.01L));
    EXPECT_EQ(m(*f, 2, 1), formatReel(2, -30 * 0.01L));
    EXPECT_TRUE(m(*f, 0, 1) == QStringLiteral("0.000") || m(*f, 0, 1) == QStringLiteral("0,000"));
}

TEST(Acquisition, ClicksOutsideTheImageOrWithoutAClipRecordNothing) {
    {
        auto f = demarrer();
        clic(*f, 5, 5);
        clic(*f, 5, 5, Qt::RightButton);
        EXPECT_EQ(f->tableau->grille0().lignes(), 0);
    }
    auto f = avecClip();
    const int l = f->vue.largeurAff, h = f->vue.hauteurAff;
    f->PaintBox1->resize(l + 20, h + 20); // a surface larger than the image
    clic(*f, l, 5);
    clic(*f, 5, h);
    clic(*f, 5, 5, Qt::MiddleButton);
    EXPECT_TRUE(px(*f, 1, 1).isEmpty());
    EXPECT_EQ(f->vue.noImage, 0);
    // The right button only looks for points and offers the pop-up menu.
    clic(*f, 5, 5, Qt::RightButton);
    EXPECT_TRUE(px(*f, 1, 1).isEmpty());
    auto* menu = f->findChild<QMenu*>("PopupMenu1");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST(Acquisition, RightClickFindsThePointsRecordedAtThatPixel) {
    auto f = avecClip();
    clic(*f, 25, 35);
    clic(*f, 25, 35);
    clic(*f, 25, 35, Qt::RightButton);
    EXPECT_TRUE(f->action("popUpMenuAtteindre")->isEnabled());
    f->findChild<QMenu*>("PopupMenu1")->hide();
    clic(*f, 26, 35, Qt::RightButton);
    EXPECT_FALSE(f->action("popUpMenuAtteindre")->isEnabled());
    f->findChild<QMenu*>("PopupMenu1")->hide();
}

TEST(Acquisition, AClickDuringPlaybackRecordsOnTheImageWherePlaybackStarted) {
    auto f = avecClip(30);
    ligne(*f, 3);
    f->navigation->bbtnPlay->click();
    clic(*f, 15, 16);
    EXPECT_EQ(px(*f, 1, 3), "15");
    QTest::qWait(100);
    // The click's positioning has ended the playback; nothing else was written.
    EXPECT_NE(f->MediaPlayer1->mode(), PeripheriqueMedia::Mode::Lecture);
    int remplies = 0;
    for (int r = 1; r <= 30; ++r)
        remplies += !px(*f, 1, r).isEmpty();
    EXPECT_EQ(remplies, 1);
}

TEST(Acquisition, TheTableFollowsTheCurrentCell) {
    auto f = avecClip(40);
    f->resize(700, 400);
    f->show();
    points(*f, 9);
    GrilleMesures& v = f->tableau->grille1();
    ligne(*f, 1);
    f->acquisition->ChgPointNumero(1);
    v.setColonne(1);
    for (int k = 1; k <= 8; ++k)
        clic(*f, 10 * k, 10);
    // Point 9 of image 1: its column is in sight, on the right.
    EXPECT_GE(v.columnAt(v.viewport()->width() - 1), 16);
    clic(*f, 90, 10);
    // Point 1 of image 2: back to the first column.
    EXPECT_EQ(v.colonne(), 1);
    EXPECT_EQ(v.columnAt(0), 0);
    for (int r = 2; r < 40; ++r) {
        for (int k = 1; k <= 9; ++k)
            clic(*f, 10 * k, r);
    }
    EXPECT_EQ(v.ligne(), 40);
    EXPECT_TRUE(v.viewport()->rect().contains(v.visualRect(v.model()->index(39, 0)).center()));
    EXPECT_GT(v.verticalScrollBar()->value(), 0);
}

TEST(Acquisition, TheRightButtonSearchesInEveryMode) {
    auto f = avecClip();
    clic(*f, 25, 35);
    const int xo = f->seance->etalonnage().xOrig, yo = f->seance->etalonnage().yOrig;
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    for (const char* mode : {"rbChxOrig", "rbEtalonSimu"}) {
        f->findChild<QAbstractButton*>(mode)->click();
        const QPoint p1 = f->seance->etalonnage().p1;
        clic(*f, 25, 35, Qt::RightButton);
        EXPECT_TRUE(f->action("popUpMenuAtteindre")->isEnabled()) << mode;
        f->findChild<QMenu*>("PopupMenu1")->hide();
        EXPECT_EQ(f->seance->etalonnage().xOrig, xo);
        EXPECT_EQ(f->seance->etalonnage().yOrig, yo);
        EXPECT_EQ(f->seance->etalonnage().p1, p1);
    }
    EXPECT_EQ(px(*f, 1, 2), "");
}
