#include "app/MenuPrincipal.h"

#include "app/ConstructionMenus.h"
#include "app/EntreesLiees.h"
#include "app/MenuEdition.h"
#include "app/TForm1.h"
#include "model/Seance.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

using namespace constructionMenus;

namespace menuPrincipal {

namespace {

QAction* actionPartagee(TForm1& f, const QString& nom, const QString& titre,
                        const QString& barreEtat) {
    auto* a = new QAction(titre, &f);
    a->setObjectName(nom);
    a->setStatusTip(barreEtat);
    return a;
}

// An entry of the menu that runs a shared action and follows its states.
QAction* entreeLiee(QMenu* menu, const QString& nom, QAction* action) {
    auto* e = entree(menu, action->text(), nom, action->statusTip());
    entreesLiees::lierEntree(e, action);
    return e;
}

void menuFichiers(TForm1& f, QMenuBar* barre) {
    QMenu* m = sousMenu(barre, QStringLiteral("Fichiers"), "mnuFichiers");
    entree(m, QStringLiteral("Ouvrir un clip vidéo..."), "mnuChargerAvi",
           QStringLiteral("Charger un clip vidéo"));
    entree(m, QStringLiteral("Accès aux clips..."), "mnuDossierClips");
    m->addSeparator();
    QAction* ouvrir = entree(m, QStringLiteral("Ouvrir une séance..."), "mnuOuvrirSeance",
                             QStringLiteral("Reprendre des mesures enregistrées dans une séance"));
    ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* enregistrer = entree(
        m, QStringLiteral("Enregistrer la séance"), "mnuEnregistrerSeance",
        QStringLiteral("Enregistrer le clip, l'étalonnage et les points pour les reprendre"));
    enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    enregistrer->setEnabled(false);
    entree(m, QStringLiteral("Enregistrer la séance sous..."), "mnuEnregistrerSeanceSous",
           QStringLiteral("Enregistrer la séance dans un autre fichier"))
        ->setEnabled(false);
    sousMenu(m, QStringLiteral("Séances récentes"), "mnuSeancesRecentes")
        ->menuAction()
        ->setEnabled(false);
    m->addSeparator();

    QMenu* mesures = sousMenu(m, QStringLiteral("Mesures"), "mnuMesures");
    mesures->menuAction()->setEnabled(false);
    QMenu* pp = sousMenu(mesures, QStringLiteral("Copier dans le presse-papier"), "mnuCopierPP");
    entree(pp, QStringLiteral("Le tableau"), "mnuTableauPP",
           QStringLiteral("Copier le tableau de mesures dans le presse-papier"));
    entree(pp, QStringLiteral("Le graphique"), "mnuGraphiquePP",
           QStringLiteral(
               "Copier le graphique (Axes, points, éventuellement image) dans le presse-papier"));
    QMenu* fic = sousMenu(mesures, QStringLiteral("Enregistrer dans un fichier"), "mnuEnregFic");
    entree(fic, QStringLiteral("format Regressi Windows (*.rw3)"), "mnuAuFormatRW3",
           QStringLiteral(
               "Enregistrer les mesures dans un fichier au format Regressi Windows (*.rw3)"));
    entree(
        fic, QStringLiteral("format Regressi DOS (*.rrr)"), "mnuAuFormatRRR",
        QStringLiteral("Enregistrer les mesures dans un fichier au format Regressi Dos (*.rrr)"));
    entree(fic, QStringLiteral("format Texte (*.txt)"), "mnuAuFormatTxt",
           QStringLiteral("Enregistrer les mesures dans un fichier au format texte (*.txt)"));
    entree(mesures, QStringLiteral("Imprimer"), "mnuImprimer",
           QStringLiteral("Imprimer le graphique (Axes et points seulement)"));

    QMenu* reg = sousMenu(m, QStringLiteral("Regressi"), "mnuReg");
    entreeLiee(reg, "mnuRegPath", f.action("RegPath"));
    entreeLiee(reg, "mnuRegExec", f.action("RegExec"));

    QMenu* tab = sousMenu(m, QStringLiteral("Tableur"), "mnuTab");
    entree(tab, QStringLiteral("Choisir le tableur"), "mnuTabChoix");
    entreeLiee(tab, "mnuTabExec", f.action("TabExec"));
    m->addSeparator();
    entree(m, QStringLiteral("Quitter"), "mnuQuitter");
}

void menuClip(QMenuBar* barre) {
    QMenu* m = sousMenu(barre, QStringLiteral("Clip"), "mnuClip");
    m->menuAction()->setEnabled(false);
    entree(m, QStringLiteral("100%"), "mnuIma100",
           QStringLiteral("Modifier la taille du clip : taille originale"));
    entree(m, QStringLiteral("Adapter"), "mnuImaAdapter",
           QStringLiteral("Modifier la taille du clip : taille adaptée à la zone d'affichage"));
    entree(m, QStringLiteral("Autre..."), "mnuImaAutre",
           QStringLiteral("Modifier la taille du clip : taille personnalisée"));
}

void couleursRapides(QMenu* parent, QActionGroup* g, const QString& titre, const QString& nom,
                     const QString& prefixe, int tag0, const QString& barreEtat,
                     const QString& barreEtatPoints) {
    QMenu* m = sousMenu(parent, titre, nom, barreEtat);
    for (int n = 1; n <= 9; ++n) {
        const QString texte =
            n == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(n);
        radio(m, g, texte, prefixe + QString::number(n) + "points", tag0 + n - 1, false,
              n <= 4 ? barreEtatPoints : QString());
    }
}

void menuPointages(TForm1& f, QMenuBar* barre) {
    QMenu* m = sousMenu(barre, QStringLiteral("Pointages"), "mnuPointages");
    m->menuAction()->setEnabled(false);

    const QString forme = QStringLiteral("Modifier la forme du pointeur");
    QMenu* mForme = sousMenu(m, QStringLiteral("Forme du pointeur"), "mnuFormePointeur",
                             QStringLiteral("Modifier la forme du pointeur "));
    QActionGroup* gForme = groupe(&f, "grpFormePointeur");
    radio(mForme, gForme, QStringLiteral("  Grande cible"), "mnuGrandeCible", 0, false, forme);
    radio(mForme, gForme, QStringLiteral("  Petite cible"), "mnuPetiteCible", 1, true, forme);
    radio(mForme, gForme, QStringLiteral("  Croix"), "mnuCroix", 2, false, forme);

    const QString couleur = QStringLiteral("Modifier la couleur du pointeur");
    QMenu* mCouleur =
        sousMenu(m, QStringLiteral("Couleur du pointeur"), "mnuCouleurPointeur", couleur);
    QActionGroup* gCouleur = groupe(&f, "grpCouleurPointeur");
    radio(mCouleur, gCouleur, QStringLiteral("  Noir"), "mnuCouleurNoir", 0, true, couleur);
    radio(mCouleur, gCouleur, QStringLiteral("  Blanc"), "mnuCouleurBlanc", 1, false, couleur);
    m->addSeparator();

    const QString taille = QStringLiteral("Modifier la taille des points");
    QMenu* mTaille = sousMenu(m, QStringLiteral("Taille des points"), "mnuTaillePoints", taille);
    QActionGroup* gTaille = groupe(&f, "grpTaillePoints");
    for (int t = 1; t <= 5; ++t)
        radio(mTaille, gTaille, QStringLiteral("  %1").arg(t), QStringLiteral("mnuTaille%1").arg(t),
              t, t == 2, taille);
    entree(m, QStringLiteral("Couleur et forme des points"), "mnuAspectPoints");

    QMenu* rapides =
        sousMenu(m, QStringLiteral("Couleurs rapides pour..."), "mnuConfigurationsrapides",
                 QStringLiteral("Utiliser une configuration adaptée"));
    QActionGroup* gRapides = groupe(&f, "grpCouleursRapides");
    couleursRapides(rapides, gRapides, QStringLiteral("fond clair"), "mnuFondClair", "mnuFdCl", 10,
                    QStringLiteral("Utiliser une configuration adaptée à un fond clair."),
                    QStringLiteral("Utiliser une configuration adaptée à fond clair."));
    couleursRapides(rapides, gRapides, QStringLiteral("fond sombre"), "mnuFondSombre", "mnuFdSb",
                    20, QStringLiteral("Utiliser une configuration adaptée à un fond sombre."),
                    QStringLiteral("Utiliser une configuration adaptée à un fond sombre."));
    m->addSeparator();

    QMenu* autos = sousMenu(m, QStringLiteral("Point suivant auto."), "mnuAutomatismes",
                            QStringLiteral("Automatiser les déplacements dans le tableau"));
    entreeLiee(autos, "mnuAutoH", f.action("AutoH"));
    entreeLiee(autos, "mnuAutoV", f.action("AutoV"));
}

void menuAide(QMenuBar* barre) {
    const QString aide = QStringLiteral("Aide");
    QMenu* m = sousMenu(barre, QStringLiteral("?"), "Aidde1", QStringLiteral("?!"));
    entreeTag(m, QStringLiteral("Sommaire de l'aide"), "SommaireDelAide1", 0, aide);
    QMenu* comment = sousMenu(m, QStringLiteral("Comment..."), "Comment1", aide);
    comment->menuAction()->setData(-1);
    entreeTag(comment, QStringLiteral("étalonner ?"), "Etalonner1", 1);
    entreeTag(comment, QStringLiteral("pointer ?"), "Pointer1", 2);
    entreeTag(comment, QStringLiteral("exploiter les données ?"), "ExploiterLesDonnees1", 3);
    entreeTag(m, QStringLiteral("Aide des boutons"), "AideSurLesBoutons1", 4, aide);
    entreeTag(m, QStringLiteral("Aide des menus"), "AideDesMenus1", 5, aide);
    m->addSeparator();
    QAction* a2 = entree(m, QStringLiteral("Aide dans la barre d'état"), "Aide2",
                         QStringLiteral("Aide succincte dans la barre d'état (C'est ici !)"));
    a2->setCheckable(true);
    a2->setChecked(true);
    QAction* a3 = entree(m, QStringLiteral("Bulles d'aide"), "Aide3",
                         QStringLiteral("Bulles d'aides bleues"));
    a3->setCheckable(true);
    a3->setChecked(false);
    m->addSeparator();
    entree(m, QStringLiteral("A propos de Kinopix..."), "aPropos1");
}

} // namespace

void construire(TForm1& f) {
    actionPartagee(
        f, "RegPath", QStringLiteral("Définir le chemin d'accès"),
        QStringLiteral("Définir le chemin d'accès et la version (DOS ou Windows) de Regressi"));
    actionPartagee(f, "RegExec", QStringLiteral("Exécuter Regressi"),
                   QStringLiteral("Exécuter Regressi"))
        ->setEnabled(false);
    actionPartagee(f, "TabExec", QStringLiteral("Lancer le tableur"), QString())->setEnabled(false);
    for (const char* nom : {"AutoH", "AutoV"}) {
        const bool h = QByteArray(nom) == "AutoH";
        QAction* a = actionPartagee(
            f, nom, h ? QStringLiteral("  Horizontalement") : QStringLiteral("  Verticalement"),
            h ? QStringLiteral("Passer automatiquement au point suivant, sur une même image")
              : QStringLiteral("Passer à l'image suivante, après traitement de tous les points"));
        a->setCheckable(true);
        a->setChecked(true);
    }

    QMenuBar* barre = f.menuBar();
    barre->setObjectName("MainMenu1");
    menuFichiers(f, barre);
    menuEdition::construire(barre, f.seance->pile());
    menuClip(barre);
    menuPointages(f, barre);
    menuAide(barre);
}

} // namespace menuPrincipal
