#include "DossierTest.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"
#include "clip/ZonePointage.h"
#include "dialogs/TdlgPointeur.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

// Mode switches once a clip is open (the tests stand in for the open clip).
class Modes : public DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        f = demarrer();
        f->setTemoinClip([] { return true; });
        for (const char* nom :
             {"popUpMnuModeAcquerir", "popUpMnuModeEtalonner", "popUpMnuModeProClip"})
            f->action(nom)->setEnabled(true);
        // What clip opening does last: show "Mesures" and run the mode switch.
        f->fenetre->afficherOnglet(f->tsMesures);
        f->fenetre->PageControl1Change();
    }
    void choisir(QWidget* onglet) { f->PageControl1->setCurrentWidget(onglet); }
    int contexteBouton() {
        f->controle<QToolButton>("BitBtn1")->click();
        return f->fenetre->dernierContexteAide();
    }
    std::unique_ptr<TForm1> f;
};

TEST_F(Modes, ContextesDAideSelonLeDernierModeEntre) {
    EXPECT_EQ(contexteBouton(), 230);
    choisir(f->tsEtalon);
    EXPECT_EQ(contexteBouton(), 220);
    EXPECT_FALSE(f->action("mnuFormePointeur")->isEnabled());
    choisir(f->tsProClip);
    EXPECT_EQ(contexteBouton(), 220);
    EXPECT_TRUE(f->action("popUpMnuModeProClip")->isChecked());
    EXPECT_FALSE(f->action("popUpMnuModeEtalonner")->isChecked());
    const int demandes = f->fenetre->nombreDemandesAide();
    f->action("popUpMnuAide")->trigger();
    EXPECT_EQ(f->fenetre->nombreDemandesAide(), demandes);
    // The pop-up's mode items show the tab themselves.
    f->action("popUpMnuModeEtalonner")->trigger();
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsEtalon);
    f->action("popUpMnuAide")->trigger();
    EXPECT_EQ(f->fenetre->dernierContexteAide(), 220);
    f->action("popUpMnuModeAcquerir")->trigger();
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsMesures);
    EXPECT_TRUE(f->action("mnuFormePointeur")->isEnabled());
    EXPECT_TRUE(f->vue.redessinDemande);
    f->action("popUpMnuAide")->trigger();
    EXPECT_EQ(f->fenetre->dernierContexteAide(), 230);
}

TEST_F(Modes, EntrerDansMesuresDecocheLOrigine) {
    auto* origine = f->findChild<QRadioButton*>("rbChxOrig");
    ASSERT_NE(origine, nullptr);
    choisir(f->tsEtalon);
    origine->setChecked(true);
    if (auto* axes = f->findChild<QToolBar*>("tBarOriAxes")) axes->setEnabled(true);
    choisir(f->tsProClip);
    EXPECT_TRUE(origine->isChecked());
    choisir(f->tsMesures);
    EXPECT_FALSE(origine->isChecked());
    if (auto* axes = f->findChild<QToolBar*>("tBarOriAxes")) {
        EXPECT_FALSE(axes->isEnabled());
    }
}

TEST_F(Modes, FormeDuPointeurPriseDansLeDialogue) {
    // The shape choice of the pointer dialog, its third item picked.
    const QList<QRadioButton*> boutons =
        f->dlg.dlgPointeur->findChild<QWidget*>("rgPtForme")->findChildren<QRadioButton*>();
    ASSERT_EQ(boutons.size(), 3);
    boutons[2]->setChecked(true);

    choisir(f->tsEtalon);
    EXPECT_FALSE(boutons[0]->isEnabled());
    choisir(f->tsMesures);
    EXPECT_TRUE(boutons[0]->isEnabled());
    EXPECT_EQ(f->vue.formePointeur, 3);
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 103);
    f->vue.couleurPointeur = 2;
    choisir(f->tsEtalon);
    choisir(f->tsMesures);
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 203);
}
