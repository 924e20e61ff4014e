// Handing the table to Regressi: the launch with a real program (a script standing for
// Regressi, and a stand-in for wine on the PATH) and the failures the user is told about.

#include "FenetreExport.h"
#include "app/ControleurFenetre.h"
#include "app/DossierTest.h"
#include "app/FichierConfig.h"
#include "export/ControleurFichiers.h"
#include "export/FichiersMesures.h"
#include "export/Releve.h"
#include "measure/SessionTableau.h"

#include <QAction>
#include <QToolButton>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace fenetreExport;

namespace {

const QString kConfirmation = QString::fromUtf8(
    "Vous avez demandé le lancement\nde Regressi :\n\nconfirmez-vous cette demande ?");
const QString kSuite =
    QString::fromUtf8("\n\nChoisissez le menu\n  Fichiers/Regressi/Définir le chemin d'accès");

// For the test's thread, the rights of an ordinary user over files, even when the tests run
// as root: a folder without write permission then refuses new files.
class DroitsOrdinaires {
public:
    DroitsOrdinaires() {
        syscall(SYS_capget, &entete_, avant_);
        __user_cap_data_struct apres[2] = {avant_[0], avant_[1]};
        apres[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &entete_, apres);
    }
    ~DroitsOrdinaires() { syscall(SYS_capset, &entete_, avant_); }
    DroitsOrdinaires(const DroitsOrdinaires&) = delete;
    DroitsOrdinaires& operator=(const DroitsOrdinaires&) = delete;

private:
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct avant_[2] = {};
};

// Restores the PATH of the test program when it goes out of scope.
struct CheminsProgrammes {
    QByteArray ancien = qgetenv("PATH");
    explicit CheminsProgrammes(const QString& chemin) { qputenv("PATH", chemin.toLocal8Bit()); }
    ~CheminsProgrammes() { qputenv("PATH", ancien); }
};

} // namespace

class Regressi : public DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        QLocale::setDefault(QLocale::c());
        QDir().mkpath(dossierRegressi());
    }

    // Regressi's folder, with a space in its name: the path reaches the program whole.
    QString dossierRegressi() const { return chemin("Programmes/Regressi 3"); }
    QString appel() const { return chemin("appel.txt"); }

    // A program that writes its working folder and its arguments, one per line, to `trace`.
    void script(const QString& fichier, const QString& trace, bool executable = true) const {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"%1.part\"\n"
                        "mv \"%1.part\" \"%1\"\n")
                    .arg(trace)
                    .toLocal8Bit());
        f.close();
        if (executable) f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }

    // Lines 7 and 8 of the configuration file on disk.
    void configurer(const QString& version, const QString& programme) const {
        auto l = fichierConfig::lire(config());
        l[6] = version;
        l[7] = programme;
        ASSERT_TRUE(fichierConfig::ecrire(config(), l));
    }

    // The trace a started program leaves (it runs on its own: wait for it).
    QStringList trace(const QString& fichier) const {
        for (int i = 0; i < 500 && !QFile::exists(fichier); ++i)
            QTest::qWait(20);
        return QString::fromLocal8Bit(contenu(fichier)).split('\n', Qt::SkipEmptyParts);
    }

    // A table with one point on every image and the export commands enabled, as after
    // a clip was opened and measured.
    std::unique_ptr<SessionTableau> session() const {
        auto s = std::make_unique<SessionTableau>(6);
        s->remplir(1);
        s->f->fenetre->OptTraitt(true);
        return s;
    }

    // Presses bbtnRegExec and answers the confirmation; returns the box that follows, if any.
    reponse::Vu lancer(TForm1& f, QMessageBox::StandardButton reponse = QMessageBox::Yes) {
        reponse::Vu confirmation, suite;
        QPointer<QTimer> veille;
        reponse::dialogue(
            [&](QWidget* d) {
                if (reponse == QMessageBox::Yes) veille = boite(QMessageBox::Ok, &suite);
                qobject_cast<QMessageBox*>(d)->button(reponse)->click();
            },
            &confirmation);
        f.controle<QToolButton>("bbtnRegExec")->click();
        // Any box that follows is shown before the command returns.
        arreter(veille);
        EXPECT_EQ(confirmation.texte, kConfirmation);
        return suite;
    }
};

TEST_F(Regressi, WindowsAndDosVersionsStartTheProgramInItsFolder) {
    auto s = session();
    TForm1& f = *s->f;
    const QString programme = dossierRegressi() + "/Regressi";
    script(programme, appel());

    configurer("WIN", programme);
    EXPECT_FALSE(lancer(f).ouvert); // no error box
    EXPECT_EQ(trace(appel()), QStringList({dossierRegressi(), "~kpxreg~.rw3"}));
    const Releve rel = f.tableau->releve();
    EXPECT_EQ(contenu(dossierRegressi() + "/~kpxreg~.rw3"), fichiersMesures::regressiWindows(rel));
    EXPECT_FALSE(f.tableau->mesuresNonEnregistrees());

    // DOS, from the menu entry, with the version in mixed case.
    QFile::remove(appel());
    configurer("Dos", programme);
    reponse::dialogue(
        [](QWidget* d) { qobject_cast<QMessageBox*>(d)->button(QMessageBox::Yes)->click(); });
    f.action("mnuRegExec")->trigger();
    EXPECT_EQ(trace(appel()), QStringList({dossierRegressi(), "~kpxreg~.rrr"}));
    EXPECT_EQ(contenu(dossierRegressi() + "/~kpxreg~.rrr"), fichiersMesures::regressiDos(rel));

    // The temporary file cannot be written (a folder holds its name): the user is told as
    // for any measurement file, and Regressi is not started on what an earlier launch left.
    QFile::remove(appel());
    configurer("win", programme);
    QFile::remove(dossierRegressi() + "/~kpxreg~.rw3");
    QDir().mkdir(dossierRegressi() + "/~kpxreg~.rw3");
    s->t.ecrirePoint(1, 1, 3, 4);
    EXPECT_EQ(lancer(f).texte, QString::fromUtf8("Les mesures n'ont pas été enregistrées dans "
                                                 "le fichier\n%1\n\nCe nom est celui d'un "
                                                 "dossier.")
                                   .arg(dossierRegressi() + "/~kpxreg~.rw3"));
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(appel()));
    EXPECT_TRUE(f.tableau->mesuresNonEnregistrees());
    EXPECT_TRUE(f.action("RegExec")->isEnabled());
    QDir().rmdir(dossierRegressi() + "/~kpxreg~.rw3");

    // A Regressi folder that refuses new files, holding the file of an earlier launch that
    // the user may write: that file is written afresh in place.
    ecrire("Programmes/Regressi 3/~kpxreg~.rw3", "ancien");
    QFile::setPermissions(dossierRegressi(), QFile::ReadOwner | QFile::ExeOwner);
    {
        DroitsOrdinaires droits;
        EXPECT_FALSE(lancer(f).ouvert);
    }
    QFile::setPermissions(dossierRegressi(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(trace(appel()), QStringList({dossierRegressi(), "~kpxreg~.rw3"}));
    EXPECT_EQ(contenu(dossierRegressi() + "/~kpxreg~.rw3"),
              fichiersMesures::regressiWindows(f.tableau->releve()));
    EXPECT_FALSE(f.tableau->mesuresNonEnregistrees());

    // "Non": nothing written, nothing started.
    QFile::remove(appel());
    QFile::remove(dossierRegressi() + "/~kpxreg~.rw3");
    lancer(f, QMessageBox::No);
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(appel()));
    EXPECT_FALSE(QFile::exists(dossierRegressi() + "/~kpxreg~.rw3"));
    EXPECT_TRUE(f.action("RegExec")->isEnabled());
}

TEST_F(Regressi, UnknownVersionOrMissingConfiguration) {
    auto s = session();
    const QString programme = dossierRegressi() + "/Regressi";
    script(programme, appel());
    for (const QString& version : {QString("win,dos ?"), QString("windows"), QString()}) {
        configurer(version, programme);
        const reponse::Vu erreur = lancer(*s->f);
        EXPECT_EQ(erreur.texte, QString::fromUtf8("Version de Regressi indétectable.") + kSuite)
            << version.toStdString();
    }
    QFile::remove(config());
    EXPECT_EQ(lancer(*s->f).texte, QString::fromUtf8("Version de Regressi indétectable.") + kSuite);
    QTest::qWait(100);
    EXPECT_EQ(QDir(dossierRegressi()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Regressi"});
    EXPECT_TRUE(s->f->action("RegExec")->isEnabled());
}

// A path that cannot be started: the user is told, the launch is disabled, the temporary
// file stays.
TEST_F(Regressi, ProgramThatCannotBeStarted) {
    auto s = session();
    TForm1& f = *s->f;
    const QString texte = dossierRegressi() + "/regressi.txt";
    script(texte, appel(), false);
    configurer("win", texte);
    EXPECT_EQ(lancer(f).texte,
              QString::fromUtf8("Chemin d'accès à Regressi introuvable.") + kSuite);
    EXPECT_TRUE(QFile::exists(dossierRegressi() + "/~kpxreg~.rw3"));
    EXPECT_FALSE(f.action("RegExec")->isEnabled());
    EXPECT_FALSE(f.action("mnuRegExec")->isEnabled());
    EXPECT_FALSE(f.controle<QToolButton>("bbtnRegExec")->isEnabled());
    EXPECT_TRUE(f.tableau->mesuresNonEnregistrees());

    // A program that has gone since the configuration named it.
    f.action("RegExec")->setEnabled(true);
    configurer("dos", dossierRegressi() + "/disparu");
    EXPECT_EQ(lancer(f).texte,
              QString::fromUtf8("Chemin d'accès à Regressi introuvable.") + kSuite);
    EXPECT_FALSE(f.action("RegExec")->isEnabled());
}

// Regressi for Windows goes through wine, found on the PATH, in the same folder with the
// same parameter; a native program named ".exe" is started itself; without wine the start
// fails.
TEST_F(Regressi, WindowsProgramThroughWine) {
    auto s = session();
    TForm1& f = *s->f;
    const QString bin = chemin("bin");
    QDir().mkpath(bin);
    const QString appelWine = chemin("wine.txt");
    script(bin + "/wine", appelWine);
    const QString exe = dossierRegressi() + "/Regressi.exe";
    ecrire("Programmes/Regressi 3/Regressi.exe", QByteArray("MZ\x90\0\3\0\0\0", 8));

    {
        CheminsProgrammes chemins(bin + ":/usr/bin:/bin");
        configurer("win", exe);
        EXPECT_FALSE(lancer(f).ouvert);
        EXPECT_EQ(trace(appelWine), QStringList({dossierRegressi(), exe, "~kpxreg~.rw3"}));
        EXPECT_TRUE(QFile::exists(dossierRegressi() + "/~kpxreg~.rw3"));

        const QString natif = dossierRegressi() + "/Natif.exe";
        script(natif, appel());
        QFile::remove(appelWine);
        configurer("DOS", natif);
        EXPECT_FALSE(lancer(f).ouvert);
        EXPECT_EQ(trace(appel()), QStringList({dossierRegressi(), "~kpxreg~.rrr"}));
        EXPECT_FALSE(QFile::exists(appelWine));
    }
    {
        CheminsProgrammes chemins(chemin("vide"));
        configurer("win", exe);
        EXPECT_EQ(lancer(f).texte,
                  QString::fromUtf8("Chemin d'accès à Regressi introuvable.") + kSuite);
        EXPECT_FALSE(f.action("RegExec")->isEnabled());
    }
}
