// Saving the measurements through the window: the menu entries, the tool bar button and
// its format dialog, the text dialog, the save dialogs answered by typing a name, and what
// the user is told when a file cannot be written.

#include "FenetreExport.h"
#include "app/DossierTest.h"
#include "dialogs/TFormatTxtBox.h"
#include "export/ControleurFichiers.h"
#include "export/FichiersMesures.h"
#include "export/Releve.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "platform/DialogueFichier.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QToolButton>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace fenetreExport;

namespace {

const char kDonneesRegressi[] = "0.000 1.00E+0 1.00E+0\r\n"
                                "0.040 0.00E+0 -4.00E-1\r\n"
                                "0.080 2.00E+0 2.00E+0\r\n";

// Commas in the table, as a French desktop shows them.
class LocaleFrancaise {
public:
    LocaleFrancaise() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    ~LocaleFrancaise() { QLocale::setDefault(precedente_); }

private:
    QLocale precedente_;
};

} // namespace

class EnregistrementMesures : public DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        QLocale::setDefault(QLocale::c());
    }
};

TEST_F(EnregistrementMesures, EachFormatThroughTheMenuAndTheButton) {
    LocaleFrancaise francais;
    auto f = clipMesure();
    ASSERT_EQ(f->tableau->grille1().cellule(2, 2), "-4,00E-1");
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());

    // Regressi Windows from the menu: the dialog's title, filter and default extension.
    reponse::Vu vu;
    QString filtre, suffixe;
    reponse::dialogue(
        [&](QWidget* d) {
            filtre = d->findChild<QComboBox*>("fileTypeCombo")->currentText();
            suffixe = qobject_cast<QFileDialog*>(d)->defaultSuffix();
            taper(d, "chute"); // in the folder the dialog starts from
        },
        &vu);
    f->action("mnuAuFormatRW3")->trigger();
    EXPECT_EQ(vu.objet, "SaveDialogReg");
    EXPECT_EQ(vu.titre, "Enregistrement des mesures au format Regressi Windows (*.rw3)");
    EXPECT_EQ(filtre, "fichiers Regressi Windows (*.rw3)");
    EXPECT_EQ(suffixe, "rw3");
    const QByteArray rw3 = contenu(chemin("chute.rw3"));
    EXPECT_TRUE(rw3.startsWith("EVARISTE REGRESSI WINDOWS 1.0\r\n\xA3"
                               "3 NOM VAR\r\nt\r\nx\r\ny\r\n"));
    EXPECT_TRUE(rw3.endsWith(QByteArray("\xA3"
                                        "1 PAGE COMMENT\r\n\r\n&5 VALEUR VAR\r\n") +
                             kDonneesRegressi + "&2 OPTIONS\r\n1\r\n1\r\n"));
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());

    // Regressi DOS from the button and its format dialog; the save dialog starts from the
    // last name chosen in it.
    QString nomPropose;
    reponse::dialogue([&](QWidget* format) {
        EXPECT_EQ(format->objectName(), "TsauverMesuresBox");
        EXPECT_EQ(format->windowTitle(), "Enregistrement des mesures");
        EXPECT_EQ(format->findChild<QGroupBox*>("rgFormat")->title(), " Format ");
        EXPECT_TRUE(format->findChild<QRadioButton*>("rgFormat_0")->isChecked());
        reponse::dialogue([&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(),
                      "Enregistrement des mesures au format Regressi DOS (*.rrr)");
            EXPECT_EQ(d->findChild<QComboBox*>("fileTypeCombo")->currentText(),
                      "fichiers Regressi Dos (*.rrr)");
            nomPropose = d->findChild<QLineEdit*>("fileNameEdit")->text();
            taper(d, "chute"); // in the folder the dialog starts from
        });
        cliquer(format, "rgFormat_1");
        cliquer(format, "OKBtn");
    });
    f->controle<QToolButton>("bbtnEnregistrerMesures")->click();
    EXPECT_EQ(nomPropose, "chute.rw3");
    const QByteArray rrr = contenu(chemin("chute.rrr"));
    EXPECT_TRUE(rrr.startsWith("EVARISTE REGRESSI 2.0\r\nPointages Kinopix\r\n t x y\r\n"));
    EXPECT_TRUE(rrr.endsWith(QByteArray("Clavier\r\n\x7F\r\n") + kDonneesRegressi));

    // Text from the button: the format choice stayed on DOS and is changed to text; a title
    // with accents, the locale's commas kept in the numbers. The comma, chosen under a
    // point-decimal locale, cannot separate them: "Point virgule" takes its place.
    f->dlg.FormatTxtBox->findChild<QRadioButton*>("rgSeparTxt_2")->setChecked(true);
    reponse::dialogue([&](QWidget* format) {
        EXPECT_TRUE(format->findChild<QRadioButton*>("rgFormat_1")->isChecked());
        reponse::dialogue([&](QWidget* texte) {
            EXPECT_EQ(texte->objectName(), "TFormatTxtBox");
            EXPECT_EQ(texte->windowTitle(), "Enregistrement au format Texte (*.txt)");
            auto* titre = texte->findChild<QLineEdit*>("edFormatTxtTitre");
            EXPECT_EQ(titre->text(), "Pointages Kinopix");
            EXPECT_EQ(texte->focusWidget(), titre);
            titre->selectAll();
            QTest::keyClicks(titre, QStringLiteral("Chute d'une bille d'acier"));
            reponse::dialogue([&](QWidget* d) {
                EXPECT_EQ(d->windowTitle(), "Enregistrement des mesures au format texte (*.txt)");
                EXPECT_EQ(d->findChild<QComboBox*>("fileTypeCombo")->currentText(),
                          "fichiers texte (*.txt)");
                taper(d, "chute"); // in the folder the dialog starts from
            });
            auto* virgule = texte->findChild<QRadioButton*>("rgSeparTxt_2");
            EXPECT_FALSE(virgule->isEnabled());
            EXPECT_EQ(virgule->toolTip(), "La virgule sert déjà de séparateur décimal");
            EXPECT_TRUE(texte->findChild<QRadioButton*>("rgSeparTxt_1")->isChecked());
            cliquer(texte, "rgSeparTxt_2"); // refused
            cliquer(texte, "OKBtn");
        });
        cliquer(format, "rgFormat_2");
        cliquer(format, "OKBtn");
    });
    f->controle<QToolButton>("bbtnEnregistrerMesures")->click();
    EXPECT_EQ(contenu(chemin("chute.txt")), QByteArray("Chute d'une bille d'acier\r\n"
                                                       "t;x;y\r\n"
                                                       "(s);(m);(m)\r\n"
                                                       "0,000;1,00E+0;1,00E+0\r\n"
                                                       "0,040;0,00E+0;-4,00E-1\r\n"
                                                       "0,080;2,00E+0;2,00E+0\r\n"));
    // The files are those of the table as it stands.
    const Releve rel = f->tableau->releve();
    EXPECT_EQ(rw3, fichiersMesures::regressiWindows(rel));
    EXPECT_EQ(rrr, fichiersMesures::regressiDos(rel));
}

// Replacing a file is asked first; "Non" keeps it and the dialog stays open. Cancelling
// any dialog writes nothing; the text dialog brings back its values.
TEST_F(EnregistrementMesures, ReplaceQuestionCancelAndRememberedTextValues) {
    auto f = clipMesure();
    ecrire("ancien.rw3", "ancien contenu");

    reponse::Vu question;
    bool resteOuvert = false;
    reponse::dialogue([&](QWidget* d) {
        boite(QMessageBox::No, &question);
        taper(d, chemin("ancien"));
        QTest::qWait(50);
        resteOuvert = d->isVisible();
        qobject_cast<QDialog*>(d)->reject();
    });
    f->action("mnuAuFormatRW3")->trigger();
    EXPECT_EQ(question.texte, "ancien.rw3 existe déjà.\nVoulez-vous le remplacer ?");
    EXPECT_TRUE(resteOuvert);
    EXPECT_EQ(contenu(chemin("ancien.rw3")), "ancien contenu");
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());

    reponse::dialogue([&](QWidget* d) {
        boite(QMessageBox::Yes);
        taper(d, chemin("ancien.rw3"));
    });
    f->action("mnuAuFormatRW3")->trigger();
    EXPECT_TRUE(contenu(chemin("ancien.rw3")).startsWith("EVARISTE REGRESSI WINDOWS 1.0\r\n"));

    // Text dialog: "Annuler" restores the title and separator shown when it opened...
    TFormatTxtBox* texte = f->dlg.FormatTxtBox;
    reponse::dialogue([&](QWidget* d) {
        d->findChild<QLineEdit*>("edFormatTxtTitre")->setText("provisoire");
        cliquer(d, "rgSeparTxt_3");
        cliquer(d, "CancelBtn");
    });
    f->action("mnuAuFormatTxt")->trigger();
    EXPECT_EQ(texte->titre(), "Pointages Kinopix");
    EXPECT_EQ(texte->separateur(), "\t");
    // ...and so does a save dialog cancelled after "OK".
    reponse::dialogue([&](QWidget* d) {
        d->findChild<QLineEdit*>("edFormatTxtTitre")->setText("provisoire");
        cliquer(d, "rgSeparTxt_1");
        reponse::dialogue([](QWidget* s) { qobject_cast<QDialog*>(s)->reject(); });
        cliquer(d, "OKBtn");
    });
    f->action("mnuAuFormatTxt")->trigger();
    EXPECT_EQ(texte->titre(), "Pointages Kinopix");
    EXPECT_EQ(texte->separateur(), "\t");
    EXPECT_EQ(QDir(dossier.path()).entryList({"*.txt"}), QStringList{"kpconfig.txt"});
    // A save that went through keeps its values for the next one: empty title, spaces.
    reponse::dialogue([&](QWidget* d) {
        d->findChild<QLineEdit*>("edFormatTxtTitre")->clear();
        cliquer(d, "rgSeparTxt_3");
        reponse::dialogue([&](QWidget* s) { taper(s, chemin("vide")); });
        cliquer(d, "OKBtn");
    });
    f->action("mnuAuFormatTxt")->trigger();
    EXPECT_EQ(texte->titre(), "");
    EXPECT_EQ(texte->separateur(), " ");
    EXPECT_TRUE(
        contenu(chemin("vide.txt")).startsWith("\r\nt x y\r\n(s) (m) (m)\r\n0.000 1.00E+0"));

    // The format dialog's "Annuler" saves nothing.
    reponse::dialogue([&](QWidget* d) { cliquer(d, "CancelBtn"); });
    f->controle<QToolButton>("bbtnEnregistrerMesures")->click();
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 3); // kpconfig, rw3, txt
}

// A file that cannot be written is reported with its name and the reason; the table is
// kept, still unsaved, and an earlier file of that name is left whole.
TEST_F(EnregistrementMesures, UnwritableFolderAndFailedWrite) {
    auto f = clipMesure();
    const QString avant = f->tableau->grille1().cellule(1, 3);

    auto essayer = [&](const QString& nom, const char* action) {
        reponse::Vu erreur;
        QPointer<QTimer> veille;
        reponse::dialogue([&](QWidget* d) {
            veille = boite(QMessageBox::Ok, &erreur);
            taper(d, nom);
        });
        f->action(action)->trigger();
        arreter(veille);
        return erreur;
    };

    // A folder that does not exist.
    reponse::Vu vu = essayer(chemin("absent/mesures"), "mnuAuFormatRW3");
    EXPECT_EQ(vu.texte, QString("Les mesures n'ont pas été enregistrées dans le fichier\n%1\n\n"
                                "Le dossier n'existe pas.")
                            .arg(chemin("absent/mesures.rw3")));
    EXPECT_FALSE(QFile::exists(chemin("absent")));

    // A folder whose path goes through a plain file.
    ecrire("notes", "du texte");
    vu = essayer(chemin("notes/mesures"), "mnuAuFormatRRR");
    EXPECT_EQ(vu.texte, QString("Les mesures n'ont pas été enregistrées dans le fichier\n%1\n\n"
                                "Le chemin du dossier désigne un fichier.")
                            .arg(chemin("notes/mesures.rrr")));
    EXPECT_EQ(contenu(chemin("notes")), "du texte");

    // A read-only folder (writable all the same for a user with every right).
    const QString protege = chemin("protege");
    QDir().mkdir(protege);
    QFile::setPermissions(protege, QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() != 0) {
        vu = essayer(protege + "/mesures", "mnuAuFormatRW3");
        EXPECT_EQ(vu.texte, QString("Les mesures n'ont pas été enregistrées dans le fichier\n%1\n\n"
                                    "Le dossier est protégé en écriture.")
                                .arg(protege + "/mesures.rw3"));
        EXPECT_FALSE(QFile::exists(protege + "/mesures.rw3"));
    }
    QFile::setPermissions(protege, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A write that fails half-way (files limited to 100 bytes): the earlier file is whole.
    ecrire("ancien.rw3", "ancien contenu");
    struct rlimit ancienne {};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit petite = ancienne;
    petite.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    reponse::Vu echec;
    QPointer<QTimer> veille;
    reponse::dialogue([&](QWidget* d) {
        reponse::dialogue([&](QWidget* question) {
            veille = boite(QMessageBox::Ok, &echec);
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        taper(d, chemin("ancien"));
    });
    f->action("mnuAuFormatRW3")->trigger();
    arreter(veille);
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(contenu(chemin("ancien.rw3")), "ancien contenu");
    EXPECT_TRUE(echec.texte.endsWith("\n\nL'écriture a échoué (disque plein ?)."))
        << echec.texte.toStdString();
    EXPECT_EQ(QDir(dossier.path()).entryList({"ancien*"}, QDir::Files | QDir::Hidden),
              QStringList{"ancien.rw3"});

    EXPECT_EQ(f->tableau->grille1().cellule(1, 3), avant);
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
}
