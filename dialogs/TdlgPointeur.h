#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
struct EtatVue;
class QAction;

// "Aspect du pointeur": colour and shape of the pointer over the image. Created once; it
// keeps its selections between showings, and "Annuler" does not reset them.
class TdlgPointeur : public QDialog {
    Q_OBJECT
public:
    explicit TdlgPointeur(QWidget* parent = nullptr);

    QGroupBox* rgPtCouleur = nullptr; // " Noir / Blanc "
    QGroupBox* rgPtForme = nullptr;   // " Forme "

    int indexCouleur() const; // 0 black, 1 white
    void setIndexCouleur(int i);
    int indexForme() const; // 0 large target, 1 small target, 2 cross
    void setIndexForme(int i);

    // The pointer identifier for the dialog's selections. Sets couleurPointeur, and
    // formePointeur from the shape group while that group is enabled (in calibration it
    // keeps the shape code of the pointer shown, `curseurActuel`); checks the matching menu
    // entries of the window and gives the magnifier's crosshair the pointer colour.
    int Curseur(EtatVue& vue, int curseurActuel);

signals:
    void reticuleChoisi(const QColor& couleur);

private:
    QAction* action(const char* nom) const;
    QButtonGroup* couleurs_ = nullptr;
    QButtonGroup* formes_ = nullptr;
};
