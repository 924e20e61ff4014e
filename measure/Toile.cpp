#include "measure/Toile.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <utility>

void Toile::ligneH(int x0, int x1, int y) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x)
        pixel(x, y);
}

void Toile::ligneV(int x, int y0, int y1) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y)
        pixel(x, y);
}

ToileImage::ToileImage(QImage& image)
    : image_(image)
    , largeur_(image.width())
    , hauteur_(image.height()) {
    // Direct writes need 32-bit pixels; opaque colours are the same value premultiplied
    // or not.
    switch (image_.format()) {
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB32:
        break;
    default:
        image_.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    if (!image_.isNull()) {
        bits_ = image_.bits();
        pas_ = image_.bytesPerLine();
    }
}

void ToileImage::pixel(int x, int y) {
    if (x < 0 || y < 0 || x >= largeur_ || y >= hauteur_) return;
    ligne(y)[x] = couleur_;
}

void ToileImage::ligneH(int x0, int x1, int y) {
    if (y < 0 || y >= hauteur_) return;
    if (x0 > x1) std::swap(x0, x1);
    x0 = std::max(x0, 0);
    x1 = std::min(x1, largeur_ - 1);
    if (x0 > x1) return;
    QRgb* l = ligne(y);
    std::fill(l + x0, l + x1 + 1, couleur_);
}

void ToileImage::ligneV(int x, int y0, int y1) {
    if (x < 0 || x >= largeur_) return;
    if (y0 > y1) std::swap(y0, y1);
    y0 = std::max(y0, 0);
    y1 = std::min(y1, hauteur_ - 1);
    for (int y = y0; y <= y1; ++y)
        ligne(y)[x] = couleur_;
}

void ToilePeintre::pixel(int x, int y) {
    p_.fillRect(x, y, 1, 1, QColor::fromRgba(couleur_));
}

void ToilePeintre::ligneH(int x0, int x1, int y) {
    if (x0 > x1) std::swap(x0, x1);
    p_.fillRect(x0, y, x1 - x0 + 1, 1, QColor::fromRgba(couleur_));
}

void ToilePeintre::ligneV(int x, int y0, int y1) {
    if (y0 > y1) std::swap(y0, y1);
    p_.fillRect(x, y0, 1, y1 - y0 + 1, QColor::fromRgba(couleur_));
}
