#include "app/EntreesLiees.h"

#include <QAbstractButton>
#include <QAction>

namespace entreesLiees {

void lierEntree(QAction* entree, QAction* action) {
    auto suivre = [entree, action]() {
        entree->setEnabled(action->isEnabled());
        entree->setCheckable(action->isCheckable());
        entree->setChecked(action->isChecked());
        entree->setVisible(action->isVisible());
    };
    suivre();
    QObject::connect(action, &QAction::changed, entree, suivre);
    QObject::connect(action, &QAction::toggled, entree, suivre);
    // A checkable entry toggles itself before this runs; the action then toggles in turn
    // and the entry is set back in step with it.
    QObject::connect(entree, &QAction::triggered, action, [action]() { action->trigger(); });
}

void lierBouton(QAbstractButton* bouton, QAction* action) {
    auto suivre = [bouton, action]() { bouton->setEnabled(action->isEnabled()); };
    suivre();
    QObject::connect(action, &QAction::changed, bouton, suivre);
    QObject::connect(bouton, &QAbstractButton::clicked, action, [action]() { action->trigger(); });
}

} // namespace entreesLiees
