#include "platform/CurseursDessines.h"

#include "platform/RegistreCurseurs.h"

#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace curseursDessines {

namespace {

using Dessin = std::function<void(QPainter&)>;

constexpr int kCote = 32;

// Draws the shape's lines, surrounds them with a one-pixel rim of the other colour so that
// the pointer shows on any image, and makes a cursor of the two.
QCursor fabriquer(const Dessin& dessin, bool blanc, int xChaud, int yChaud) {
    QImage forme(kCote, kCote, QImage::Format_ARGB32);
    forme.fill(Qt::transparent);
    {
        QPainter p(&forme);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        dessin(p);
    }
    auto trait = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kCote && y < kCote && qAlpha(forme.pixel(x, y)) > 0;
    };
    QImage bits(kCote, kCote, QImage::Format_RGB32);
    QImage masque(kCote, kCote, QImage::Format_RGB32);
    bits.fill(Qt::white);
    masque.fill(Qt::white);
    const QRgb noir = qRgb(0, 0, 0);
    for (int y = 0; y < kCote; ++y) {
        for (int x = 0; x < kCote; ++x) {
            bool bord = false;
            for (int dy = -1; dy <= 1 && !bord; ++dy)
                for (int dx = -1; dx <= 1 && !bord; ++dx)
                    bord = trait(x + dx, y + dy);
            if (!bord) continue;
            masque.setPixel(x, y, noir);
            // A set bit shows black; a clear bit under the mask shows white.
            const bool pixelNoir = trait(x, y) != blanc;
            if (pixelNoir) bits.setPixel(x, y, noir);
        }
    }
    return QCursor(QBitmap::fromImage(bits, Qt::MonoOnly | Qt::ThresholdDither),
                   QBitmap::fromImage(masque, Qt::MonoOnly | Qt::ThresholdDither), xChaud, yChaud);
}

void ligne(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawLine(x1, y1, x2, y2);
}

void cercle(QPainter& p, int cx, int cy, int r) {
    p.drawEllipse(QPoint(cx, cy), r, r);
}

// A cross through (11, 11) whose arms stop short of the centre.
void croixBrisee(QPainter& p, int demi, int trou) {
    ligne(p, 11 - demi, 11, 11 - trou, 11);
    ligne(p, 11 + trou, 11, 11 + demi, 11);
    ligne(p, 11, 11 - demi, 11, 11 - trou);
    ligne(p, 11, 11 + trou, 11, 11 + demi);
}

void main(QPainter& p, bool fermee) {
    // Palm and wrist.
    QPainterPath paume;
    paume.moveTo(9, 15);
    paume.lineTo(9, 22);
    paume.lineTo(12, 27);
    paume.lineTo(21, 27);
    paume.lineTo(24, 21);
    paume.lineTo(24, 14);
    p.drawPath(paume);
    if (fermee) {
        // Fingers curled over the palm.
        for (int x : {11, 15, 19})
            p.drawRoundedRect(x, 10, 4, 5, 1, 1);
        p.drawRoundedRect(23, 11, 3, 4, 1, 1);
        ligne(p, 9, 15, 11, 13);
    } else {
        for (int x : {11, 15, 19})
            p.drawRoundedRect(x, x == 15 ? 3 : 5, 4, 10, 2, 2);
        p.drawRoundedRect(23, 7, 3, 8, 1, 1);
        ligne(p, 9, 15, 5, 11); // thumb
        ligne(p, 5, 11, 7, 10);
        ligne(p, 7, 10, 11, 14);
    }
}

// Two arrowed axes from the hot spot; dx, dy are the directions of x and y on the screen.
void axes(QPainter& p, int x0, int y0, int dx, int dy) {
    const int l = 17;
    const int xf = x0 + dx * l, yf = y0 + dy * l;
    ligne(p, x0, y0, xf, y0);
    ligne(p, xf, y0, xf - dx * 4, y0 - 3);
    ligne(p, xf, y0, xf - dx * 4, y0 + 3);
    ligne(p, x0, y0, x0, yf);
    ligne(p, x0, yf, x0 - 3, yf - dy * 4);
    ligne(p, x0, yf, x0 + 3, yf - dy * 4);
    // Small "x" beyond the x arrow's side, small "y" beside the y arrow.
    const int xx = xf - dx * 4, xy = y0 - dy * 7;
    ligne(p, xx - 2, xy - 2, xx + 2, xy + 2);
    ligne(p, xx - 2, xy + 2, xx + 2, xy - 2);
    const int yx = x0 + dx * 7, yy = yf - dy * 3;
    ligne(p, yx - 2, yy - 2, yx, yy);
    ligne(p, yx + 2, yy - 2, yx - 2, yy + 3);
}

void chiffre(QPainter& p, int n, int x, int y) {
    if (n == 1) {
        ligne(p, x + 2, y, x + 2, y + 6);
        ligne(p, x + 2, y, x, y + 2);
        ligne(p, x, y + 6, x + 4, y + 6);
    } else {
        ligne(p, x, y + 1, x + 1, y);
        ligne(p, x + 1, y, x + 3, y);
        ligne(p, x + 3, y, x + 4, y + 1);
        ligne(p, x + 4, y + 1, x + 4, y + 2);
        ligne(p, x + 4, y + 2, x, y + 6);
        ligne(p, x, y + 6, x + 4, y + 6);
    }
}

struct Forme {
    int code; // shape code, the identifier without its colour
    Dessin dessin;
    int xChaud, yChaud;
};

const Forme* forme(int code) {
    static const Forme formes[] = {
        {1,
         [](QPainter& p) {
             cercle(p, 11, 11, 8);
             croixBrisee(p, 11, 3);
         },
         11, 11},
        {2,
         [](QPainter& p) {
             cercle(p, 11, 11, 5);
             ligne(p, 0, 11, 22, 11);
             ligne(p, 11, 0, 11, 22);
         },
         11, 11},
        {3,
         [](QPainter& p) {
             ligne(p, 2, 11, 20, 11);
             ligne(p, 11, 2, 11, 20);
         },
         11, 11},
        {11, [](QPainter& p) { axes(p, 7, 24, +1, -1); }, 7, 24},
        {12, [](QPainter& p) { axes(p, 24, 24, -1, -1); }, 24, 24},
        {13, [](QPainter& p) { axes(p, 7, 7, +1, +1); }, 7, 7},
        {14, [](QPainter& p) { axes(p, 24, 7, -1, +1); }, 24, 7},
        {41,
         [](QPainter& p) {
             croixBrisee(p, 9, 2);
             chiffre(p, 1, 16, 15);
         },
         11, 11},
        {42,
         [](QPainter& p) {
             croixBrisee(p, 9, 2);
             chiffre(p, 2, 16, 15);
         },
         11, 11},
    };
    for (const Forme& f : formes)
        if (f.code == code) return &f;
    return nullptr;
}

} // namespace

void enregistrerTous(RegistreCurseurs& registre) {
    registre.enregistrer(50, fabriquer([](QPainter& p) { main(p, false); }, false, 15, 14));
    registre.enregistrer(51, fabriquer([](QPainter& p) { main(p, true); }, false, 15, 14));
    for (int id : {101, 102, 103, 201, 202, 203, 111, 211, 112, 212, 113, 213, 114, 214, 141, 142,
                   241, 242}) {
        const Forme* f = forme(id % 100);
        registre.enregistrer(id, fabriquer(f->dessin, id / 100 == 2, f->xChaud, f->yChaud));
    }
}

} // namespace curseursDessines
