#include "measure/OutilsGrille.h"

#include <QFontMetrics>
#include <QPainter>

int gaucheTexte(const QRect& cellule, int largeurTexte, Alignement a, int marge) {
    switch (a) {
    case Alignement::Centre:
        return cellule.left() + (cellule.width() - marge - largeurTexte) / 2;
    case Alignement::Gauche:
        return cellule.left() + marge;
    case Alignement::Droite:
        break;
    }
    return cellule.left() + cellule.width() - marge - largeurTexte;
}

void ecrireCellule(QPainter& p, const QRect& cellule, const QString& texte, Alignement a,
                   int marge) {
    if (texte.isEmpty()) return;
    const QFontMetrics fm = p.fontMetrics();
    const int largeur = fm.horizontalAdvance(texte);
    const int hauteur = fm.height();
    const int x = gaucheTexte(cellule, largeur, a, marge);
    const int y = cellule.top() + (cellule.height() - hauteur) / 2;
    p.save();
    p.setClipRect(cellule, Qt::IntersectClip);
    p.drawText(x, y + fm.ascent(), texte);
    p.restore();
}
