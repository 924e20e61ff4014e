#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurLoupe.h"
#include "clip/ZonePointage.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TForm1> fenetreAvecClip() {
    auto f = demarrer();
    f->resize(900, 650);
    f->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    const QString chemin = clipstest::clip("loupe.avi", {"--size", "320x240", "--frames", "4"});
    EXPECT_TRUE(f->clip->ouvrirClip(chemin));
    QTest::qWait(60);
    return f;
}

QPoint coinPnl1(TForm1& f) {
    return f.pnl1->mapTo(&f, QPoint(0, 0));
}

// The mouse moving, no button held, over a widget.
void survoler(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void bouger(TForm1& f, int x, int y) {
    survoler(f.PaintBox1, QPoint(x, y));
}

} // namespace

TEST(Loupe, FirstShowingGoesTopRightWithABluePictureThenFollowsTheTimer) {
    auto f = fenetreAvecClip();
    EXPECT_FALSE(f->loupePnl->isVisible());
    EXPECT_TRUE(f->controle<QToolButton>("loupeBtn")->isEnabled());
    EXPECT_TRUE(f->loupe->Timer3->isActive());
    EXPECT_EQ(f->loupe->Timer3->interval(), 500);
    f->controle<QToolButton>("loupeBtn")->click();
    ASSERT_TRUE(f->loupePnl->isVisible());
    EXPECT_TRUE(f->action("LoupePopupMnu")->isChecked());
    EXPECT_EQ(f->loupePnl->size(), QSize(135, 135));
    const int separateur = f->Splitter1->handle(1)->mapTo(f.get(), QPoint(0, 0)).x();
    EXPECT_EQ(f->loupePnl->pos(),
              QPoint(separateur - 135 - 6, coinPnl1(*f).y() + f->tbCoord->height() + 6));
    const QImage bleu = f->loupePnl->grab().toImage();
    EXPECT_EQ(bleu.pixelColor(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(bleu.pixelColor(128, 128), QColor(0, 0, 255));
    EXPECT_EQ(bleu.pixelColor(2, 60), QColor(0, 255, 255)); // the aqua frame

    f->vue.xSouris = 100;
    f->vue.ySouris = 100;
    f->loupe->Timer3Timer();
    EXPECT_NE(f->loupePnl->grab().toImage().pixelColor(10, 10), QColor(0, 0, 255));

    // The pop-up entry hides it again.
    f->action("LoupePopupMnu")->trigger();
    EXPECT_FALSE(f->loupePnl->isVisible());
    EXPECT_FALSE(f->action("LoupePopupMnu")->isChecked());
}

TEST(Loupe, PictureShowsThePixelsAroundTheMouseMarksIncluded) {
    auto f = fenetreAvecClip();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(150, 100)); // a recorded point
    QTest::qWait(60);
    f->controle<QToolButton>("loupeBtn")->click();
    bouger(*f, 150, 100);
    QTest::qWait(10);

    // What the user sees of the image and of the magnifier.
    const QImage ecran = f->pnl1AVI->grab(QRect(4, 4, 320, 240)).toImage();
    const QImage loupe = f->loupePnl->grab().toImage();
    int marques = 0;
    for (int j = -20; j <= 20; ++j)
        for (int i = -20; i <= 20; ++i) {
            const QRgb attendu = ecran.pixel(150 + i, 100 + j);
            if (attendu != f->MediaPlayer1->imageAffichee().pixel(150 + i, 100 + j)) ++marques;
            for (int k = 0; k < 9; ++k) {
                const int px = 6 + (i + 20) * 3 + k % 3, py = 6 + (j + 20) * 3 + k / 3;
                if (px == 67 || py == 67) continue;                   // under the crosshair
                if (QRect(118, 2, 15, 15).contains(px, py)) continue; // under the hide button
                ASSERT_EQ(loupe.pixel(px, py), attendu) << i << "," << j;
            }
        }
    EXPECT_GT(marques, 0); // the point's mark is in the square
    EXPECT_EQ(loupe.pixelColor(67, 20), QColor(Qt::black));
    EXPECT_EQ(loupe.pixelColor(20, 67), QColor(Qt::black));

    // The white pointer turns the crosshair white.
    f->action("mnuCouleurBlanc")->trigger();
    const QImage blanche = f->loupePnl->grab().toImage();
    EXPECT_EQ(blanche.pixelColor(67, 20), QColor(Qt::white));
    EXPECT_EQ(blanche.pixelColor(20, 67), QColor(Qt::white));

    // At the top-left pixel, the upper-left part shows what lies around the image.
    bouger(*f, 0, 0);
    const QImage coin = f->loupePnl->grab().toImage();
    EXPECT_EQ(coin.pixelColor(10, 10), f->pnl1AVI->palette().color(QPalette::Window));
    EXPECT_EQ(coin.pixel(6 + 61, 6 + 62), ecran.pixel(0, 0));
}

TEST(Loupe, DraggedByItsFrameAndShownAgainInTheNearestCorner) {
    auto f = fenetreAvecClip();
    f->controle<QToolButton>("loupeBtn")->click();
    QWidget* p = f->loupePnl;
    const QPoint cadre(2, 60);
    survoler(p, cadre);
    EXPECT_EQ(RegistreCurseurs::idDe(p), 50);
    // The picture keeps the arrow and never starts a drag.
    QWidget* image = p->findChild<QWidget*>("loupeImg");
    const QPoint avant = p->pos();
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(image, QPoint(10, 90));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(10, 90));
    EXPECT_EQ(p->pos(), avant);
    EXPECT_EQ(image->cursor().shape(), Qt::ArrowCursor);

    // Dragged by the frame into the lower-left quarter of the clip side.
    const QPoint bas = coinPnl1(*f) + QPoint(40, f->pnl1->height() - 200);
    QTest::mousePress(p, Qt::LeftButton, {}, cadre);
    EXPECT_EQ(RegistreCurseurs::idDe(p), 51);
    QMouseEvent deplace(QEvent::MouseMove, QPointF(cadre),
                        p->mapToGlobal(QPointF(cadre)) + QPointF(bas - avant), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(p, &deplace);
    EXPECT_EQ(p->pos(), bas);
    QTest::mouseRelease(p, Qt::LeftButton, {}, cadre);
    EXPECT_EQ(f->vue.xLoupe, bas.x() + 67 - coinPnl1(*f).x());
    EXPECT_EQ(f->vue.yLoupe, bas.y() + 67 - coinPnl1(*f).y());

    // Hidden by its own button, shown again: bottom-left corner above the navigation bar.
    p->findChild<QToolButton*>("BitBtn2")->click();
    EXPECT_FALSE(p->isVisible());
    f->controle<QToolButton>("loupeBtn")->click();
    EXPECT_EQ(p->pos(), QPoint(coinPnl1(*f).x() + 6, coinPnl1(*f).y() + f->pnl1->height() -
                                                         f->ToolBar2->height() - 135 - 6));
    // Its context menu holds "Cacher la loupe".
    auto* menu = f->findChild<QMenu*>("PopupMenu2");
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Cacher la loupe");
    menu->actions()[0]->trigger();
    EXPECT_FALSE(p->isVisible());
}
