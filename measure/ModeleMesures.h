#pragma once

#include <QAbstractTableModel>

class GrilleTexte;

// Item model of the visible table over its text grid. Row 0 and column 0 of the grid are
// the fixed header row and t column: they become the view's headers, so model row i and
// column j are grid row i + 1 and column j + 1. Texts are read from the grid when they
// are painted; nothing is copied per cell.
class ModeleMesures : public QAbstractTableModel {
    Q_OBJECT
public:
    ModeleMesures(const GrilleTexte& grille, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Structure changes are announced around the change of the grid's counts.
    void debutReinitialisation() { beginResetModel(); }
    void finReinitialisation() { endResetModel(); }
    void debutAjoutColonnes(int premiere, int derniere) {
        beginInsertColumns({}, premiere, derniere);
    }
    void finAjoutColonnes() { endInsertColumns(); }
    void debutRetraitColonnes(int premiere, int derniere) {
        beginRemoveColumns({}, premiere, derniere);
    }
    void finRetraitColonnes() { endRemoveColumns(); }

private:
    const GrilleTexte& g;
};
