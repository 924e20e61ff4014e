// The spreadsheet commands used through the window: the choice dialog, the tool-bar button,
// the confirmation, and the cells that arrive in a real LibreOffice Calc.

#include "aides/OfficeEssai.h"
#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/DossierTest.h"
#include "dialogs/TaccesTabBox.h"
#include "export/ControleurTableur.h"
#include "measure/PointageTest.h"
#include "platform/FabriqueSysteme.h"

#include <QPushButton>
#include <QRadioButton>

using automation::PtrObjet;
using namespace pointage;

namespace {

// Chooses item `i` (-1: none) in the dialog and presses OK, or Annuler when `ok` is false.
void choisir(TForm1& f, int i, bool ok = true, reponse::Vu* vu = nullptr) {
    reponse::dialogue(
        [i, ok](QWidget* w) {
            if (i >= 0) w->findChild<QRadioButton*>(QStringLiteral("rgTab%1").arg(i))->click();
            w->findChild<QPushButton*>(ok ? "OKBtn" : "CancelBtn")->click();
        },
        vu);
    f.action("mnuTabChoix")->trigger();
}

// Clicks the tool-bar button and answers the first box; returns what it showed.
reponse::Vu lancer(TForm1& f, QMessageBox::StandardButton b) {
    reponse::Vu vu;
    reponse::bouton(b, &vu);
    QTest::mouseClick(f.controle<QToolButton>("bbtnTabExec"), Qt::LeftButton);
    return vu;
}

QByteArray ligne10(const QString& config) {
    QFile fichier(config);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return fichier.readAll().split('\n').value(9);
}

const QString kPasChoisi =
    "Tableur non précisé.\n\nChoisissez le menu\n  Fichiers/Tableur/Choisir le tableur";

} // namespace

class ChoixTableur : public DossierTest {};

TEST_F(ChoixTableur, NoChoiceStoresThePlaceholderAndTheTransferAsksForOne) {
    auto f = demarrer();
    f->setTemoinClip([] { return true; });
    f->fenetre->OptTraitt(true);
    f->etat.config[9] = "Gnumeric"; // neither name: no item shown chosen
    reponse::Vu vu;
    choisir(*f, -1, true, &vu);
    EXPECT_EQ(vu.objet, "TaccesTabBox");
    EXPECT_EQ(vu.titre, "Choix du tableur");
    EXPECT_EQ(f->etat.config[9], "tableur ?");
    EXPECT_EQ(ligne10(config()), "tableur ?");
    const reponse::Vu boite = lancer(*f, QMessageBox::Ok);
    EXPECT_EQ(boite.texte, kPasChoisi);
}

TEST_F(ChoixTableur, ANameInCapitalsIsShownChosenButOnlyOkMakesItValid) {
    auto f = demarrer();
    f->setTemoinClip([] { return true; });
    f->fenetre->OptTraitt(true);
    f->etat.config[9] = "MICROSOFT EXCEL";
    int montre = -2;
    reponse::dialogue([&montre](QWidget* w) {
        montre = qobject_cast<TaccesTabBox*>(w)->itemIndex();
        w->findChild<QPushButton*>("CancelBtn")->click();
    });
    f->action("mnuTabChoix")->trigger();
    EXPECT_EQ(montre, 1);
    EXPECT_EQ(f->etat.config[9], "MICROSOFT EXCEL");
    EXPECT_EQ(lancer(*f, QMessageBox::Ok).texte, kPasChoisi);

    // OK stores the exact name; the transfer then builds the workbook beside the clips.
    reponse::dialogue([](QWidget* w) { w->findChild<QPushButton*>("OKBtn")->click(); });
    f->action("mnuTabChoix")->trigger();
    EXPECT_EQ(f->etat.config[9], "Microsoft Excel");
    EXPECT_EQ(ligne10(config()), "Microsoft Excel");
    QStringList ouverts;
    f->tableur->fabrique().excel.ouvrir = [&ouverts](const QString& c) { ouverts << c; };
    f->etat.config[4] = dossier.path() + "/";
    const reponse::Vu question = lancer(*f, QMessageBox::Yes);
    EXPECT_EQ(question.texte, "Vous avez demandé le transfert des\ndonnées vers le tableur "
                              "Microsoft Excel :\n\nconfirmez-vous cette demande ?");
    EXPECT_EQ(ouverts, QStringList{chemin("mesures.xlsx")});
}

class FenetreTableur : public DossierTest {
protected:
    static inline OfficeEssai* office = nullptr;
    static void SetUpTestSuite() { office = new OfficeEssai; }
    static void TearDownTestSuite() { delete office; }
    void SetUp() override {
        if (!OfficeEssai::present()) GTEST_SKIP() << "LibreOffice absent";
        ASSERT_TRUE(office->bureau) << office->erreur.toStdString();
        DossierTest::SetUp();
        office->fermerDocuments();
    }
};

TEST_F(FenetreTableur, AMeasuredClipArrivesInCalcAfterYes) {
    auto f = avecClip(6);
    f->show();
    for (int i = 0; i < 4; ++i)
        clic(*f, 100 + 10 * i, 50 + i);
    choisir(*f, 0);
    EXPECT_EQ(f->etat.config[9], "OpenOffice.Calc");
    EXPECT_EQ(ligne10(config()), "OpenOffice.Calc");
    auto& office = f->tableur->fabrique().office;
    office.invisible = true;
    office.profil = this->office->options.profil;
    office.tube = this->office->options.tube;

    ASSERT_TRUE(f->controle<QToolButton>("bbtnTabExec")->isEnabled());
    const reponse::Vu vu = lancer(*f, QMessageBox::Yes);
    EXPECT_EQ(vu.texte, "Vous avez demandé le transfert des\ndonnées vers le tableur "
                        "OpenOffice.Calc :\n\nconfirmez-vous cette demande ?");
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // no message after the transfer

    const PtrObjet feuille = this->office->feuilleActive();
    auto cellule = [&](int c, int r) { return feuille->objet("getCellByPosition", {c, r}); };
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(cellule(c, 0)->appeler("getString").texte(), m(*f, c, 0));
        for (int r = 1; r <= 4; ++r) {
            long double x = 0;
            ASSERT_TRUE(lireReel(m(*f, c, r), x)) << c << "," << r;
            EXPECT_EQ(cellule(c, r)->appeler("getValue").reel(), double(x)) << c << "," << r;
        }
        EXPECT_EQ(cellule(c, 5)->appeler("getString").texte(), QString());
    }
    EXPECT_EQ(cellule(0, 0)->appeler("getString").texte(), "t(s)");
}
