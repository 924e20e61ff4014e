#include "measure/ModeleMesures.h"

#include "measure/GrilleTexte.h"

ModeleMesures::ModeleMesures(const GrilleTexte& grille, QObject* parent)
    : QAbstractTableModel(parent)
    , g(grille) {}

int ModeleMesures::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, g.lignes() - 1);
}

int ModeleMesures::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, g.colonnes() - 1);
}

QVariant ModeleMesures::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return g.cellule(index.column() + 1, index.row() + 1);
}

QVariant ModeleMesures::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    return o == Qt::Horizontal ? g.cellule(section + 1, 0) : g.cellule(0, section + 1);
}

Qt::ItemFlags ModeleMesures::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable; // no in-place editing
}
