#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurTaille.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "platform/PeripheriqueMedia.h"

#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

// A clip filmed with a phone held upright, as the user meets it in the window.
TEST(ClipDebout, PortraitPhoneClipOpensUprightFittedAndIsPointedWhole) {
    // Stored lying at 1920 × 1080, with a display matrix that turns it a quarter clockwise.
    const QString chemin =
        clipstest::clip("telephone-debout.mov", {"--codec", "hevc", "--size", "1920x1080",
                                                 "--frames", "3", "--rotation", "90"});
    ASSERT_FALSE(chemin.isEmpty());
    auto f = demarrer();
    f->resize(1366, 768);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ASSERT_TRUE(f->clip->ouvrirClip(chemin));
    QTest::qWait(60); // the 40 ms redraw of the resized surface

    f->clip->RAZProClip(); // as when the open dialog closes
    EXPECT_EQ(f->controle<QLabel>("lblDimL")->text(), "Largeur : 1080 pixels");
    EXPECT_EQ(f->controle<QLabel>("lblDimH")->text(), "Hauteur : 1920 pixels");
    const EtatVue& e = f->vue;
    const int p = e.taillePc;
    EXPECT_LT(p, 100);
    EXPECT_EQ(p, f->taille->pcAdapte());
    EXPECT_EQ(e.largeurAff, qRound(1080 * p / 100.0));
    EXPECT_EQ(e.hauteurAff, qRound(1920 * p / 100.0));
    EXPECT_GT(e.hauteurAff, e.largeurAff);
    EXPECT_EQ(f->MediaPlayer1->imageAffichee().size(), QSize(e.largeurAff, e.hauteurAff));
    EXPECT_TRUE(f->ScrollBox1->viewport()->rect().contains(f->pnl1AVI->geometry()));
    // Upright: the index band along the top of the picture reads back.
    EXPECT_EQ(clipstest::indexAffiche(f->MediaPlayer1->ecranVideo(),
                                      f->MediaPlayer1->ecranVideo()->rect()),
              0);

    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(e.largeurAff - 1, e.hauteurAff - 1));
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), QString::number(e.largeurAff - 1));
    EXPECT_EQ(f->tableau->grille0().cellule(2, 1), QString::number(e.hauteurAff - 1));
}
