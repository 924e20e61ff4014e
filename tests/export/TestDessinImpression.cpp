// The printed page drawn on an image of the page's resolution: no printer, no font needed
// for what is measured.

#include "aides/EnregistreurDessin.h"
#include "export/DessinImpression.h"
#include "measure/CouleurBgr.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// 640 x 480 pixels of 1 mm, origin at (100, 380), three images of one point, on a page that
// holds the drawing and its legend.
SujetImpression sujet() {
    SujetImpression s;
    s.echelle = 0.001L;
    s.xOrig = 100;
    s.yOrig = 380;
    s.largeurAff = 640;
    s.hauteurAff = 480;
    s.taillePoints = 1;
    s.nbImages = 3;
    s.nbPoints = 1;
    s.axes.couleur = couleurBgr::depuisRgb(255, 0, 0);
    s.points = {SujetImpression::Aspect{couleurBgr::depuisRgb(0, 255, 0), true, 0}};
    s.pixels = {QPoint(200, 100), QPoint(300, 200), QPoint(SujetImpression::absent, 0)};
    return s;
}

struct Page {
    PageImpression geometrie;
    QImage image;
};

Page rendre(const SujetImpression& s, const OptionsImpression& o, int dpi) {
    Page p;
    p.geometrie.resolutionX = p.geometrie.resolutionY = dpi;
    const long double cm = dpi / 2.54L;
    // The drawing measures 6.4 x 4.8 cm at 0.1 m per cm; 8 x 6 cm of page.
    p.geometrie.largeur = int(8 * cm);
    p.geometrie.hauteur = int(6 * cm);
    p.image = QImage(p.geometrie.largeur, p.geometrie.hauteur, QImage::Format_RGB32);
    p.image.fill(Qt::white);
    QPainter peintre(&p.image);
    dessinImpression::dessiner(peintre, s, o, p.geometrie);
    return p;
}

bool gris127(QRgb c) {
    return c == qRgb(127, 127, 127);
}

// Rows (or columns) of the drawing's rectangle where the dotted grey grid runs: at least a
// quarter of their dots are grid grey.
std::vector<int> lignesGrille(const QImage& im, int w, int h, bool horizontales) {
    std::vector<int> v;
    const int n = horizontales ? h : w, long_ = horizontales ? w : h;
    for (int i = 0; i <= n; ++i) {
        int compte = 0;
        for (int j = 0; j < long_; ++j)
            compte += gris127(horizontales ? im.pixel(j, i) : im.pixel(i, j));
        if (compte * 4 >= long_) v.push_back(i);
    }
    return v;
}

OptionsImpression options(int couleurs = 2) {
    OptionsImpression o;
    o.couleurs = couleurs;
    o.echelleImpression = 0.1L;
    return o;
}

} // namespace

TEST(DessinImpression, GridOneCentimetreApartThroughTheOriginAt300And600Dpi) {
    for (int dpi : {300, 600}) {
        const SujetImpression s = sujet();
        const Page p = rendre(s, options(), dpi);
        const GeometrieImpression g(s, p.geometrie, 0.1L);
        const double cm = dpi / 2.54;
        EXPECT_NEAR(double(g.pointsParPixelX()), 0.01 * cm, 1e-9);
        const int W = g.largeurDessin(), H = g.hauteurDessin();
        EXPECT_EQ(W, int(std::lround(640 * 0.01 * cm)));

        for (bool horizontales : {true, false}) {
            const std::vector<int> l = lignesGrille(p.image, W, H, horizontales);
            // 4.8 cm high with the origin 3.8 cm from the top: 3 lines above, 1 below.
            ASSERT_EQ(l.size(), horizontales ? 5u : 7u) << dpi;
            for (size_t i = 1; i < l.size(); ++i)
                EXPECT_NEAR(l[i] - l[0], i * cm, 1.0) << dpi << " " << i;
            const int origine = horizontales ? g.origine().y() : g.origine().x();
            EXPECT_NE(std::find(l.begin(), l.end(), origine), l.end()) << dpi;
            EXPECT_EQ(l, horizontales ? g.lignesHorizontales() : g.lignesVerticales());
        }
        // Nothing drawn past the drawing's rectangle but the legend, which starts 5 dots
        // under it and 10 dots from the left edge.
        EXPECT_EQ(g.legende(), QPoint(10, H + 5));
        for (int y = H + 1; y < p.image.height(); ++y)
            for (int x = 0; x < p.image.width(); ++x)
                if (p.image.pixel(x, y) != qRgb(255, 255, 255)) {
                    ASSERT_GE(y, H + 5) << dpi;
                    ASSERT_GE(x, 10) << dpi;
                }
        for (int y = 0; y <= H; ++y)
            for (int x = W + 1; x < p.image.width(); ++x)
                ASSERT_EQ(p.image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    }
}

TEST(DessinImpression, OriginAtTheTopLeftPutsTheFirstLinesOnTheEdges) {
    SujetImpression s = sujet();
    s.xOrig = 0;
    s.yOrig = 0;
    const PageImpression page{300, 300, 1000, 1000};
    const GeometrieImpression g(s, page, 0.1L);
    ASSERT_FALSE(g.lignesHorizontales().empty());
    EXPECT_EQ(g.lignesHorizontales().front(), 0);
    EXPECT_EQ(g.lignesVerticales().front(), 0);
    EXPECT_EQ(g.lignesHorizontales().size(), 5u); // 4.8 cm: 0..4
    EXPECT_EQ(g.lignesVerticales().size(), 7u);   // 6.4 cm: 0..6
}

TEST(DessinImpression, ColoursGreyLevelsAndBlack) {
    SujetImpression s = sujet();
    s.points.push_back({couleurBgr::depuisRgb(255, 255, 255), true, 0}); // point 2 white
    s.nbPoints = 2;
    s.pixels = {QPoint(200, 100),
                QPoint(250, 100),
                QPoint(300, 200),
                QPoint(SujetImpression::absent, 0),
                QPoint(SujetImpression::absent, 0),
                QPoint(SujetImpression::absent, 0)};
    for (int mode : {0, 1, 2}) {
        OptionsImpression o = options(mode);
        o.grille = false;
        const Page p = rendre(s, o, 300);
        const GeometrieImpression g(s, p.geometrie, 0.1L);
        const QPoint vert = g.point(QPoint(200, 100));
        const QPoint blanc = g.point(QPoint(251, 100)); // an arm of the white mark
        const QPoint axe(g.largeurDessin() / 2, g.origine().y());
        const QRgb attenduVert[] = {qRgb(0, 255, 0), qRgb(128, 128, 128), qRgb(0, 0, 0)};
        const QRgb attenduAxe[] = {qRgb(255, 0, 0), qRgb(128, 128, 128), qRgb(0, 0, 0)};
        EXPECT_EQ(p.image.pixel(vert), attenduVert[mode]) << mode;
        EXPECT_EQ(p.image.pixel(axe), attenduAxe[mode]) << mode;
        // White prints white, except in black and white.
        const QImage vide = [&] {
            SujetImpression sans = s;
            sans.points[1].dessine = false;
            return rendre(sans, o, 300).image;
        }();
        EXPECT_EQ(p.image.pixel(blanc) != vide.pixel(blanc), mode == 2) << mode;
    }
    // The grid in the axes' colour, whatever the points' colour mode.
    OptionsImpression o = options(1);
    o.grilleCouleurAxes = true;
    const Page p = rendre(s, o, 300);
    const GeometrieImpression g(s, p.geometrie, 0.1L);
    int rouges = 0;
    const int y = g.lignesHorizontales().front();
    for (int x = 0; x < g.largeurDessin(); ++x)
        rouges += p.image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(rouges, g.largeurDessin() / 4);
}

TEST(DessinImpression, PointsFromTheTimeOriginAndHiddenOnes) {
    SujetImpression s = sujet();
    s.nbImages = 5;
    s.pixels = {QPoint(100, 100), QPoint(150, 100), QPoint(200, 100), QPoint(250, 100),
                QPoint(300, 100)};
    s.t0 = 4;
    OptionsImpression o = options(2);
    o.grille = false;
    s.axes.dessine = false;
    auto encre = [](const Page& p, QPoint q) { return p.image.pixel(q) != qRgb(255, 255, 255); };
    const Page depuis = rendre(s, o, 300);
    const GeometrieImpression g(s, depuis.geometrie, 0.1L);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(encre(depuis, g.point(s.pixels[size_t(i)])), i >= 3) << i;
    o.depuisT0 = false;
    const Page tous = rendre(s, o, 300);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(encre(tous, g.point(s.pixels[size_t(i)]))) << i;
    s.points[0].dessine = false;
    const Page aucun = rendre(s, o, 300);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(encre(aucun, g.point(s.pixels[size_t(i)]))) << i;
    // Mark size follows the print scale: arms of Round(taillePoints x dots per pixel).
    EXPECT_EQ(g.taillePoint(), 1);
    s.taillePoints = 4;
    EXPECT_EQ(GeometrieImpression(s, depuis.geometrie, 0.1L).taillePoint(), 5);
}

TEST(DessinImpression, LegendTextAndExtremeScales) {
    const QString texte =
        QStringLiteral("1cm :  1") + QLocale().decimalPoint() + QStringLiteral("00E-1m");
    EXPECT_EQ(dessinImpression::legende(0.1L), texte);
    {
        // Written once, in black, from 10 dots off the left edge, its top 5 dots under the
        // drawing (so its baseline lower still).
        EnregistreurDessin page(QSize(1000, 1000));
        QPainter p(&page);
        const PageImpression geometrie{300, 300, 1000, 1000};
        dessinImpression::dessiner(p, sujet(), options(), geometrie);
        p.end();
        ASSERT_EQ(page.textes.size(), 1u);
        EXPECT_EQ(page.textes[0].texte, texte);
        EXPECT_EQ(page.textes[0].couleur, QColor(Qt::black));
        EXPECT_EQ(page.textes[0].position.x(), 10);
        const int bas = GeometrieImpression(sujet(), geometrie, 0.1L).hauteurDessin();
        EXPECT_GT(page.textes[0].position.y(), bas + 5);
    }
    // A scale so small that the drawing would be kilometres wide: lines only where the
    // paper is, coordinates kept in range.
    const SujetImpression s = sujet();
    const PageImpression page{600, 600, 4960, 7016};
    const GeometrieImpression g(s, page, 1e-12L);
    EXPECT_LE(g.lignesHorizontales().size(), 7016 * 254 / 60000 + 2u);
    for (int y : g.lignesHorizontales()) {
        EXPECT_GE(y, 0);
        EXPECT_LE(y, 1e8);
    }
    QImage im(200, 200, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    OptionsImpression o = options();
    o.echelleImpression = 1e-12L;
    dessinImpression::dessiner(p, s, o, PageImpression{600, 600, 200, 200});
}
