#include "measure/Dessin.h"
#include "measure/Toile.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage vide(int w = 60, int h = 60) {
    QImage im(w, h, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    return im;
}

// Painted pixels, relative to (ox, oy).
Pixels peints(const QImage& im, int ox = 0, int oy = 0) {
    Pixels p;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (qAlpha(im.pixel(x, y)) != 0) p.insert({x - ox, y - oy});
    return p;
}

Pixels marque(int s, int forme) {
    QImage im = vide();
    ToileImage t(im);
    dessinerPoint(t, qRgb(255, 0, 0), s, 30, 30, forme);
    return peints(im, 30, 30);
}

Pixels croix(int s) {
    Pixels p;
    for (int i = -s; i <= s; ++i)
        p.insert({i, 0}), p.insert({0, i});
    return p;
}

Pixels bord(int s) {
    Pixels p;
    for (int i = -s; i <= s; ++i)
        p.insert({i, -s}), p.insert({i, s}), p.insert({-s, i}), p.insert({s, i});
    return p;
}

Pixels unis(Pixels a, const Pixels& b) {
    a.insert(b.begin(), b.end());
    return a;
}

} // namespace

TEST(Dessin, SizeOneIsTheSinglePixelForEveryShape) {
    for (int forme : {formeCroix, formeCarre, formeCercle})
        EXPECT_EQ(marque(0, forme), Pixels({{0, 0}})) << "forme " << forme;
    EXPECT_TRUE(marque(0, formeCroixEchelle).empty());
    EXPECT_TRUE(marque(1, formeCroixEchelle).empty());
}

TEST(Dessin, SizeTwoHasNoInnerCross) {
    EXPECT_EQ(marque(1, formeCroix), croix(1));
    EXPECT_EQ(croix(1).size(), 5u);
    EXPECT_EQ(marque(1, formeCarre), bord(1));
    EXPECT_EQ(marque(1, formeCercle), bord(1)); // a 3 x 3 circle is the 3 x 3 ring
    EXPECT_EQ(marque(1, formeCarre).count({0, 0}), 0u);
}

TEST(Dessin, SizeThreeIsTheFirstWithTheInnerCross) {
    EXPECT_EQ(marque(2, formeCroix), croix(2));
    // The inner cross of s = 2 has arms shortened by 2: only the centre pixel.
    EXPECT_EQ(marque(2, formeCarre), unis(bord(2), {{0, 0}}));
    Pixels cercle = bord(2);
    for (auto c : {std::pair{-2, -2}, {2, -2}, {-2, 2}, {2, 2}})
        cercle.erase(c);
    EXPECT_EQ(marque(2, formeCercle), unis(cercle, {{0, 0}}));
    EXPECT_EQ(marque(2, formeCroixEchelle), croix(2));
}

TEST(Dessin, LargerMarksStayInsideTheirSquareAndAreSymmetric) {
    for (int s = 3; s <= 4; ++s) {
        EXPECT_EQ(marque(s, formeCarre), unis(bord(s), croix(s - 2)));
        const Pixels c = marque(s, formeCercle);
        for (auto [x, y] : c) {
            EXPECT_LE(std::abs(x), s);
            EXPECT_LE(std::abs(y), s);
            EXPECT_TRUE(c.count({-x, y}) && c.count({x, -y}) && c.count({y, x}));
        }
        for (auto p : {std::pair{0, -s}, {0, s}, {-s, 0}, {s, 0}})
            EXPECT_TRUE(c.count(p));
        EXPECT_FALSE(c.count({s, s})); // corners are cut
        EXPECT_FALSE(c.count({0, s - 1}));
    }
    EXPECT_EQ(marque(4, formeCroixEchelle).size(), 17u); // two 9-pixel arms
}

TEST(Dessin, UnknownShapeOrNegativeSizeDrawsNothing) {
    EXPECT_TRUE(marque(2, 4).empty());
    EXPECT_TRUE(marque(2, -1).empty());
    EXPECT_TRUE(marque(-1, formeCroix).empty());
}

TEST(Dessin, PainterAndImageGiveTheSamePixels) {
    for (int forme = 0; forme <= 3; ++forme) {
        for (int s = 0; s <= 4; ++s) {
            QImage im = vide();
            {
                QPainter p(&im);
                dessinerPoint(p, QColor(0, 0, 255), s, 30, 30, forme);
            }
            EXPECT_EQ(peints(im, 30, 30), marque(s, forme)) << forme << " " << s;
        }
    }
    QImage a = vide(), b = vide();
    {
        QPainter p(&a);
        dessinerAxes(p, Qt::red, -1, -1, 20, 25, 60, 60, 2);
    }
    ToileImage t(b);
    dessinerAxes(t, qRgb(255, 0, 0), -1, -1, 20, 25, 60, 60, 2);
    EXPECT_EQ(peints(a), peints(b));
}

TEST(Dessin, MarkKeepsItsColourAndIsClippedAtTheEdges) {
    QImage im = vide(10, 10);
    ToileImage t(im);
    dessinerPoint(t, qRgb(12, 34, 56), 4, 0, 0, formeCarre);
    EXPECT_EQ(im.pixel(4, 0), qRgb(12, 34, 56));
    EXPECT_EQ(im.pixel(0, 4), qRgb(12, 34, 56));
    EXPECT_EQ(peints(im).size(), 9u + 5u); // border row and column, and the inner arms
}

TEST(Dessin, LinesLeaveTheirEndPointUnpainted) {
    QImage im = vide();
    ToileImage t(im);
    ligne(t, 2, 2, 7, 2);
    ligne(t, 10, 10, 10, 5);
    ligne(t, 20, 20, 23, 26);
    const Pixels p = peints(im);
    EXPECT_TRUE(p.count({2, 2}) && p.count({6, 2}) && !p.count({7, 2}));
    EXPECT_TRUE(p.count({10, 10}) && p.count({10, 6}) && !p.count({10, 5}));
    EXPECT_TRUE(p.count({20, 20}) && !p.count({23, 26}));
    EXPECT_EQ(p.size(), 5u + 5u + 6u);
}

TEST(Dessin, AxesUpAndRightHaveTheirTipsOnTheTopRowAndLastColumn) {
    const int W = 50, H = 40, xo = 10, yo = 30;
    QImage im = vide(W, H + 1);
    ToileImage t(im);
    dessinerAxes(t, qRgb(255, 255, 255), 1, 1, xo, yo, H, W, 1);
    const Pixels p = peints(im);
    // Vertical axis from row H (one past the image) up to the hollow head, base on row 5.
    for (int y = 5; y <= H; ++y)
        EXPECT_TRUE(p.count({xo, y})) << y;
    EXPECT_TRUE(p.count({xo, 0}));
    EXPECT_FALSE(p.count({xo, 3}));
    for (int x = xo - 2; x <= xo + 2; ++x)
        EXPECT_TRUE(p.count({x, 5}));
    EXPECT_FALSE(p.count({xo - 1, 0}) || p.count({xo + 1, 0}));
    // Horizontal axis from column 0 to the tip on column W - 1.
    for (int x = 0; x <= W - 1 - 5; ++x)
        EXPECT_TRUE(p.count({x, yo})) << x;
    EXPECT_TRUE(p.count({W - 1, yo}));
    EXPECT_FALSE(p.count({W - 1 - 3, yo}));
    for (int y = yo - 2; y <= yo + 2; ++y)
        EXPECT_TRUE(p.count({W - 1 - 5, y}));
    EXPECT_FALSE(p.count({W - 1, yo - 1}) || p.count({W - 1, yo + 1}));
    // Nothing beyond the arrow heads' width.
    for (auto [x, y] : p) {
        EXPECT_TRUE(x == xo || y == yo || std::abs(x - xo) <= 2 || std::abs(y - yo) <= 2);
    }
}

TEST(Dessin, AxesDownAndLeftHaveTheirTipsOnRowHAndColumnZero) {
    const int W = 50, H = 40, xo = 20, yo = 15, u = 2;
    QImage im = vide(W, H + 1);
    ToileImage t(im);
    dessinerAxes(t, qRgb(255, 255, 255), -1, -1, xo, yo, H, W, u);
    const Pixels p = peints(im);
    EXPECT_TRUE(p.count({xo, H})); // tip one row below
    EXPECT_FALSE(p.count({xo - 1, H}) || p.count({xo + 1, H}));
    for (int x = xo - 4; x <= xo + 4; ++x)
        EXPECT_TRUE(p.count({x, H - 10}));
    EXPECT_TRUE(p.count({0, yo}));
    EXPECT_FALSE(p.count({0, yo - 1}) || p.count({0, yo + 1}));
    for (int y = yo - 4; y <= yo + 4; ++y)
        EXPECT_TRUE(p.count({10, y}));
    EXPECT_TRUE(p.count({W - 1, yo}) && p.count({xo, 0}));
    // The head is the mirror image of itself about its axis.
    for (auto [x, y] : p) {
        if (std::abs(y - yo) <= 4 && x < 10) {
            EXPECT_TRUE(p.count({x, 2 * yo - y}));
        }
    }
}

TEST(Dessin, ScaleSegmentGoesTowardsThePointBeingSet) {
    const QPoint p1(10, 10), p2(40, 30);
    for (bool p1EnCours : {true, false}) {
        QImage im = vide();
        ToileImage t(im);
        dessinerSegmentEchelle(t, Qt::SolidLine, qRgb(0, 128, 0), p1, p2, p1EnCours);
        // Both ends carry the segment colour; the crosses' arms the red and blue.
        EXPECT_EQ(im.pixel(p1), qRgb(0, 128, 0));
        EXPECT_EQ(im.pixel(p2), qRgb(0, 128, 0));
        EXPECT_EQ(im.pixel(p1.x() - 4, p1.y()), qRgb(255, 0, 0));
        EXPECT_EQ(im.pixel(p2.x(), p2.y() + 4), qRgb(0, 0, 255));
        EXPECT_EQ(qAlpha(im.pixel(p1.x() - 5, p1.y())), 0);
    }
    QImage im = vide();
    ToileImage t(im);
    dessinerSegmentEchelle(t, Qt::DotLine, qRgb(0, 128, 0), QPoint(0, 50), QPoint(30, 50), false);
    EXPECT_EQ(im.pixel(12, 50), qRgb(0, 128, 0));
    EXPECT_EQ(qAlpha(im.pixel(16, 50)), 0); // dot gap
    EXPECT_EQ(im.pixel(30, 50), qRgb(0, 128, 0));
}
