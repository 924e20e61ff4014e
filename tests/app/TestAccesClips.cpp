#include "DossierTest.h"
#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "app/FichierConfig.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

struct Etat {
    bool rb1 = false, rb2 = false, ed = false, parcourir = false, ok = false, annuler = false;
    QString texte;
};

Etat relever(QWidget* d) {
    Etat e;
    e.rb1 = d->findChild<QRadioButton*>("rb1")->isChecked();
    e.rb2 = d->findChild<QRadioButton*>("rb2")->isChecked();
    e.ed = d->findChild<QLineEdit*>("edClipsPath")->isEnabled();
    e.texte = d->findChild<QLineEdit*>("edClipsPath")->text();
    e.parcourir = d->findChild<QPushButton*>("btnParcourir")->isEnabled();
    e.ok = d->findChild<QPushButton*>("OKBtn")->isEnabled();
    e.annuler = d->findChild<QPushButton*>("CancelBtn")->isEnabled();
    return e;
}

} // namespace

class AccesClips : public DossierTest {
protected:
    // Opens the dialog from the menu and lets agir fill and close it.
    void ouvrir(TForm1& f, std::function<void(QWidget*)> agir) {
        reponse::Vu vu;
        reponse::dialogue(std::move(agir), &vu);
        f.action("mnuDossierClips")->trigger();
        ASSERT_TRUE(vu.ouvert);
        EXPECT_EQ(vu.objet, "TaccesClipsBox");
        EXPECT_EQ(vu.titre, QString::fromUtf8("Définition du chemin d'accès aux clips"));
    }
};

TEST_F(AccesClips, RelitLeFichierEtEcritLesLignes4Et5SurOK) {
    auto f = demarrer();
    // The file changed on disk since start-up: the dialog shows what it holds now.
    fichierConfig::Lignes l = f->etat.config;
    l[3] = "1";
    l[4] = "/ailleurs/";
    ASSERT_TRUE(fichierConfig::ecrire(config(), l));

    Etat vu;
    ouvrir(*f, [&](QWidget* d) {
        vu = relever(d);
        d->findChild<QRadioButton*>("rb2")->click();
        d->findChild<QLineEdit*>("edClipsPath")->setText("/mes clips");
        d->findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_FALSE(vu.rb1);
    EXPECT_TRUE(vu.rb2);
    EXPECT_TRUE(vu.ed);
    EXPECT_TRUE(vu.parcourir);
    EXPECT_TRUE(vu.ok && vu.annuler);
    EXPECT_EQ(vu.texte, "/ailleurs/");
    EXPECT_EQ(f->etat.config[3], "1");
    EXPECT_EQ(f->etat.config[4], "/mes clips"); // as typed, no separator added
    EXPECT_EQ(fichierConfig::lire(config()), f->etat.config);

    // Back to the last clip's folder: the path field and the browser button are disabled.
    ouvrir(*f, [&](QWidget* d) {
        d->findChild<QRadioButton*>("rb1")->click();
        vu = relever(d);
        d->findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_FALSE(vu.ed);
    EXPECT_FALSE(vu.parcourir);
    EXPECT_EQ(fichierConfig::lire(config())[3], "0");
}

TEST_F(AccesClips, AnnulerNeChangeRienEtSansFichierRienNEstEcrit) {
    auto f = demarrer();
    const auto avant = f->etat.config;
    const QByteArray fichier = lire("kpconfig.txt");
    ouvrir(*f, [&](QWidget* d) {
        d->findChild<QRadioButton*>("rb2")->click();
        d->findChild<QLineEdit*>("edClipsPath")->setText("/autre");
        d->findChild<QPushButton*>("CancelBtn")->click();
    });
    EXPECT_EQ(f->etat.config, avant);
    EXPECT_EQ(lire("kpconfig.txt"), fichier);

    QFile::remove(config());
    ouvrir(*f, [&](QWidget* d) {
        d->findChild<QRadioButton*>("rb2")->click();
        d->findChild<QLineEdit*>("edClipsPath")->setText("/autre");
        d->findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_EQ(f->etat.config[3], "1");
    EXPECT_EQ(f->etat.config[4], "/autre");
    EXPECT_FALSE(QFile::exists(config()));
}

TEST_F(AccesClips, LigneQuatreInvalideBloqueOKJusquAuChoix) {
    auto f = demarrer();
    fichierConfig::Lignes l = f->etat.config;
    l[3] = "x";
    ASSERT_TRUE(fichierConfig::ecrire(config(), l));
    Etat avantChoix, apresChoix;
    ouvrir(*f, [&](QWidget* d) {
        avantChoix = relever(d);
        d->findChild<QRadioButton*>("rb1")->click();
        apresChoix = relever(d);
        d->findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_FALSE(avantChoix.ok);
    EXPECT_FALSE(avantChoix.annuler);
    EXPECT_TRUE(apresChoix.ok && apresChoix.annuler);
    EXPECT_EQ(f->etat.config[3], "0");
}

TEST_F(AccesClips, ParcourirRemplitLeChemin) {
    auto f = demarrer();
    QDir(dossier.path()).mkdir("films");
    QString titreNavigateur;
    QString texte;
    ouvrir(*f, [&](QWidget* d) {
        d->findChild<QRadioButton*>("rb2")->click();
        reponse::dialogue([&](QWidget* n) {
            titreNavigateur = n->windowTitle();
            auto* fd = qobject_cast<QFileDialog*>(n);
            ASSERT_NE(fd, nullptr);
            fd->setDirectory(chemin("films"));
            QMetaObject::invokeMethod(fd, "accept");
        });
        d->findChild<QPushButton*>("btnParcourir")->click();
        texte = d->findChild<QLineEdit*>("edClipsPath")->text();
        d->findChild<QPushButton*>("CancelBtn")->click();
    });
    EXPECT_EQ(titreNavigateur, "Choisissez un dossier...");
    EXPECT_EQ(texte, chemin("films"));
}
