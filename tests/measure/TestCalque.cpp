#include "measure/Calque.h"
#include "measure/TableAspect.h"

#include <QImage>
#include <gtest/gtest.h>
#include <map>

namespace {

// The smallest grid the table functions accept; cells outside the size stay stored.
struct Grille {
    int c = 0, l = 0;
    std::map<std::pair<int, int>, QString> cel;
    int colonnes() const { return c; }
    int lignes() const { return l; }
    void dimensionner(int cc, int ll) { c = cc, l = ll; }
    const QString& cellule(int cc, int r) const {
        static const QString vide;
        auto it = cel.find({cc, r});
        return it == cel.end() ? vide : it->second;
    }
    void setCellule(int cc, int r, const QString& t) { cel[{cc, r}] = t; }
};

void point(Grille& px, int k, int r, int x, int y) {
    px.setCellule(2 * k - 1, r, QString::number(x));
    px.setCellule(2 * k, r, QString::number(y));
}

QImage image() {
    QImage im(100, 80, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    return im;
}

} // namespace

TEST(TableAspect, NewClipKeepsAxesAndPointOneAndFillsOnlyEmptyCells) {
    Grille g;
    tableAspect::initialiser(g);
    EXPECT_EQ(g.colonnes(), 2);
    EXPECT_EQ(g.cellule(0, 0), "16777215");
    EXPECT_EQ(g.cellule(0, 1), "1");
    EXPECT_EQ(g.cellule(0, 2), "1");
    EXPECT_EQ(g.cellule(1, 0), "16777215");
    EXPECT_EQ(g.cellule(1, 1), "1");
    EXPECT_EQ(g.cellule(1, 2), "0");

    tableAspect::setCouleur(g, 1, couleurBgr::depuisRgb(255, 0, 0));
    tableAspect::setDessine(g, 0, false);
    tableAspect::setForme(g, 1, 2);
    g.dimensionner(5, 3);
    tableAspect::initialiser(g);
    EXPECT_EQ(g.colonnes(), 2);
    EXPECT_EQ(g.cellule(1, 0), "255");
    EXPECT_EQ(tableAspect::couleur(g, 1), 0x0000ffu);
    EXPECT_FALSE(tableAspect::dessine(g, 0));
    EXPECT_EQ(tableAspect::forme(g, 1), 2);
}

TEST(TableAspect, QuickColoursAreStoredRedInTheLowByte) {
    EXPECT_EQ(tableAspect::couleursFondSombre[0], 0x00ffffu); // yellow
    EXPECT_EQ(tableAspect::couleursFondClair[1], 0xff0000u);  // blue
    EXPECT_EQ(tableAspect::couleursFondClair[7], tableAspect::couleursFondClair[8]);
    EXPECT_EQ(tableAspect::couleursFondSombre[8], tableAspect::couleursFondSombre[3]);
    EXPECT_EQ(couleurBgr::versCouleur(tableAspect::couleursFondSombre[5]), QColor(255, 119, 0));
    EXPECT_EQ(couleurBgr::depuisCouleur(QColor::fromHsv(0, 255, 255)), 255u);
}

TEST(Calque, LaterPointsAndImagesAreDrawnOverEarlierOnes) {
    Grille aspect, px;
    tableAspect::initialiser(aspect);
    tableAspect::setDessine(aspect, 0, false);
    aspect.dimensionner(3, 3);
    tableAspect::completerColonne(aspect, 2, "255", "1", "0");
    point(px, 2, 1, 30, 30);
    point(px, 1, 2, 30, 30); // image 2, point 1 comes after image 1, point 2
    GeometrieCalque geo{1, 1, 0, 0, 100, 80, 0, 2, 2};
    QImage im = image();
    ToileImage t(im);
    calque::tracer(t, calque::PixelsTexte<Grille>{px}, aspect, geo);
    EXPECT_EQ(im.pixel(30, 30), qRgb(255, 255, 255));
}

TEST(Calque, PixelCellsAreReadAsPlainIntegers) {
    EXPECT_EQ(calque::entier("150"), 150);
    EXPECT_EQ(calque::entier("-3"), -3);
    EXPECT_EQ(calque::entier("0"), 0);
    EXPECT_FALSE(calque::entier(""));
    EXPECT_FALSE(calque::entier("-"));
    EXPECT_FALSE(calque::entier("1.5"));
    EXPECT_FALSE(calque::entier(" 12"));
}
