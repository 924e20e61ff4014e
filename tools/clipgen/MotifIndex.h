#pragma once

// The image index that clipgen draws into every image, and its reader.
//
// The index is written as 16 bits in a band over the top eighth of the image: two rows of
// 16 cells spanning the whole width, the first row holding the bits (most significant
// first, white = 1), the second their complements. Cells are big (a sixteenth of the
// width by a sixteenth of the height) so that they survive lossy compression, and every
// position is a fraction of the image size so that a scaled display reads back the same.
// The reader compares each cell with its complement, so a picture without a band (or a
// blurred one) reads as -1 instead of a wrong number.
//
// Header-only so that tests of every room can read back which image is on screen.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace motif {

constexpr int nbBits = 16;
constexpr int indexMax = (1 << nbBits) - 1;

// Cell of the band: rangee 0 = bits, 1 = complements; bit 0 is the most significant.
inline QRectF cellule(int rangee, int bit, QSizeF taille) {
    const double l = taille.width() / nbBits, h = taille.height() / 16.0;
    return QRectF(bit * l, rangee * h, l, h);
}

// Height of the band in pixels: drawings below this line never touch it.
inline double hauteurBande(QSizeF taille) {
    return taille.height() / 8.0;
}

inline void dessinerIndex(QPainter& p, int index, QSize taille) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int b = 0; b < nbBits; ++b) {
        const bool un = (index >> (nbBits - 1 - b)) & 1;
        p.fillRect(cellule(0, b, taille), un ? Qt::white : Qt::black);
        p.fillRect(cellule(1, b, taille), un ? Qt::black : Qt::white);
    }
    p.restore();
}

// Mean grey level of the central half of a rectangle of the image.
inline double gris(const QImage& image, const QRectF& r) {
    const QRect c =
        QRectF(r.x() + r.width() / 4, r.y() + r.height() / 4, r.width() / 2, r.height() / 2)
            .toAlignedRect()
            .intersected(image.rect());
    if (c.isEmpty()) return -1;
    double somme = 0;
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            somme += qGray(image.pixel(x, y));
    return somme / (double(c.width()) * c.height());
}

// Index drawn in an image (the picture of the clip alone, at any scale); -1 when the band
// cannot be read with confidence.
inline int lireIndex(const QImage& image) {
    if (image.isNull() || image.width() < nbBits || image.height() < 16) return -1;
    const QSizeF taille = image.size();
    int index = 0;
    for (int b = 0; b < nbBits; ++b) {
        const double v = gris(image, cellule(0, b, taille));
        const double c = gris(image, cellule(1, b, taille));
        if (v < 0 || c < 0 || qAbs(v - c) < 80) return -1;
        index = (index << 1) | (v > c ? 1 : 0);
    }
    return index;
}

// Same, for the part of a larger picture (a window grab) where the clip is shown.
inline int lireIndex(const QImage& image, const QRect& zone) {
    return lireIndex(image.copy(zone));
}

} // namespace motif
