#pragma once

#include <QColor>
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// "Aspect du point": colour and mark shape of the current point. The caller prepares it
// with the point's values, shows it, and on "OK" reads the choices back.
class TaspectPointBox : public QDialog {
    Q_OBJECT
public:
    explicit TaspectPointBox(QWidget* parent = nullptr);

    QGroupBox* rgForme = nullptr;      // " Forme "
    QPushButton* btnCouleur = nullptr; // the large colour button of " Couleur "

    // On showing: the point's colour becomes the initial and the chosen colour.
    void preparer(const QColor& couleur, int forme);
    QColor couleurChoisie() const { return choisie_; }
    int formeChoisie() const;

    // The colour button: the colour dialog on the initial colour; cancelling goes back to it.
    void btnCouleurClick();

private:
    void montrerCouleur();

    QButtonGroup* formes_ = nullptr;
    QColor initiale_{Qt::white};
    QColor choisie_{Qt::white};
};
