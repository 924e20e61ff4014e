#include "aides/ClipsTest.h"
#include "platform/PeripheriqueMedia.h"
#include "tools/clipgen/ImageTest.h"
#include "tools/clipgen/ScenarioDemo.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(MotifIndex, ReadsBackAtAnyScaleAndRefusesAPictureWithoutBand) {
    for (int index : {0, 1, 2, 255, 4660, 65535}) {
        QImage image(320, 240, QImage::Format_RGB32);
        QPainter p(&image);
        imagetest::dessinerImage(p, index, 100, image.size());
        p.end();
        EXPECT_EQ(motif::lireIndex(image), index);
        EXPECT_EQ(motif::lireIndex(image.scaled(160, 120)), index);
        EXPECT_EQ(motif::lireIndex(
                      image.scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  index);
        // Inside a larger picture, read at the zone where it lies.
        QImage grand(500, 400, QImage::Format_RGB32);
        grand.fill(Qt::darkGray);
        QPainter(&grand).drawImage(30, 40, image);
        EXPECT_EQ(motif::lireIndex(grand, QRect(30, 40, 320, 240)), index);
    }
    QImage uni(320, 240, QImage::Format_RGB32);
    uni.fill(Qt::gray);
    EXPECT_EQ(motif::lireIndex(uni), -1);
    EXPECT_EQ(motif::lireIndex(QImage()), -1);
}

TEST(MotifIndex, DiscStaysInsideThePictureAndBelowTheBand) {
    const QSize taille(192, 144);
    const int r = imagetest::rayonDisque(taille);
    for (int i = 0; i < 50; ++i) {
        const QPoint c = imagetest::centreDisque(i, 50, taille);
        EXPECT_GE(c.x() - r, 0);
        EXPECT_LT(c.x() + r, taille.width());
        EXPECT_GT(c.y() - r, motif::hauteurBande(taille));
        EXPECT_LT(c.y() + r, taille.height());
    }
    EXPECT_EQ(imagetest::centreDisque(0, 1, taille), imagetest::centreDisque(0, 1, taille));
}

namespace {
// Centre of the pixels of a colour close to the ball's.
QPointF centreOrange(const QImage& image) {
    double sx = 0, sy = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 170 && c.green() < 130 && c.blue() < 90) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    return n > 0 ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}
} // namespace

TEST(Clipgen, DemoClipShowsTheBallWhereTheScenarioPutsIt) {
    // The scenario itself: a metre of ruler, a parabola with the chosen g.
    EXPECT_DOUBLE_EQ(demo::regleBas().y() - demo::regleHaut().y(), demo::pixelsParMetre);
    const double y0 = demo::centreBalle(0).y(), y1 = demo::centreBalle(1).y(),
                 y2 = demo::centreBalle(2).y();
    const double dt = 1.0 / demo::cadence;
    EXPECT_NEAR((y2 - 2 * y1 + y0) / demo::pixelsParMetre / (dt * dt), demo::g, 1e-9);

    const QString chemin = clipstest::clip("demo.avi", {"--demo"});
    ASSERT_FALSE(chemin.isEmpty());
    PeripheriqueMedia m;
    m.setNomFichier(chemin);
    m.ouvrir();
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Millisecondes);
    EXPECT_EQ(m.longueur(), 1000 * demo::nbImages / demo::cadence);
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    ASSERT_EQ(m.longueur(), demo::nbImages);
    EXPECT_EQ(m.rectangleAffichage().size(), QSize(demo::largeur, demo::hauteur));
    for (int i = 0; i < demo::nbImages; ++i) {
        m.chercher(i);
        const QPointF vu = centreOrange(m.imageAffichee());
        const QPointF attendu = demo::centreBalle(i);
        EXPECT_NEAR(vu.x(), attendu.x(), 1.0) << i;
        EXPECT_NEAR(vu.y(), attendu.y(), 1.0) << i;
    }
}

TEST(Clipgen, RefusesBadOptions) {
    EXPECT_TRUE(clipstest::clip("mauvais.avi", {"--size", "abc"}).isEmpty());
    EXPECT_TRUE(clipstest::clip("mauvais2.avi", {"--inconnue"}).isEmpty());
}
