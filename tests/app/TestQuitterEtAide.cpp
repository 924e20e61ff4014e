#include "DossierTest.h"
#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"
#include "app/VisionneuseAide.h"
#include "dialogs/TAboutBox.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

class Quitter : public DossierTest {};

TEST_F(Quitter, NonGardeLaFenetreOuiLaFermeSansRecrireLaConfig) {
    auto f = demarrer();
    f->show();
    f->etat.config[9] = "Microsoft Excel"; // changed in memory only
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.echelle = 0.0025L;
        c.xOrig = 17;
    });
    const QByteArray avant = lire("kpconfig.txt");
    const QDateTime date = QFileInfo(config()).lastModified();
    QThread::msleep(20);

    // The box speaks French down to its buttons, whatever the system's language.
    reponse::Vu vu;
    QString texteOui, texteNon;
    reponse::dialogue(
        [&](QWidget* w) {
            auto* boite = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(boite, nullptr);
            ASSERT_TRUE(boite->button(QMessageBox::Yes) && boite->button(QMessageBox::No));
            texteOui = boite->button(QMessageBox::Yes)->text().remove('&');
            texteNon = boite->button(QMessageBox::No)->text().remove('&');
            boite->button(QMessageBox::No)->click();
        },
        &vu);
    f->action("mnuQuitter")->trigger();
    EXPECT_TRUE(vu.ouvert);
    EXPECT_EQ(texteOui, "Oui");
    EXPECT_EQ(texteNon, "Non");
    EXPECT_EQ(vu.texte, "Voulez-vous vraiment quitter ?");
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->seance->etalonnage().echelle, 0.0025L);
    EXPECT_EQ(f->seance->etalonnage().xOrig, 17);

    reponse::bouton(QMessageBox::No);
    f->close(); // the window's own close box
    EXPECT_TRUE(f->isVisible());

    reponse::Vu oui;
    reponse::bouton(QMessageBox::Yes, &oui);
    f->controle<QToolButton>("bbtnQuitter")->click();
    EXPECT_TRUE(oui.ouvert);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(lire("kpconfig.txt"), avant);
    EXPECT_EQ(QFileInfo(config()).lastModified(), date);
}

class Aide : public DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        QFile::copy(KINOPIX_SOURCE_DIR "/resources/kinopix2.hlp", chemin("kinopix2.hlp"));
    }
};

TEST_F(Aide, ContextesAvantToutClip) {
    auto f = demarrer();
    ControleurFenetre& c = *f->fenetre;
    // Picking "Etalonnage" then "Mesures" without a clip leaves the context at 210.
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    EXPECT_TRUE(f->action("popUpMnuModeEtalonner")->isChecked());
    EXPECT_FALSE(f->action("mnuFormePointeur")->isEnabled());
    f->PageControl1->setCurrentWidget(f->tsMesures);
    EXPECT_TRUE(f->action("popUpMnuModeAcquerir")->isChecked());
    f->controle<QToolButton>("BitBtn1")->click();
    EXPECT_EQ(c.dernierContexteAide(), 210);
    f->action("popUpMnuAide")->trigger();
    EXPECT_EQ(c.dernierContexteAide(), 1);

    const struct {
        const char* entree;
        int contexte;
    } menus[] = {{"SommaireDelAide1", 1},       {"Etalonner1", 220},         {"Pointer1", 230},
                 {"ExploiterLesDonnees1", 240}, {"AideSurLesBoutons1", 300}, {"AideDesMenus1", 350},
                 {"Etalonner2", 220},           {"AideDesMenus2", 350}};
    for (const auto& m : menus) {
        f->action(m.entree)->trigger();
        EXPECT_EQ(c.dernierContexteAide(), m.contexte) << m.entree;
    }
    const int avant = c.nombreDemandesAide();
    c.SommaireDelAide1Click(-1); // "Comment..." itself opens nothing
    c.SommaireDelAide1Click(6);
    EXPECT_EQ(c.nombreDemandesAide(), avant);

    // The viewer shows our help file at the context's anchor.
    EXPECT_TRUE(c.visionneuse()->isVisible());
    EXPECT_EQ(c.visionneuse()->ancre(), "c350");
    EXPECT_TRUE(c.visionneuse()->texte()->toPlainText().contains("Aide des menus"));
}

TEST_F(Aide, ToucheF1DonneLeContexteDuControleOuDeSonParent) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    QWidget* dansOnglet = new QLineEdit(f->tsMesures);
    dansOnglet->show();
    dansOnglet->setFocus();
    QTest::keyClick(dansOnglet, Qt::Key_F1);
    EXPECT_EQ(f->fenetre->dernierContexteAide(), 210);
    f->controle<QToolButton>("bbtnOpenAvi")->setFocus();
    QTest::keyClick(f.get(), Qt::Key_F1);
    EXPECT_EQ(f->fenetre->dernierContexteAide(), 1);

    // In a dialog: its own context, else the main window's; the help is not blocked by it.
    int dansDialogue = -1, sansContexte = -1;
    bool aideModale = false;
    f->dlg.AboutBox->setProperty("contexteAide", 240);
    reponse::dialogue([&](QWidget* d) {
        QTest::keyClick(d, Qt::Key_F1);
        dansDialogue = f->fenetre->dernierContexteAide();
        aideModale = f->fenetre->visionneuse()->isModal();
        f->fenetre->visionneuse()->close();
        d->setProperty("contexteAide", QVariant());
        QTest::keyClick(d, Qt::Key_F1);
        sansContexte = f->fenetre->dernierContexteAide();
        f->fenetre->visionneuse()->close();
        static_cast<QDialog*>(d)->accept();
    });
    f->action("aPropos1")->trigger();
    EXPECT_EQ(dansDialogue, 240);
    EXPECT_TRUE(aideModale);
    EXPECT_EQ(sansContexte, 1);
    f->controle<QToolButton>("BitBtn1")->click();
    EXPECT_FALSE(f->fenetre->visionneuse()->isModal());
}

TEST_F(Aide, MenuDAideSousLesBoutons) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    auto* aide = f->controle<QToolButton>("BitBtn1");
    auto* fleche = f->controle<QToolButton>("BitBtn3");
    const QPoint attendu(fleche->mapToGlobal(QPoint(0, 0)).x() - aide->width(),
                         fleche->mapToGlobal(QPoint(0, fleche->height())).y());
    EXPECT_EQ(f->fenetre->pointMenuAide(), attendu);
    auto* menu = f->findChild<QMenu*>("PopupMenu3");
    QTest::mousePress(fleche, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(aide->width(), 24);
    EXPECT_EQ(fleche->width(), 16);
}

TEST_F(Aide, FichierAbsentMontreUnMessage) {
    QFile::remove(chemin("kinopix2.hlp"));
    auto f = demarrer();
    f->controle<QToolButton>("BitBtn1")->click();
    EXPECT_TRUE(f->fenetre->visionneuse()->texte()->toPlainText().contains("introuvable"));
}

TEST_F(Aide, AProposDeKinopix) {
    auto f = demarrer();
    QString titre, date;
    reponse::Vu vu;
    reponse::dialogue(
        [&](QWidget* d) {
            titre = d->findChild<QLabel*>("lblTitre")->text();
            date = d->findChild<QLabel*>("lblDate")->text();
            d->findChild<QAbstractButton*>("OKButton")->click();
        },
        &vu);
    f->action("aPropos1")->trigger();
    EXPECT_EQ(vu.objet, "TAboutBox");
    EXPECT_EQ(vu.titre, "A propos...");
    EXPECT_EQ(titre, "Kinopix v.3.02");
    EXPECT_EQ(date, "25/05/2007");
}

class Redimension : public DossierTest {};

TEST_F(Redimension, PartDuClipEnArithmetiqueEntiere) {
    auto f = demarrer();
    f->resize(1288, 700);
    f->fenetre->FormResize();
    EXPECT_EQ(f->vue.largeurPnl, 852);
    EXPECT_EQ(f->vue.largeurForm, 1288);
    EXPECT_TRUE(f->action("mnuImaAdapter")->isEnabled());
    EXPECT_TRUE(f->vue.adapte);
    // A resize that keeps the width still adds its pixel.
    f->resize(1288, 600);
    f->fenetre->FormResize();
    EXPECT_EQ(f->vue.largeurPnl, 853);
    // Before any clip the name label stays empty.
    EXPECT_TRUE(f->controle<QLabel>("lblNomAvi")->text().isEmpty());
}

TEST_F(Redimension, NomDuClipRaccourciALaLargeur) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    f->resize(900, 500);
    QTest::qWait(50);
    auto* label = f->controle<QLabel>("lblNomAvi");
    EXPECT_EQ(label->width(), f->ToolBar1->width() - label->x() - 34);
    const QString chemin = "/home/prof/documents/physique/clips/chute-libre/balle-de-tennis.avi";
    f->fenetre->afficherNomClip(chemin);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    f->resize(2400, 500);
    QTest::qWait(50);
    EXPECT_EQ(label->text(), chemin);
}
