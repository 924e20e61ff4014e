#include "app/MenusSurgissants.h"

#include "app/ConstructionMenus.h"
#include "app/TForm1.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

using namespace constructionMenus;

namespace menusSurgissants {

void construire(TForm1& f) {
    auto* m1 = new QMenu(&f);
    m1->setObjectName("PopupMenu1");
    entree(m1, QStringLiteral("Atteindre l'image"), "popUpMenuAtteindre")->setEnabled(false);
    m1->addSeparator();
    QActionGroup* modes = groupe(&f, "grpModes");
    radio(m1, modes, QStringLiteral("Acquisition"), "popUpMnuModeAcquerir", 0, true)
        ->setEnabled(false);
    radio(m1, modes, QStringLiteral("Etalonnage"), "popUpMnuModeEtalonner", 1, false)
        ->setEnabled(false);
    radio(m1, modes, QStringLiteral("Propriétés du clip"), "popUpMnuModeProClip", 2, false)
        ->setEnabled(false);
    m1->addSeparator();
    entree(m1, QStringLiteral("Aspect du pointeur"), "popUpMnuPointeur")->setEnabled(false);
    entree(m1, QStringLiteral("Loupe"), "LoupePopupMnu")->setEnabled(false);
    m1->addSeparator();
    entree(m1, QStringLiteral("Aide"), "popUpMnuAide");

    auto* m2 = new QMenu(&f);
    m2->setObjectName("PopupMenu2");
    entree(m2, QStringLiteral("Cacher la loupe"), "Fermer1");

    auto* m3 = new QMenu(&f);
    m3->setObjectName("PopupMenu3");
    entreeTag(m3, QStringLiteral("Sommaire de l'aide"), "SommaireDelAide2", 0);
    QMenu* comment = sousMenu(m3, QStringLiteral("Comment..."), "Comment2");
    comment->menuAction()->setData(-1);
    entreeTag(comment, QStringLiteral("étalonner ?"), "Etalonner2", 1);
    entreeTag(comment, QStringLiteral("pointer ?"), "Pointer2", 2);
    entreeTag(comment, QStringLiteral("exploiter les données ?"), "ExploiterLesDonnees2", 3);
    entreeTag(m3, QStringLiteral("Aide des boutons"), "AideSurLesBoutons2", 4);
    entreeTag(m3, QStringLiteral("Aide des menus"), "AideDesMenus2", 5);
}

} // namespace menusSurgissants
