#include "clip/GeometrieLoupe.h"
#include "clip/TailleAffichage.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

using namespace tailleAffichage;

TEST(TailleAffichage, FitTakesTheSmallerRatioRoundedHalvesToEvenWithinTheSpinnerRange) {
    // 100 x the smaller of 480 / 240 and 800 / 320.
    EXPECT_EQ(pcAdapte({809, 489}, {320, 240}), 200);
    // A 1080p clip in a laptop's display area: the width decides.
    EXPECT_EQ(pcAdapte({900, 620}, {1920, 1080}), 46); // 891/1920 = 46.4 %, 611/1080 = 56.6 %
    // Halves to even: 32/256 = 12.5 % -> 12, 96/256 = 37.5 % -> 38.
    EXPECT_EQ(pcAdapte({2000, 41}, {1000, 256}), 12);
    EXPECT_EQ(pcAdapte({2000, 105}, {1000, 256}), 38);
    // 893/1920 = 46.51 % rounds to 47 %, where the panel (902 + 8) would not fit in 902.
    EXPECT_EQ(pcAdapte({902, 637}, {1920, 1080}), 46);
    // On a tie the vertical ratio is taken (the same value).
    EXPECT_EQ(pcAdapte({329, 249}, {320, 240}), 100);
    // The spinner's bounds: a tiny clip stops at 400 %, a huge one at 10 %.
    EXPECT_EQ(pcAdapte({809, 489}, {16, 16}), 400);
    EXPECT_EQ(pcAdapte({109, 109}, {4000, 4000}), 10);
    // A clip without size is left at 100 %.
    EXPECT_EQ(pcAdapte({809, 489}, {0, 0}), 100);
}

TEST(TailleAffichage, DisplayedSizeRoundsEachSideHalvesToEven) {
    EXPECT_EQ(tailleAffichee({320, 240}, 50), QSize(160, 120));
    EXPECT_EQ(tailleAffichee({320, 240}, 200), QSize(640, 480));
    EXPECT_EQ(tailleAffichee({321, 243}, 50), QSize(160, 122)); // 160.5 -> 160, 121.5 -> 122
    EXPECT_EQ(tailleAffichee({1920, 1080}, 10), QSize(192, 108));
    EXPECT_EQ(tailleAffichee({3, 3}, 10), QSize(1, 1)); // never empty
    EXPECT_EQ(borner(5), 10);
    EXPECT_EQ(borner(401), 400);
    EXPECT_EQ(borner(37), 37);
}

TEST(TailleAffichage, HeldSpinnerIncrementGrowsToTwentyAndStays) {
    std::vector<int> pas{1};
    for (int i = 0; i < 6; ++i)
        pas.push_back(incrementSuivant(pas.back()));
    EXPECT_EQ(pas, (std::vector<int>{1, 6, 11, 16, 20, 20, 20}));
}

namespace {

// An image whose every pixel has its own colour: red = x, green = y.
QImage mire(int l, int h) {
    QImage im(l, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x)
            im.setPixel(x, y, qRgb(x, y, 7));
    return im;
}

} // namespace

TEST(GeometrieLoupe, PictureIsTheSquareAroundThePixelInThreeByThreeBlocks) {
    using namespace geometrieLoupe;
    const QImage video = mire(200, 150);
    QImage calque(200, 150, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    calque.setPixel(52, 41, qRgb(255, 0, 255)); // a mark drawn over the video
    const QImage im = agrandir(video, calque, 50, 40, qRgb(255, 255, 255));
    ASSERT_EQ(im.size(), QSize(123, 123));
    for (int j = -20; j <= 20; ++j)
        for (int i = -20; i <= 20; ++i) {
            const QRgb attendu =
                i == 2 && j == 1 ? qRgb(255, 0, 255) : video.pixel(50 + i, 40 + j);
            for (int k = 0; k < 9; ++k) {
                const int px = (i + 20) * 3 + k % 3, py = (j + 20) * 3 + k / 3;
                ASSERT_EQ(im.pixel(px, py), attendu) << i << "," << j << " " << k;
            }
        }
    // The pixel under the mouse covers 60..62 both ways, around the crosshair at 61.
    EXPECT_EQ(kReticule, 61);
    EXPECT_EQ(im.pixel(60, 60), video.pixel(50, 40));
    EXPECT_EQ(im.pixel(62, 62), video.pixel(50, 40));
    EXPECT_NE(im.pixel(63, 62), video.pixel(50, 40));
}

TEST(GeometrieLoupe, OutsideTheImageThePictureShowsThePanelAround) {
    using namespace geometrieLoupe;
    const QImage video = mire(200, 150);
    const QRgb fond = qRgb(255, 255, 255);
    // The mouse on the top-left pixel: the upper-left part lies outside the image.
    const QImage im = agrandir(video, QImage(), 0, 0, fond);
    EXPECT_EQ(im.pixel(0, 0), fond);
    EXPECT_EQ(im.pixel(59, 70), fond);   // column of x = -1
    EXPECT_EQ(im.pixel(70, 59), fond);   // row of y = -1
    EXPECT_EQ(im.pixel(60, 60), video.pixel(0, 0));
    EXPECT_EQ(im.pixel(122, 122), video.pixel(20, 20));
    // Past the bottom-right corner too, and with no video at all.
    const QImage coin = agrandir(video, QImage(), 199, 149, fond);
    EXPECT_EQ(coin.pixel(63, 63), fond);
    EXPECT_EQ(coin.pixel(62, 62), video.pixel(199, 149));
    EXPECT_EQ(agrandir(QImage(), QImage(), 5, 5, fond).pixel(61, 61), fond);
}

TEST(GeometrieLoupe, CornerFollowsTheQuarterOfTheRememberedCentre) {
    using namespace geometrieLoupe;
    Cadre c;
    c.cote = QRect(0, 50, 400, 300); // W div 2 = 200, H div 2 = 150
    c.hauteurHaut = 22;
    c.hauteurBas = 26;
    c.gaucheSeparateur = 400;
    const QPoint hautGauche(6, 50 + 22 + 6), hautDroite(400 - 135 - 6, 78),
        basGauche(6, 50 + 300 - 26 - 135 - 6), basDroite(259, 183);
    EXPECT_EQ(coin(c, {300, 10}), hautDroite);
    EXPECT_EQ(coin(c, {100, 10}), hautGauche);
    EXPECT_EQ(coin(c, {100, 200}), basGauche);
    EXPECT_EQ(coin(c, {300, 200}), basDroite);
    // On the middle column the upper half goes left, the lower half right; the middle row
    // counts as lower.
    EXPECT_EQ(coin(c, {200, 10}), hautGauche);
    EXPECT_EQ(coin(c, {200, 200}), basDroite);
    EXPECT_EQ(coin(c, {100, 150}), basGauche);
    // As set on opening (right edge and top of the clip side): top-right.
    EXPECT_EQ(coin(c, {400, 50}), hautDroite);
    // The centre remembered is relative to the clip side.
    EXPECT_EQ(centre(QRect(6, 209, 135, 135), QPoint(0, 50)), QPoint(73, 226));
}
