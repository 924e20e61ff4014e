#pragma once

#include <QString>
#include <vector>

// A grid of text cells that is never shown: the pixel table and the appearance table.
// Cells are stored by column. Shrinking the grid only hides columns and rows: their
// cells keep their texts and come back when the grid grows again. The current cell never
// lies in the fixed rows or columns (one of each for the tables, none for the appearance
// table).
class GrilleTexte {
public:
    explicit GrilleTexte(int fixes = 1)
        : fixes_(fixes) {}

    int colonnes() const { return colonnes_; }
    int lignes() const { return lignes_; }
    int fixes() const { return fixes_; }
    void dimensionner(int colonnes, int lignes);
    void setColonnes(int colonnes) { dimensionner(colonnes, lignes_); }
    void setLignes(int lignes) { dimensionner(colonnes_, lignes); }

    // Text of a cell, shown or hidden; empty for a cell never written.
    const QString& cellule(int c, int r) const {
        if (c < 0 || r < 0 || c >= static_cast<int>(cellules_.size())) return vide_;
        const auto& col = cellules_[static_cast<size_t>(c)];
        return r < static_cast<int>(col.size()) ? col[static_cast<size_t>(r)] : vide_;
    }
    void setCellule(int c, int r, const QString& texte);
    // Direct access to a stored column, for loops over many rows (may be shorter than lignes()).
    const std::vector<QString>& colonneStockee(int c) const;

    // Empties every stored cell, hidden ones included.
    void vider();

    int colonne() const { return colonne_; }
    int ligne() const { return ligne_; }
    void setColonne(int c) { colonne_ = borner(c, colonnes_); }
    void setLigne(int r) { ligne_ = borner(r, lignes_); }

private:
    int borner(int v, int n) const;

    int fixes_;
    int colonnes_ = 0;
    int lignes_ = 0;
    int colonne_ = 0;
    int ligne_ = 0;
    std::vector<std::vector<QString>> cellules_;
    static const QString vide_;
    static const std::vector<QString> colonneVide_;
};
