// The dialog that sets Regressi's path and version, opened from "Définir le chemin d'accès".

#include "FenetreExport.h"
#include "app/DossierTest.h"
#include "app/FichierConfig.h"
#include "dialogs/TaccesregBox.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

using namespace fenetreExport;

namespace {

struct Vue {
    QString chemin;
    bool windows = false, dos = false, ok = false, lectureSeule = false;
};

Vue voir(QWidget* d) {
    Vue v;
    v.chemin = d->findChild<QLineEdit*>("edRegPath")->text();
    v.lectureSeule = d->findChild<QLineEdit*>("edRegPath")->isReadOnly();
    v.windows = d->findChild<QRadioButton*>("rgRegVersion_0")->isChecked();
    v.dos = d->findChild<QRadioButton*>("rgRegVersion_1")->isChecked();
    v.ok = d->findChild<QPushButton*>("OKBtn")->isEnabled();
    return v;
}

} // namespace

class AccesRegressi : public DossierTest {
protected:
    void ouvrir(TForm1& f, std::function<void(QWidget*)> agir) {
        reponse::Vu vu;
        reponse::dialogue(std::move(agir), &vu);
        f.action("mnuRegPath")->trigger();
        ASSERT_TRUE(vu.ouvert);
        EXPECT_EQ(vu.objet, "TaccesregBox");
        EXPECT_EQ(vu.titre, QString::fromUtf8("Définition du chemin d'accès à Regressi"));
    }
    bool lancementActif(TForm1& f) const {
        const bool a = f.action("RegExec")->isEnabled();
        EXPECT_EQ(f.action("mnuRegExec")->isEnabled(), a);
        EXPECT_EQ(f.controle<QToolButton>("bbtnRegExec")->isEnabled(), a);
        return a;
    }
};

TEST_F(AccesRegressi, ShowingBrowsingAndOK) {
    ecrire("Regressi.exe", "MZ");
    const QString exe = chemin("Regressi.exe");
    auto f = demarrer();
    ASSERT_EQ(f->etat.config[6], "win,dos ?");

    // Nothing known yet: no version, OK disabled. Browsing fills the path but leaves OK
    // disabled; choosing a version enables it.
    Vue debut, apresParcourir, apresVersion;
    QString titreOuverture, filtre;
    ouvrir(*f, [&](QWidget* d) {
        debut = voir(d);
        reponse::dialogue([&](QWidget* o) {
            titreOuverture = o->windowTitle();
            filtre = o->findChild<QComboBox*>("fileTypeCombo")->currentText();
            taper(o, exe);
        });
        cliquer(d, "btnParcourir");
        apresParcourir = voir(d);
        cliquer(d, "rgRegVersion_1");
        apresVersion = voir(d);
        cliquer(d, "OKBtn");
    });
    EXPECT_EQ(debut.chemin, "");
    EXPECT_TRUE(debut.lectureSeule);
    EXPECT_FALSE(debut.windows || debut.dos || debut.ok);
    EXPECT_EQ(titreOuverture, QString::fromUtf8("Définition du chemin d'accès à Regressi"));
    EXPECT_EQ(filtre, QString::fromUtf8("Regressi (éxécutable)"));
    EXPECT_EQ(apresParcourir.chemin, exe);
    EXPECT_FALSE(apresParcourir.ok);
    EXPECT_TRUE(apresVersion.dos && apresVersion.ok);

    // The DOS version is written "DOS", the path as chosen, the file rewritten; no clip is
    // open, so the launch stays disabled until one is.
    EXPECT_EQ(f->etat.config[6], "DOS");
    EXPECT_EQ(f->etat.config[7], exe);
    const auto disque = fichierConfig::lire(config());
    EXPECT_EQ(disque[6], "DOS");
    EXPECT_EQ(disque[7], exe);
    EXPECT_FALSE(lancementActif(*f));

    // Shown again: the configuration's version and path; with a clip open, OK enables the
    // launch, and Windows is written "win".
    f->setTemoinClip([] { return true; });
    Vue ensuite;
    ouvrir(*f, [&](QWidget* d) {
        ensuite = voir(d);
        cliquer(d, "rgRegVersion_0");
        cliquer(d, "OKBtn");
    });
    EXPECT_EQ(ensuite.chemin, exe);
    EXPECT_TRUE(ensuite.dos && !ensuite.windows && ensuite.ok);
    EXPECT_EQ(fichierConfig::lire(config())[6], "win");
    EXPECT_TRUE(lancementActif(*f));

    // "Annuler" changes nothing.
    ouvrir(*f, [&](QWidget* d) {
        cliquer(d, "rgRegVersion_1");
        cliquer(d, "CancelBtn");
    });
    EXPECT_EQ(f->etat.config[6], "win");
    EXPECT_TRUE(lancementActif(*f));
}

// A version chosen without a path, or a path whose file has gone: "OK" disables the launch
// and leaves the configuration as it was. A version read as "WIN" selects Windows.
TEST_F(AccesRegressi, OKWithoutAnExistingFile) {
    auto f = demarrer();
    f->setTemoinClip([] { return true; });
    f->action("RegExec")->setEnabled(true);
    const auto avant = fichierConfig::lire(config());
    ouvrir(*f, [&](QWidget* d) {
        cliquer(d, "rgRegVersion_0");
        EXPECT_TRUE(voir(d).ok);
        cliquer(d, "OKBtn");
    });
    EXPECT_FALSE(lancementActif(*f));
    EXPECT_EQ(fichierConfig::lire(config()), avant);
    EXPECT_EQ(f->etat.config[6], "win,dos ?");

    ecrire("Regressi.exe", "MZ");
    f->etat.config[6] = "WIN";
    f->etat.config[7] = chemin("Regressi.exe");
    f->action("RegExec")->setEnabled(true);
    Vue vue;
    ouvrir(*f, [&](QWidget* d) {
        vue = voir(d);
        QFile::remove(chemin("Regressi.exe"));
        cliquer(d, "OKBtn");
    });
    EXPECT_TRUE(vue.windows && vue.ok);
    EXPECT_EQ(vue.chemin, chemin("Regressi.exe"));
    EXPECT_FALSE(lancementActif(*f));
    EXPECT_EQ(fichierConfig::lire(config()), avant);

    // A path that names no file leaves the field with its earlier text.
    f->etat.config[7] = chemin("ailleurs.exe");
    ouvrir(*f, [&](QWidget* d) {
        vue = voir(d);
        cliquer(d, "CancelBtn");
    });
    EXPECT_EQ(vue.chemin, chemin("Regressi.exe"));
    EXPECT_FALSE(vue.ok);
}
