#pragma once

#include <QRect>
#include <QString>

class QPainter;

// Utilities shared by the pixel table, the visible table and the go-to-image grid. They
// work on any grid offering colonnes(), lignes(), dimensionner(), setCellule(),
// setColonne() and setLigne(). A range is a QRect of cells, bounds included
// (left() = first column, right() = last column, top() / bottom() = rows).

inline QRect plage(int gauche, int haut, int droite, int bas) {
    return QRect(QPoint(gauche, haut), QPoint(droite, bas));
}

template <class Grille> void dimensionnerGrille(Grille& g, int colonnes, int lignes) {
    g.dimensionner(colonnes, lignes);
}

// Row 0 headers of the point columns: "x", "y" for one point, else "x1", "y1", "x2" …
// each followed by the unit suffix.
template <class Grille> void entetesXY(Grille& g, const QString& suffixe, int n) {
    if (n <= 1) {
        g.setCellule(1, 0, QStringLiteral("x") + suffixe);
        g.setCellule(2, 0, QStringLiteral("y") + suffixe);
        return;
    }
    for (int k = 1; k <= n; ++k) {
        const QString num = QString::number(k);
        g.setCellule(2 * k - 1, 0, QStringLiteral("x") + num + suffixe);
        g.setCellule(2 * k, 0, QStringLiteral("y") + num + suffixe);
    }
}

// Empties every cell of the range, bounds included, then makes (c, r) the current cell,
// the column first, then the row.
template <class Grille> void effacerPlage(Grille& g, const QRect& p, int c, int r) {
    for (int col = p.left(); col <= p.right(); ++col)
        for (int lig = p.top(); lig <= p.bottom(); ++lig)
            g.setCellule(col, lig, QString());
    g.setColonne(c);
    g.setLigne(r);
}

enum class Alignement { Centre, Gauche, Droite };

// Draws a text inside a cell, vertically centred; the margin is kept on the side of the
// alignment (centred texts are shifted left by half the margin).
void ecrireCellule(QPainter& p, const QRect& cellule, const QString& texte, Alignement a,
                   int marge);

// Left edge of a text of width `largeurTexte` drawn by ecrireCellule.
int gaucheTexte(const QRect& cellule, int largeurTexte, Alignement a, int marge);
