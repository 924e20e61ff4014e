#include "dialogs/TdlgPointeur.h"

#include "app/EtatVue.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* groupe(QWidget* parent, const QString& titre, const char* nom, QButtonGroup*& boutons,
                  const QStringList& items, int colonnes, int coche) {
    auto* g = new QGroupBox(titre, parent);
    g->setObjectName(nom);
    auto* grille = new QGridLayout(g);
    boutons = new QButtonGroup(g);
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], g);
        rb->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(nom)).arg(i));
        boutons->addButton(rb, i);
        grille->addWidget(rb, i / colonnes, i % colonnes);
        rb->setChecked(i == coche);
    }
    return g;
}

} // namespace

TdlgPointeur::TdlgPointeur(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TdlgPointeur");
    setWindowTitle(QStringLiteral("Aspect du pointeur"));
    auto* pile = new QVBoxLayout(this);
    rgPtCouleur = groupe(this, QStringLiteral(" Noir / Blanc "), "rgPtCouleur", couleurs_,
                         {QStringLiteral(" noir  "), QStringLiteral(" blanc")}, 2, 0);
    rgPtForme = groupe(this, QStringLiteral(" Forme "), "rgPtForme", formes_,
                       {QStringLiteral(" grande cible"), QStringLiteral(" petite cible  "),
                        QStringLiteral(" croix            ")},
                       3, 1);
    pile->addWidget(rgPtCouleur);
    pile->addWidget(rgPtForme);
    auto* boutons = new QHBoxLayout;
    auto* valider = new QPushButton(QStringLiteral("Valider"), this);
    valider->setObjectName("btnValider");
    valider->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName("btnAnnuler");
    boutons->addStretch(1);
    boutons->addWidget(valider);
    boutons->addWidget(annuler);
    pile->addLayout(boutons);
    connect(valider, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
}

int TdlgPointeur::indexCouleur() const {
    return couleurs_->checkedId();
}
void TdlgPointeur::setIndexCouleur(int i) {
    if (auto* b = couleurs_->button(i)) b->setChecked(true);
}
int TdlgPointeur::indexForme() const {
    return formes_->checkedId();
}
void TdlgPointeur::setIndexForme(int i) {
    if (auto* b = formes_->button(i)) b->setChecked(true);
}

// A menu entry of the window the dialog belongs to.
QAction* TdlgPointeur::action(const char* nom) const {
    return parentWidget() ? parentWidget()->findChild<QAction*>(QString::fromLatin1(nom)) : nullptr;
}

int TdlgPointeur::Curseur(EtatVue& e, int curseurActuel) {
    // A surface without a registered cursor yet keeps the shape already chosen.
    const int actuel = curseurActuel % 100;
    if (actuel != 0) e.formePointeur = actuel;
    const int couleur = indexCouleur() == 1 ? 1 : 0;
    e.couleurPointeur = couleur + 1;
    emit reticuleChoisi(couleur == 0 ? Qt::black : Qt::white);
    if (QAction* a = action(couleur == 0 ? "mnuCouleurNoir" : "mnuCouleurBlanc"))
        a->setChecked(true);
    if (rgPtForme->isEnabled()) {
        const int forme = std::clamp(indexForme(), 0, 2);
        e.formePointeur = forme + 1;
        static const char* const menus[] = {"mnuGrandeCible", "mnuPetiteCible", "mnuCroix"};
        if (QAction* a = action(menus[forme])) a->setChecked(true);
    }
    return e.curseurPointage();
}
