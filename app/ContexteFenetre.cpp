#include "app/ContexteFenetre.h"

#include <QAction>

QAction* ContexteFenetre::action(const QString& nom) const {
    return fenetre->findChild<QAction*>(nom);
}
