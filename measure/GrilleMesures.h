#pragma once

#include "measure/GrilleTexte.h"

#include <QRect>
#include <QTableView>

class ModeleMesures;

// The visible measurement table StringGrid1: a text grid with one fixed header row and
// one fixed t column, shown by a table view whose headers are that row and column.
// Coordinates are those of the grid (column 0 = t, row 0 = headers). Every change of the
// current cell, by the user or by the program, emits celluleCourante() once; setting the
// cell it already has, or a selection rectangle, emits nothing.
class GrilleMesures : public QTableView {
    Q_OBJECT
public:
    explicit GrilleMesures(QWidget* parent = nullptr);
    ~GrilleMesures() override;

    // Grid interface shared with GrilleTexte (see OutilsGrille.h).
    int colonnes() const { return g.colonnes(); }
    int lignes() const { return g.lignes(); }
    void dimensionner(int colonnes, int lignes);
    const QString& cellule(int c, int r) const { return g.cellule(c, r); }
    void setCellule(int c, int r, const QString& texte); // repaints that cell
    int colonne() const;
    int ligne() const;
    void setColonne(int c);
    void setLigne(int r);

    // Many cells at once: write through cellules(), then toutRedessiner().
    GrilleTexte& cellules() { return g; }
    const GrilleTexte& cellules() const { return g; }
    void toutRedessiner();
    void vider(); // empties every stored cell, hidden ones included

    // The selected rectangle (its bounds); the current cell alone when nothing is selected.
    QRect selection() const;
    // Selects the rectangle and moves the current cell to its bottom-right corner without
    // emitting celluleCourante().
    void setSelection(const QRect& p);

    int largeurColonne(int c) const;
    void setLargeurColonne(int c, int largeur);
    int largeurTexte(const QString& texte) const;

    // Rows 1..t0 - 1 are drawn as before the time origin.
    void setT0(int t0);
    int t0() const { return t0_; }

    // Owner drawing of a cell: backgrounds, greyed rows before t0, texts by ecrireCellule.
    void StringGrid1DrawCell(QPainter& p, int c, int r, const QRect& rect, bool choisie) const;

    // Cell (column, row) under a point of the view, -1, -1 outside the cells.
    QPoint celluleSous(const QPoint& pos) const;

signals:
    void celluleCourante(int c, int r);
    // Mouse released over the cell (c, r), or (-1, -1) outside the cells; `glisse` when the
    // mouse was pressed on another cell or with Shift (a range chosen with the mouse).
    void sourisRelachee(int c, int r, bool glisse);
    void toucheRelachee(int touche);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void courantChange(const QModelIndex& courant);
    void placer(int c, int r);

    GrilleTexte g{1};
    ModeleMesures* modele = nullptr;
    QWidget* coin = nullptr;
    int t0_ = 1;
    int silence = 0;        // > 0: current-cell changes are not reported
    QPoint signale{-1, -1}; // last current cell reported
    QPoint appui{-1, -1};   // cell where the mouse went down
    bool appuiMaj = false;
};
