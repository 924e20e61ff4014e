#include "dialogs/TaspectPointBox.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TaspectPointBox::TaspectPointBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TaspectPointBox");
    setWindowTitle(QStringLiteral("Aspect du point"));
    auto* pile = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;

    rgForme = new QGroupBox(QStringLiteral(" Forme "), this);
    rgForme->setObjectName("rgForme");
    auto* colonne = new QVBoxLayout(rgForme);
    formes_ = new QButtonGroup(rgForme);
    const QStringList items{QStringLiteral("  Croix  "), QStringLiteral("  Carré"),
                            QStringLiteral("  Cercle")};
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], rgForme);
        rb->setObjectName(QStringLiteral("rgForme_%1").arg(i));
        formes_->addButton(rb, i);
        colonne->addWidget(rb);
    }
    formes_->button(0)->setChecked(true);

    auto* cadre = new QGroupBox(QStringLiteral(" Couleur "), this);
    cadre->setObjectName("gbCouleur");
    auto* dansCadre = new QVBoxLayout(cadre);
    btnCouleur =
        new QPushButton(QStringLiteral("cliquez\nici pour choisir\nla couleur du point..."), cadre);
    btnCouleur->setObjectName("btnCouleur");
    btnCouleur->setMinimumSize(130, 70);
    dansCadre->addWidget(btnCouleur);
    ligne->addWidget(rgForme);
    ligne->addWidget(cadre);
    pile->addLayout(ligne);

    auto* boutons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName("CancelBtn");
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    pile->addLayout(boutons);

    connect(btnCouleur, &QPushButton::clicked, this, &TaspectPointBox::btnCouleurClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
}

void TaspectPointBox::preparer(const QColor& couleur, int forme) {
    initiale_ = choisie_ = couleur;
    if (auto* b = formes_->button(forme)) b->setChecked(true);
    montrerCouleur();
}

int TaspectPointBox::formeChoisie() const {
    return std::max(0, formes_->checkedId());
}

void TaspectPointBox::btnCouleurClick() {
    const QColor c = QColorDialog::getColor(initiale_, this);
    choisie_ = c.isValid() ? c.toRgb() : initiale_;
    montrerCouleur();
}

// The button shows the colour that "OK" would store.
void TaspectPointBox::montrerCouleur() {
    QPalette pal = btnCouleur->palette();
    pal.setColor(QPalette::Button, choisie_);
    pal.setColor(QPalette::ButtonText, choisie_.lightness() < 128 ? Qt::white : Qt::black);
    btnCouleur->setPalette(pal);
}
