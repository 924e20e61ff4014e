#include "export/Releve.h"

const QString& Releve::cellule(int c, int r) const {
    static const QString vide;
    if (r < 0 || r >= static_cast<int>(lignes.size())) return vide;
    const QStringList& ligne = lignes[static_cast<size_t>(r)];
    return c >= 0 && c < ligne.size() ? ligne[c] : vide;
}

bool Releve::ligneComplete(int r) const {
    for (int c = 1; c <= 2 * n; ++c)
        if (cellule(c, r).isEmpty()) return false;
    return true;
}
