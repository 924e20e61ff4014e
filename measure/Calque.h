#pragma once

#include "measure/CouleurBgr.h"
#include "measure/Dessin.h"
#include "measure/TableAspect.h"
#include "measure/Toile.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

// What the overlay needs besides the points and the appearance table.
struct GeometrieCalque {
    int sensX = 1, sensY = 1;
    int xOrig = 0, yOrig = 0;
    int largeur = 0, hauteur = 0; // displayed image
    int taillePoints = 1;
    int nbImages = 0; // table rows 1..nbImages
    int nbPoints = 1; // points per image
};

namespace calque {

// The integer a pixel cell holds; nothing for an empty cell or any other text.
inline std::optional<int> entier(const QString& t) {
    const int n = int(t.size());
    if (n == 0 || n > 10) return std::nullopt;
    int i = 0;
    bool negatif = false;
    if (t[0] == u'-') negatif = true, i = 1;
    if (i == n) return std::nullopt;
    long v = 0;
    for (; i < n; ++i) {
        const char16_t ch = t[i].unicode();
        if (ch < u'0' || ch > u'9') return std::nullopt;
        v = v * 10 + (ch - u'0');
    }
    return int(negatif ? -v : v);
}

// The recorded pixels of a text table (column 2k-1 and 2k of row image + 1), read as a
// document reads them.
template <class Grille> struct PixelsTexte {
    const Grille& g;
    std::optional<QPoint> point(int image, int k) const {
        const QString& cx = g.cellule(2 * k - 1, image + 1);
        if (cx.isEmpty()) return std::nullopt;
        const auto x = entier(cx);
        const auto y = entier(g.cellule(2 * k, image + 1));
        if (!x || !y) return std::nullopt;
        return QPoint(*x, *y);
    }
};

// The axes when they are drawn, then every recorded point of every image, images in
// increasing order and points 1..n within an image, each with its own colour and shape,
// unless its "drawn" flag is off. `pixels` gives point(image, k); the tables are read
// afresh each time.
template <class Pixels, class Grille>
void tracer(Toile& t, const Pixels& pixels, const Grille& aspect, const GeometrieCalque& g) {
    if (tableAspect::dessine(aspect, 0))
        dessinerAxes(t, couleurBgr::versPixel(tableAspect::couleur(aspect, 0)), g.sensX, g.sensY,
                     g.xOrig, g.yOrig, g.hauteur, g.largeur, 1);

    struct Trace {
        int k;
        QRgb couleur;
        int forme;
    };
    std::vector<Trace> traces;
    for (int k = 1; k <= g.nbPoints; ++k)
        if (tableAspect::dessine(aspect, k))
            traces.push_back({k, couleurBgr::versPixel(tableAspect::couleur(aspect, k)),
                              tableAspect::forme(aspect, k)});
    if (traces.empty()) return;
    for (int i = 0; i < g.nbImages; ++i) {
        for (const Trace& tr : traces) {
            const std::optional<QPoint> p = pixels.point(i, tr.k);
            if (p) dessinerPoint(t, tr.couleur, g.taillePoints, p->x(), p->y(), tr.forme);
        }
    }
}

} // namespace calque
