#include "app/ConstructionMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace constructionMenus {

QMenu* sousMenu(QWidget* parent, const QString& titre, const QString& nom,
                const QString& barreEtat) {
    auto* menu = new QMenu(titre, parent);
    menu->setObjectName(nom);
    // The entry that opens the submenu carries the same name, so that the submenu is
    // enabled or disabled through f.action(nom).
    menu->menuAction()->setObjectName(nom);
    menu->menuAction()->setStatusTip(barreEtat);
    if (auto* barre = qobject_cast<QMenuBar*>(parent))
        barre->addMenu(menu);
    else if (auto* parentMenu = qobject_cast<QMenu*>(parent))
        parentMenu->addMenu(menu);
    return menu;
}

QAction* entree(QMenu* menu, const QString& titre, const QString& nom, const QString& barreEtat) {
    auto* a = menu->addAction(titre);
    a->setObjectName(nom);
    a->setStatusTip(barreEtat);
    return a;
}

QAction* entreeTag(QMenu* menu, const QString& titre, const QString& nom, int tag,
                   const QString& barreEtat) {
    auto* a = entree(menu, titre, nom, barreEtat);
    a->setData(tag);
    return a;
}

QAction* radio(QMenu* menu, QActionGroup* groupe, const QString& titre, const QString& nom, int tag,
               bool coche, const QString& barreEtat) {
    auto* a = entreeTag(menu, titre, nom, tag, barreEtat);
    a->setCheckable(true);
    a->setChecked(coche);
    groupe->addAction(a);
    return a;
}

QActionGroup* groupe(QObject* parent, const QString& nom) {
    auto* g = new QActionGroup(parent);
    g->setObjectName(nom);
    g->setExclusive(true);
    return g;
}

} // namespace constructionMenus
