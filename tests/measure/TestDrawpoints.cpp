#include "aides/DocumentEssai.h"
#include "app/Demarrage.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/TableAspect.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A window whose document holds one point per image over three images of 100 x 80 pixels.
std::unique_ptr<TForm1> fenetre() {
    auto f = demarrer();
    EtatVue& e = f->vue;
    e.largeurAff = 100;
    e.hauteurAff = 80;
    faitsClip(*f->seance, [&](FaitsClip& c) { c.nbImages = 3; });
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.xOrig = 10;
        c.yOrig = 70;
    });
    e.taillePoints = 1;
    tableAspect::initialiser(f->vue.aspectPoints);
    return f;
}

bool peint(const QImage& im, int x, int y) {
    return qAlpha(im.pixel(x, y)) != 0;
}

} // namespace

TEST(Drawpoints, RedrawsTheWholeOverlayFromTheDocument) {
    auto f = fenetre();
    f->seance->setPoint(1, 1, QPoint(40, 30));
    f->aspect->Drawpoints();
    const QImage& c = f->PaintBox1->calque;
    EXPECT_EQ(c.size(), QSize(100, 80));
    EXPECT_EQ(c.pixel(41, 30), qRgb(255, 255, 255));
    EXPECT_EQ(c.pixel(10, 20), qRgb(255, 255, 255)); // vertical axis
    // An erased point is gone at the next redraw.
    f->seance->setPoint(1, 1, std::nullopt);
    f->aspect->Drawpoints();
    EXPECT_FALSE(peint(f->PaintBox1->calque, 41, 30));
    // A new display size gives a new overlay.
    f->vue.largeurAff = 50;
    f->aspect->Drawpoints();
    EXPECT_EQ(f->PaintBox1->calque.size(), QSize(50, 80));
}

TEST(Drawpoints, ScaleSegmentAlwaysGoesToTheImage) {
    auto f = fenetre();
    f->seance->setPoint(0, 1, QPoint(60, 50));
    EtatVue& e = f->vue;
    e.segmentEchelleVisible = true;
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.p1 = QPoint(20, 20);
        c.p2 = QPoint(60, 20);
    });
    e.couleurEchelle = QColor(0, 128, 0);
    f->aspect->Drawpoints();
    EXPECT_EQ(f->PaintBox1->calque.pixel(40, 20), qRgb(0, 128, 0));
    EXPECT_EQ(f->PaintBox1->calque.pixel(20, 16), qRgb(255, 0, 0));

    // The clipboard picture: axes and points on its own surface, the segment on the image.
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    f->PaintBox1->calque.fill(Qt::transparent);
    {
        QPainter p(&image);
        f->aspect->Drawpoints(p);
    }
    EXPECT_EQ(image.pixel(61, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(40, 20), qRgb(0, 0, 0));
    EXPECT_EQ(f->PaintBox1->calque.pixel(40, 20), qRgb(0, 128, 0));
    EXPECT_FALSE(peint(f->PaintBox1->calque, 61, 50));
}

TEST(Drawpoints, NoClipDrawsNothingAndDoesNotFail) {
    auto f = demarrer();
    f->aspect->Drawpoints();
    EXPECT_TRUE(f->PaintBox1->calque.isNull());
    f->aspect->dessinerMarque(1, 5, 5);
}
