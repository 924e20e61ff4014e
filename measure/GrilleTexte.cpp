#include "measure/GrilleTexte.h"

#include <algorithm>

const QString GrilleTexte::vide_;
const std::vector<QString> GrilleTexte::colonneVide_;

void GrilleTexte::dimensionner(int colonnes, int lignes) {
    colonnes_ = std::max(0, colonnes);
    lignes_ = std::max(0, lignes);
    if (static_cast<int>(cellules_.size()) < colonnes_)
        cellules_.resize(static_cast<size_t>(colonnes_));
    for (auto& col : cellules_)
        if (static_cast<int>(col.size()) < lignes_) col.resize(static_cast<size_t>(lignes_));
    colonne_ = borner(colonne_, colonnes_);
    ligne_ = borner(ligne_, lignes_);
}

void GrilleTexte::setCellule(int c, int r, const QString& texte) {
    if (c < 0 || r < 0) return;
    if (c >= static_cast<int>(cellules_.size())) {
        if (texte.isEmpty()) return;
        cellules_.resize(static_cast<size_t>(c) + 1);
    }
    auto& col = cellules_[static_cast<size_t>(c)];
    if (r >= static_cast<int>(col.size())) {
        if (texte.isEmpty()) return;
        col.resize(static_cast<size_t>(std::max(r + 1, lignes_)));
    }
    QString& cellule = col[static_cast<size_t>(r)];
    if (cellule == texte) return;
    cellule = texte;
}

const std::vector<QString>& GrilleTexte::colonneStockee(int c) const {
    if (c < 0 || c >= static_cast<int>(cellules_.size())) return colonneVide_;
    return cellules_[static_cast<size_t>(c)];
}

void GrilleTexte::vider() {
    cellules_.clear();
    dimensionner(colonnes_, lignes_);
}

int GrilleTexte::borner(int v, int n) const {
    if (n <= fixes_) return fixes_ > 0 ? std::min(fixes_, std::max(0, n - 1)) : 0;
    return std::clamp(v, fixes_, n - 1);
}
