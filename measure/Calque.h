#pragma once

#include "measure/CouleurBgr.h"
#include "measure/Dessin.h"
#include "measure/TableAspect.h"
#include "measure/Toile.h"

#include <QString>
#include <optional>
#include <vector>

// What the overlay needs besides the two tables.
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

// The axes when they are drawn, then every recorded point of every image, images in
// increasing order and points 1..n within an image, each with its own colour and shape,
// unless its "drawn" flag is off. The tables are read afresh each time.
template <class Grille>
void tracer(Toile& t, const Grille& pixels, const Grille& aspect, const GeometrieCalque& g) {
    if (tableAspect::dessine(aspect, 0))
        dessinerAxes(t, couleurBgr::versPixel(tableAspect::couleur(aspect, 0)), g.sensX, g.sensY,
                     g.xOrig, g.yOrig, g.hauteur, g.largeur, 1);

    struct Trace {
        int colonne;
        QRgb couleur;
        int forme;
    };
    std::vector<Trace> traces;
    for (int k = 1; k <= g.nbPoints; ++k)
        if (tableAspect::dessine(aspect, k))
            traces.push_back({2 * k - 1, couleurBgr::versPixel(tableAspect::couleur(aspect, k)),
                              tableAspect::forme(aspect, k)});
    if (traces.empty()) return;
    for (int r = 1; r <= g.nbImages; ++r) {
        for (const Trace& tr : traces) {
            const QString& cx = pixels.cellule(tr.colonne, r);
            if (cx.isEmpty()) continue;
            const auto x = entier(cx);
            const auto y = entier(pixels.cellule(tr.colonne + 1, r));
            if (!x || !y) continue;
            dessinerPoint(t, tr.couleur, g.taillePoints, *x, *y, tr.forme);
        }
    }
}

} // namespace calque
