#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QAction* act(TForm1& f, const char* nom) {
    QAction* a = f.action(nom);
    EXPECT_NE(a, nullptr) << nom;
    return a;
}

} // namespace

TEST(FenetreMenus, EntreesDuMenuPrincipalAvantToutClip) {
    auto f = demarrer();
    struct Attendu {
        const char* nom;
        const char* titre;
        bool actif;
    };
    const Attendu attendus[] = {
        {"mnuFichiers", "Fichiers", true},
        {"mnuChargerAvi", "Ouvrir un clip vidéo...", true},
        {"mnuDossierClips", "Accès aux clips...", true},
        {"mnuMesures", "Mesures", false},
        {"mnuReg", "Regressi", true},
        {"mnuRegPath", "Définir le chemin d'accès", true},
        {"mnuRegExec", "Exécuter Regressi", false},
        {"mnuTabChoix", "Choisir le tableur", true},
        {"mnuTabExec", "Lancer le tableur", false},
        {"mnuQuitter", "Quitter", true},
        {"mnuEdition", "Edition", true},
        {"mnuAnnuler", "Annuler", false},
        {"mnuRetablir", "Rétablir", false},
        {"mnuClip", "Clip", false},
        {"mnuPointages", "Pointages", false},
        {"mnuAutoH", "  Horizontalement", true},
        {"Aidde1", "?", true},
        {"aPropos1", "A propos de Kinopix...", true},
    };
    for (const Attendu& a : attendus) {
        QAction* x = act(*f, a.nom);
        if (x == nullptr) continue;
        EXPECT_EQ(x->text(), QString::fromUtf8(a.titre)) << a.nom;
        EXPECT_EQ(x->isEnabled(), a.actif) << a.nom;
    }
    QStringList barre;
    for (QAction* a : f->menuBar()->actions())
        barre << a->text();
    EXPECT_EQ(barre.mid(0, 3), (QStringList{"Fichiers", "Edition", "Clip"}));
    EXPECT_EQ(act(*f, "mnuAnnuler")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(act(*f, "mnuFormePointeur")->statusTip(), "Modifier la forme du pointeur ");
    EXPECT_TRUE(act(*f, "mnuPetiteCible")->isChecked());
    EXPECT_TRUE(act(*f, "mnuCouleurNoir")->isChecked());
    EXPECT_TRUE(act(*f, "mnuTaille2")->isChecked());
    EXPECT_EQ(act(*f, "mnuTaille5")->data().toInt(), 5);
    EXPECT_EQ(act(*f, "mnuFdSb9points")->data().toInt(), 28);
    EXPECT_EQ(act(*f, "mnuFdCl4points")->statusTip(),
              QString::fromUtf8("Utiliser une configuration adaptée à fond clair."));
    EXPECT_TRUE(act(*f, "mnuFdCl5points")->statusTip().isEmpty());
    EXPECT_TRUE(act(*f, "Aide2")->isChecked());
    EXPECT_FALSE(act(*f, "Aide3")->isChecked());
    EXPECT_EQ(act(*f, "AideDesMenus1")->data().toInt(), 5);
    EXPECT_EQ(act(*f, "Comment1")->data().toInt(), -1);
}

TEST(FenetreMenus, BarreOutilsEtMenusSurgissants) {
    auto f = demarrer();
    for (const char* nom : {"bbtnOpenAvi", "BitBtn1", "BitBtn3", "bbtnQuitter"})
        EXPECT_TRUE(f->controle<QToolButton>(nom)->isEnabled()) << nom;
    for (const char* nom : {"bbtnIma", "loupeBtn", "bbtnCible", "bbtnRegExec", "bbtnTabExec",
                            "bbtnCopierMesuresPP", "bbtnCopierGraphiquePP",
                            "bbtnEnregistrerMesures", "bbtnImprimer"})
        EXPECT_FALSE(f->controle<QToolButton>(nom)->isEnabled()) << nom;
    EXPECT_FALSE(f->controle<QWidget>("Panel7")->isEnabled());
    EXPECT_EQ(f->controle<QToolButton>("bbtnIma")->toolTip(),
              "Taille de l'image\n(% de l'original)");
    EXPECT_EQ(f->controle<QToolButton>("bbtnCopierGraphiquePP")->statusTip(),
              "Copier  le graphique dans le presse-papier");
    EXPECT_TRUE(f->controle<QLabel>("lblNomAvi")->text().isEmpty());

    for (const char* nom : {"popUpMenuAtteindre", "popUpMnuModeAcquerir", "popUpMnuModeEtalonner",
                            "popUpMnuModeProClip", "popUpMnuPointeur", "LoupePopupMnu"})
        EXPECT_FALSE(act(*f, nom)->isEnabled()) << nom;
    EXPECT_TRUE(act(*f, "popUpMnuAide")->isEnabled());
    EXPECT_TRUE(act(*f, "popUpMnuModeAcquerir")->isChecked());
    EXPECT_NE(f->findChild<QMenu*>("PopupMenu2"), nullptr);
    EXPECT_EQ(act(*f, "ExploiterLesDonnees2")->data().toInt(), 3);
}

TEST(FenetreMenus, EntreeEtBoutonSuiventLActionPartagee) {
    auto f = demarrer();
    QAction* regExec = act(*f, "RegExec");
    int executions = 0;
    QObject::connect(regExec, &QAction::triggered, [&]() { ++executions; });
    regExec->setEnabled(true);
    auto* bouton = f->controle<QToolButton>("bbtnRegExec");
    EXPECT_TRUE(act(*f, "mnuRegExec")->isEnabled());
    EXPECT_TRUE(bouton->isEnabled());
    // The command asks before it starts anything: "Non".
    reponse::bouton(QMessageBox::No);
    bouton->click();
    reponse::bouton(QMessageBox::No);
    act(*f, "mnuRegExec")->trigger();
    EXPECT_EQ(executions, 2);

    QAction* autoH = act(*f, "AutoH");
    act(*f, "mnuAutoH")->trigger();
    EXPECT_FALSE(autoH->isChecked());
    EXPECT_FALSE(act(*f, "mnuAutoH")->isChecked());
    autoH->setChecked(true);
    EXPECT_TRUE(act(*f, "mnuAutoH")->isChecked());
}

TEST(FenetreMenus, GroupeDesCommandesDExport) {
    auto f = demarrer();
    f->fenetre->OptTraitt(true);
    for (const char* nom : {"RegExec", "mnuRegExec", "TabExec", "mnuTabExec", "mnuCopierPP",
                            "mnuEnregFic", "mnuImprimer"})
        EXPECT_TRUE(act(*f, nom)->isEnabled()) << nom;
    for (const char* nom : {"bbtnRegExec", "bbtnTabExec", "bbtnCopierMesuresPP",
                            "bbtnCopierGraphiquePP", "bbtnEnregistrerMesures", "bbtnImprimer"})
        EXPECT_TRUE(f->controle<QToolButton>(nom)->isEnabled()) << nom;
    // Not part of the group.
    EXPECT_FALSE(f->controle<QToolButton>("bbtnIma")->isEnabled());
    EXPECT_FALSE(act(*f, "mnuMesures")->isEnabled());
}
