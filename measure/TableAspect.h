#pragma once

#include "measure/CouleurBgr.h"

#include <QString>
#include <array>
#include <cstdint>

// The appearance table tableAspect, kept as decimal texts in a grid of 3 rows: column 0
// the axes, column k point k; row 0 the colour (0x00BBGGRR), row 1 "1" when drawn,
// row 2 the mark shape (0 cross, 1 square, 2 circle; "1" and unused for the axes).
// The functions work on any grid offering colonnes(), lignes(), dimensionner(),
// cellule() and setCellule().
namespace tableAspect {

inline constexpr int ligneCouleur = 0, ligneDessine = 1, ligneForme = 2;
inline const QString blanc = QStringLiteral("16777215");

// Quick colour configurations, points 1..9 (index 0 = point 1).
inline const std::array<uint32_t, 9> couleursFondClair{
    couleurBgr::depuisRgb(255, 0, 0),   couleurBgr::depuisRgb(0, 0, 255),
    couleurBgr::depuisRgb(0, 64, 0),    couleurBgr::depuisRgb(128, 0, 0),
    couleurBgr::depuisRgb(128, 128, 0), couleurBgr::depuisRgb(0, 0, 128),
    couleurBgr::depuisRgb(128, 0, 128), couleurBgr::depuisRgb(0, 128, 128),
    couleurBgr::depuisRgb(0, 128, 128)};
inline const std::array<uint32_t, 9> couleursFondSombre{
    couleurBgr::depuisRgb(255, 255, 0),   couleurBgr::depuisRgb(0, 255, 255),
    couleurBgr::depuisRgb(0, 255, 0),     couleurBgr::depuisRgb(192, 192, 192),
    couleurBgr::depuisRgb(255, 255, 255), couleurBgr::depuisRgb(255, 119, 0),
    couleurBgr::depuisRgb(255, 255, 119), couleurBgr::depuisRgb(255, 119, 255),
    couleurBgr::depuisRgb(192, 192, 192)};

// Fills the empty cells of column c with the given texts, keeping what is there.
template <class Grille>
void completerColonne(Grille& g, int c, const QString& couleur, const QString& dessine,
                      const QString& forme) {
    const QString* defauts[3] = {&couleur, &dessine, &forme};
    for (int r = 0; r < 3; ++r)
        if (g.cellule(c, r).isEmpty()) g.setCellule(c, r, *defauts[r]);
}

// A new clip: the table is cut back to the axes and point 1, whose empty cells get their
// defaults; their other values survive from the previous clip.
template <class Grille> void initialiser(Grille& g) {
    g.dimensionner(2, 3);
    completerColonne(g, 0, blanc, QStringLiteral("1"), QStringLiteral("1"));
    completerColonne(g, 1, blanc, QStringLiteral("1"), QStringLiteral("0"));
}

// Number of a cell written by the program; `defaut` for anything else.
template <class Grille> int64_t nombre(const Grille& g, int c, int r, int64_t defaut) {
    bool ok = false;
    const qlonglong v = g.cellule(c, r).toLongLong(&ok);
    return ok ? v : defaut;
}

template <class Grille> uint32_t couleur(const Grille& g, int c) {
    return uint32_t(nombre(g, c, ligneCouleur, 0xffffff) & 0xffffff);
}
template <class Grille> bool dessine(const Grille& g, int c) {
    return g.cellule(c, ligneDessine) == QStringLiteral("1");
}
template <class Grille> int forme(const Grille& g, int c) {
    return int(nombre(g, c, ligneForme, 0));
}

template <class Grille> void setCouleur(Grille& g, int c, uint32_t bgr) {
    g.setCellule(c, ligneCouleur, QString::number(bgr & 0xffffff));
}
template <class Grille> void setDessine(Grille& g, int c, bool oui) {
    g.setCellule(c, ligneDessine, oui ? QStringLiteral("1") : QStringLiteral("0"));
}
template <class Grille> void setForme(Grille& g, int c, int f) {
    g.setCellule(c, ligneForme, QString::number(f));
}

} // namespace tableAspect
