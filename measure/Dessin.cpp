#include "measure/Dessin.h"

#include "measure/Toile.h"

#include <QPainter>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

// Dash patterns of a one-pixel pen, in pixels on, off, on, off...
std::vector<int> motif(Qt::PenStyle style) {
    switch (style) {
    case Qt::DashLine:
        return {18, 6};
    case Qt::DotLine:
        return {3, 3};
    case Qt::DashDotLine:
        return {9, 6, 3, 6};
    case Qt::DashDotDotLine:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// Rounded quotient n / d for d > 0, halves up.
int diviserArrondi(long n, long d) {
    const long q = 2 * n + d;
    const long dd = 2 * d;
    return int(q >= 0 ? q / dd : -((-q + dd - 1) / dd));
}

void croix(Toile& t, int s, int x, int y) {
    t.ligneH(x - s, x + s, y);
    t.ligneV(x, y - s, y + s);
}

// The cross inside a square or circle: arms shortened by 2.
void croixInterieure(Toile& t, int s, int x, int y) {
    if (s <= 1) return;
    t.ligneH(x - s + 2, x + s - 2, y);
    t.ligneV(x, y - s + 2, y + s - 2);
}

// Outline of the circle inscribed in the (2s + 1)-pixel square: the pixels of the disc of
// radius s + 1/2 that touch a pixel outside it. A thin closed ring, which reduces to the
// whole 3 x 3 border at s = 1 and to the single pixel at s = 0.
void cercle(Toile& t, int s, int x, int y) {
    const long r2 = long(2 * s + 1) * (2 * s + 1); // (2r)^2 with r = s + 1/2
    auto dedans = [r2](int dx, int dy) { return 4L * (dx * dx + dy * dy) <= r2; };
    for (int dy = -s; dy <= s; ++dy) {
        for (int dx = -s; dx <= s; ++dx) {
            if (!dedans(dx, dy)) continue;
            if (!dedans(dx + 1, dy) || !dedans(dx - 1, dy) || !dedans(dx, dy + 1) ||
                !dedans(dx, dy - 1))
                t.pixel(x + dx, y + dy);
        }
    }
}

void contour(Toile& t, const std::array<QPoint, 4>& sommets) {
    for (size_t i = 0; i + 1 < sommets.size(); ++i)
        ligne(t, sommets[i].x(), sommets[i].y(), sommets[i + 1].x(), sommets[i + 1].y());
}

} // namespace

void ligne(Toile& t, int x0, int y0, int x1, int y1, Qt::PenStyle style) {
    if (style == Qt::NoPen) return;
    const int dx = x1 - x0, dy = y1 - y0;
    const int n = std::max(std::abs(dx), std::abs(dy)); // pixels painted
    const std::vector<int> m = motif(style);
    if (m.empty() && dy == 0) {
        if (n > 0) t.ligneH(x0, dx > 0 ? x1 - 1 : x1 + 1, y0);
        return;
    }
    if (m.empty() && dx == 0) {
        if (n > 0) t.ligneV(x0, y0, dy > 0 ? y1 - 1 : y1 + 1);
        return;
    }
    size_t segment = 0;
    int resteSegment = m.empty() ? 0 : m[0];
    for (int i = 0; i < n; ++i) {
        const bool allume = m.empty() || segment % 2 == 0;
        if (allume)
            t.pixel(x0 + diviserArrondi(long(dx) * i, n), y0 + diviserArrondi(long(dy) * i, n));
        if (!m.empty() && --resteSegment == 0) {
            segment = (segment + 1) % m.size();
            resteSegment = m[segment];
        }
    }
}

void dessinerPoint(Toile& t, QRgb couleur, int s, int x, int y, int forme) {
    if (s < 0) return;
    t.setCouleur(couleur);
    switch (forme) {
    case formeCroix:
        croix(t, s, x, y);
        break;
    case formeCarre:
        t.ligneH(x - s, x + s, y - s);
        t.ligneH(x - s, x + s, y + s);
        t.ligneV(x - s, y - s, y + s);
        t.ligneV(x + s, y - s, y + s);
        croixInterieure(t, s, x, y);
        break;
    case formeCercle:
        cercle(t, s, x, y);
        croixInterieure(t, s, x, y);
        break;
    case formeCroixEchelle:
        if (s > 1) croix(t, s, x, y);
        break;
    default:
        break;
    }
}

void dessinerAxes(Toile& t, QRgb couleur, int sensX, int sensY, int xo, int yo, int H, int W,
                  int u) {
    t.setCouleur(couleur);
    const int a = 5 * u, b = 2 * u;
    if (sensY == 1) {
        ligne(t, xo, H, xo, a);
        contour(t, {QPoint(xo, 0), QPoint(xo - b, a), QPoint(xo + b, a), QPoint(xo, 0)});
    } else {
        ligne(t, xo, 0, xo, H - a);
        contour(t, {QPoint(xo, H), QPoint(xo - b, H - a), QPoint(xo + b, H - a), QPoint(xo, H)});
    }
    const int w = W - 1;
    if (sensX == 1) {
        ligne(t, 0, yo, w - a, yo);
        contour(t, {QPoint(w, yo), QPoint(w - a, yo - b), QPoint(w - a, yo + b), QPoint(w, yo)});
    } else {
        ligne(t, w, yo, a, yo);
        contour(t, {QPoint(0, yo), QPoint(a, yo - b), QPoint(a, yo + b), QPoint(0, yo)});
    }
}

void dessinerSegmentEchelle(Toile& t, Qt::PenStyle style, QRgb couleur, QPoint p1, QPoint p2,
                            bool p1EnCours) {
    dessinerPoint(t, qRgb(255, 0, 0), 4, p1.x(), p1.y(), formeCroixEchelle);
    dessinerPoint(t, qRgb(0, 0, 255), 4, p2.x(), p2.y(), formeCroixEchelle);
    t.setCouleur(couleur);
    const QPoint depart = p1EnCours ? p2 : p1;
    const QPoint arrivee = p1EnCours ? p1 : p2;
    ligne(t, depart.x(), depart.y(), arrivee.x(), arrivee.y(), style);
    t.pixel(arrivee.x(), arrivee.y());
}

void dessinerPoint(QPainter& p, const QColor& couleur, int s, int x, int y, int forme) {
    ToilePeintre t(p);
    dessinerPoint(t, couleur.rgb(), s, x, y, forme);
}

void dessinerAxes(QPainter& p, const QColor& couleur, int sensX, int sensY, int xo, int yo, int H,
                  int W, int u) {
    ToilePeintre t(p);
    dessinerAxes(t, couleur.rgb(), sensX, sensY, xo, yo, H, W, u);
}

void dessinerSegmentEchelle(QPainter& p, Qt::PenStyle style, const QColor& couleur, QPoint p1,
                            QPoint p2, bool p1EnCours) {
    ToilePeintre t(p);
    dessinerSegmentEchelle(t, style, couleur.rgb(), p1, p2, p1EnCours);
}
