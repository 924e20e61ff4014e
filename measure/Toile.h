#pragma once

#include <QRgb>
#include <QtGlobal>

class QImage;
class QPainter;

// A drawing surface reduced to what the marks, axes and scale segment need: whole
// pixels and one-pixel horizontal or vertical runs in a current colour. Everything is
// drawn pixel by pixel so that the overlay, the clipboard picture and the printed page
// carry exactly the same shapes.
class Toile {
public:
    virtual ~Toile() = default;
    void setCouleur(QRgb c) { couleur_ = c; }
    QRgb couleur() const { return couleur_; }

    virtual void pixel(int x, int y) = 0;
    // Pixels x0..x1 of row y (bounds included, in either order).
    virtual void ligneH(int x0, int x1, int y);
    // Pixels y0..y1 of column x (bounds included, in either order).
    virtual void ligneV(int x, int y0, int y1);

protected:
    QRgb couleur_ = 0xff000000;
};

// Writes straight into an ARGB32 (premultiplied or not) image, clipped to its bounds:
// the fast path of the overlay, which is redrawn in full at every change.
class ToileImage : public Toile {
public:
    explicit ToileImage(QImage& image);
    void pixel(int x, int y) override;
    void ligneH(int x0, int x1, int y) override;
    void ligneV(int x, int y0, int y1) override;

private:
    QRgb* ligne(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * pas_); }

    QImage& image_;
    int largeur_, hauteur_;
    uchar* bits_ = nullptr; // taken once: the image is not shared while it is drawn on
    qsizetype pas_ = 0;
};

// Any painter (an image of another format, a printer page): one-pixel rectangles in
// device coordinates.
class ToilePeintre : public Toile {
public:
    explicit ToilePeintre(QPainter& p)
        : p_(p) {}
    void pixel(int x, int y) override;
    void ligneH(int x0, int x1, int y) override;
    void ligneV(int x, int y0, int y1) override;

private:
    QPainter& p_;
};
