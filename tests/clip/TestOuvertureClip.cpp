#include "aides/AviAbime.h"
#include "aides/ClipsTest.h"
#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"
#include "clip/AviFabrique.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/ImpressionQt.h"
#include "clip/LienFabrique.h"
#include "clip/TailleFichier.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// 25 images per second, 10 images, 320 x 240 MJPEG in AVI.
QString clip25() {
    return clipstest::clip("ouverture25.avi", {"--codec", "mjpeg", "--size", "320x240", "--rate",
                                               "25", "--frames", "10"});
}

QString texte(TForm1& f, const char* nom) {
    auto* l = f.controle<QLabel>(nom);
    return l != nullptr ? l->text() : QStringLiteral("<absent>");
}

bool actif(TForm1& f, const char* nom) {
    if (QAction* a = f.action(nom)) return a->isEnabled();
    if (auto* w = f.findChild<QWidget*>(nom)) return w->isEnabled();
    ADD_FAILURE() << "absent : " << nom;
    return false;
}

// Opens a clip as "Ouvrir" in the dialog does; fails the test on an error box.
void ouvrir(TForm1& f, const QString& chemin) {
    ASSERT_FALSE(chemin.isEmpty()) << "clipgen";
    ASSERT_TRUE(f.clip->ouvrirClip(chemin));
}

QString ecrire(const QString& nom, const QByteArray& octets) {
    const QString chemin = clipstest::dossier() + "/" + nom;
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
    return chemin;
}

QString copie(const QString& source, const QString& nom, qint64 taille = -1) {
    QFile f(source);
    f.open(QIODevice::ReadOnly);
    QByteArray octets = f.readAll();
    if (taille >= 0) octets.truncate(taille);
    const QString chemin = clipstest::dossier() + "/" + nom;
    QFile c(chemin);
    c.open(QIODevice::WriteOnly);
    c.write(octets);
    return chemin;
}

// Types the file's full path in the open dialog and presses "Ouvrir".
void choisir(QWidget* dialogue, const QString& chemin) {
    auto* nom = dialogue->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nom, nullptr);
    nom->setText(chemin);
    QMetaObject::invokeMethod(dialogue, "accept");
}

// In the open dialog, as a user does: a single click on `apercu` in the list (its preview
// fills the tab, unless it was already the dialog's current file), then the whole path of
// `chemin` typed and "Ouvrir", or "Annuler" when `chemin` is empty. `vu` receives the file
// named by the tab while browsing.
void cliquerPuisTaper(QWidget* w, TForm1& f, const QString& apercu, const QString& chemin,
                      QString* vu) {
    auto* dialogue = qobject_cast<QFileDialog*>(w);
    auto* liste = w->findChild<QListView*>("listView");
    ASSERT_TRUE(dialogue && liste);
    dialogue->setDirectory(QFileInfo(apercu).absolutePath());
    // The folder is read in the background; the clip chosen the time before is selected
    // again once it has been.
    const auto trouve = [&] {
        const QModelIndex racine = liste->rootIndex();
        for (int r = 0; liste->model() && r < liste->model()->rowCount(racine); ++r) {
            const QModelIndex i = liste->model()->index(r, 0, racine);
            if (i.data().toString() == QFileInfo(apercu).fileName()) return i;
        }
        return QModelIndex();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return trouve().isValid(); }, 5000));
    QTest::qWait(20);
    liste->scrollTo(trouve());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(trouve()).center());
    *vu = texte(f, "lblFile");
    if (chemin.isEmpty()) {
        dialogue->reject();
        return;
    }
    auto* nom = w->findChild<QLineEdit*>("fileNameEdit");
    nom->setFocus();
    nom->setText(chemin);
    QMetaObject::invokeMethod(dialogue, "accept");
}

} // namespace

TEST(OuvertureClip, StateAfterOpening) {
    auto f = demarrer();
    f->show();
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.xOrig = 12;
        c.sensY = -1;
        c.echelle = 0.5L;
    });
    const QString chemin = clip25();
    ouvrir(*f, chemin);
    const EtatVue& e = f->vue;

    EXPECT_TRUE(f->clipOuvert());
    EXPECT_EQ(f->seance->clip().nbImages, 10);
    EXPECT_NEAR(double(f->seance->clip().periode), 0.04, 1e-9);
    EXPECT_EQ(e.frequence, 25);
    EXPECT_EQ(f->seance->clip().nom(), "ouverture25.avi");
    EXPECT_EQ(f->seance->clip().largeur, 320);
    EXPECT_EQ(f->seance->clip().hauteur, 240);
    EXPECT_EQ(e.largeurAff, 320);
    EXPECT_EQ(e.hauteurAff, 240);
    EXPECT_EQ(f->seance->etalonnage().xOrig, 0);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 239);
    EXPECT_EQ(f->seance->etalonnage().sensX, 1);
    EXPECT_EQ(f->seance->etalonnage().sensY, 1);
    EXPECT_EQ(double(f->seance->etalonnage().echelle), 1.0);
    EXPECT_EQ(e.taillePc, 100);
    EXPECT_TRUE(e.adapte);
    EXPECT_FALSE(e.appliquerTaille);
    EXPECT_FALSE(e.effacerSansConfirmer);
    EXPECT_TRUE(e.echelleImpressionARevoir);
    EXPECT_EQ(e.fourccClip.toLower(), "mjpg");

    // The panel is the clip plus a 4-pixel frame; the pointing surface lies over the video.
    EXPECT_EQ(f->pnl1AVI->size(), QSize(328, 248));
    EXPECT_EQ(f->PaintBox1->geometry(), QRect(4, 4, 320, 240));
    EXPECT_EQ(f->MediaPlayer1->rectangleAffichage(), QRect(4, 4, 320, 240));
    EXPECT_EQ(f->pnl1AVI->toolTip(), "Glisser-déplacer l'image");
    EXPECT_EQ(f->pnl1AVI->statusTip(), "Glisser-déplacer l'image");
    EXPECT_EQ(f->pnl1AVI->findChild<QLabel*>("pnl1AVILegende")->text(), ""); // no caption
    EXPECT_EQ(RegistreCurseurs::idDe(f->pnl1AVI), 50);
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 102);

    // The first image of the clip is on screen.
    EXPECT_EQ(f->MediaPlayer1->indexAffiche(), 0);
    EXPECT_EQ(clipstest::indexAffiche(f->pnl1AVI, QRect(4, 4, 320, 240)), 0);

    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsMesures);
    EXPECT_EQ(texte(*f, "lblNoImage2"), "1");
    EXPECT_EQ(texte(*f, "lblNoImage4"), "10");
    EXPECT_EQ(texte(*f, "lblAdapt"), "Adaptation : 100%");
    for (const char* nom :
         {"bbtnIma", "loupeBtn", "bbtnCible", "mnuClip", "mnuImaAdapter", "mnuPointages",
          "mnuMesures", "mnuCopierPP", "popUpMnuPointeur", "popUpMnuModeAcquerir",
          "popUpMnuModeEtalonner", "popUpMnuModeProClip", "LoupePopupMnu", "Panel7",
          "bbtnEnregistrerMesures", "bbtnCopierMesuresPP", "bbtnCopierGraphiquePP", "rbChxOrig",
          "rbEtalonSimu"})
        EXPECT_TRUE(actif(*f, nom)) << nom;
    EXPECT_FALSE(actif(*f, "mnuIma100"));
}

TEST(OuvertureClip, PropertiesTabShowsTheOpenClip) {
    auto f = demarrer();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ouvrir(*f, clip25());
    f->clip->RAZProClip();
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : ouverture25.avi");
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 10");
    EXPECT_EQ(texte(*f, "lblDurTot"), "Durée du clip : 0,400 s");
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : 25 images / s");
    EXPECT_EQ(texte(*f, "lblPeriode"), "Durée / image : 40 ms");
    EXPECT_EQ(texte(*f, "lblDimL"), "Largeur : 320 pixels");
    EXPECT_EQ(texte(*f, "lblDimH"), "Hauteur : 240 pixels");
    EXPECT_EQ(texte(*f, "lblAdapt"), "Adaptation : 100%");
    EXPECT_EQ(texte(*f, "lblCodec3"), "inconnu");
    EXPECT_EQ(f->vue.fourccClip, "mjpg"); // lowered once shown
    QLocale::setDefault(QLocale::system());
}

TEST(OuvertureClip, TimeColumnFollowsTheClipsPeriodInTheLocale) {
    for (const auto& [langue, sep] :
         {std::pair{QLocale::French, ","}, std::pair{QLocale::English, "."}}) {
        QLocale::setDefault(QLocale(langue));
        auto f = demarrer();
        ouvrir(*f, clip25());
        const GrilleMesures& t = f->tableau->grille1();
        EXPECT_EQ(t.lignes(), 11);
        EXPECT_EQ(t.cellule(0, 1), QString("0") + sep + "000");
        EXPECT_EQ(t.cellule(0, 2), QString("0") + sep + "040");
        EXPECT_EQ(t.cellule(0, 3), QString("0") + sep + "080");
        EXPECT_EQ(t.cellule(0, 10), QString("0") + sep + "360");
        EXPECT_EQ(f->seance->decimalesT(), 3);
    }
    QLocale::setDefault(QLocale::system());
}

TEST(OuvertureClip, NtscRateKeepsItsExactPeriod) {
    QLocale::setDefault(QLocale(QLocale::English));
    auto f = demarrer();
    ouvrir(*f, clipstest::clip("ntsc.avi", {"--rate", "30000/1001", "--frames", "10"}));
    EXPECT_NEAR(double(f->seance->clip().periode), 1001.0 / 30000, 1e-12);
    EXPECT_EQ(f->vue.frequence, 30);
    EXPECT_EQ(f->tableau->grille1().cellule(0, 10), "0.300"); // 9 x 33.367 ms
    EXPECT_TRUE(f->seance->clip().dates.empty());             // evenly spaced: (r - t0) x periode
    QLocale::setDefault(QLocale::system());
}

// Filmed at a varying rate: 25 images per second, 200 ms missing after image 20, a jitter
// of 0, 6 or 12 ms. The t column holds each image's own time from the time origin.
TEST(OuvertureClip, VariableRateClipIsTimedByItsOwnClock) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto f = demarrer();
    auto date = [](int i) { return i / 25.0 + (i >= 20 ? 0.2 : 0.0) + (i % 3) * 0.006; };
    ouvrir(*f, clipstest::clip("vfr-fenetre.mp4", {"--codec", "h264", "--bframes", "2", "--gop",
                                                   "250", "--frames", "30", "--size", "160x120",
                                                   "--pts", "40*N+gte(N\\,20)*200+mod(N\\,3)*6"}));
    const GrilleMesures& t = f->tableau->grille1();
    ASSERT_EQ(t.lignes(), 31);
    auto attendu = [](double s) { return QString::number(s, 'f', 3).replace('.', ','); };
    for (int r = 1; r <= 30; ++r)
        EXPECT_EQ(t.cellule(0, r), attendu(date(r - 1))) << "row " << r;
    f->clip->RAZProClip();
    // 29 intervals over 29/25 + 0.2 + 0.012 s: about 21.1 images per second.
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : variable (moyenne 21 images / s)");
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 30");

    // A new time origin: times from that image's own time.
    auto* u = f->findChild<HautBas*>("udt0");
    ASSERT_NE(u, nullptr);
    u->stepBy(21); // image 22
    emit u->relache();
    EXPECT_TRUE(t.cellule(0, 21).isEmpty());
    EXPECT_EQ(t.cellule(0, 22), "0,000");
    for (int r = 23; r <= 30; ++r)
        EXPECT_EQ(t.cellule(0, r), attendu(date(r - 1) - date(21))) << "row " << r;

    // The next clip, evenly spaced, goes back to the period.
    ouvrir(*f, clip25());
    EXPECT_TRUE(f->seance->clip().dates.empty());
    EXPECT_EQ(f->tableau->grille1().cellule(0, 10), "0,360");
    f->clip->RAZProClip();
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : 25 images / s");
    QLocale::setDefault(QLocale::system());
}

TEST(OuvertureClip, CancellingKeepsTheOpenClip) {
    auto f = demarrer();
    ouvrir(*f, clip25());
    etalonner(*f->seance, [&](Etalonnage& c) { c.xOrig = 17; });
    reponse::dialogue([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    f->clip->bbtnOpenAviClick();
    EXPECT_TRUE(f->clipOuvert());
    EXPECT_EQ(f->seance->etalonnage().xOrig, 17);
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsProClip);
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : ouverture25.avi");
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 10");
}

// Whatever file the dialog previewed last, the tab then describes the clip that is open.
TEST(OuvertureClip, PropertiesTabDescribesTheOpenClipNotTheLastPreview) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString a = clip25();
    const QString b = clipstest::clip("proprietes_b.avi", {"--codec", "mjpeg", "--size", "160x120",
                                                           "--rate", "10", "--frames", "7"});
    const QString c = ecrire("apercu_c.avi", fabrique::canonique({}));
    const QString illisible = ecrire("illisible.avi", "Ceci n'est pas un clip.\r\n");
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    const QStringList tabB{"Fichier : proprietes_b.avi", "Nombre d'images : 7",
                           "Fréquence : 10 images / s",  "Largeur : 160 pixels",
                           "Hauteur : 120 pixels",       "Adaptation : 100%"};
    auto tab = [&] {
        QStringList t;
        for (const char* nom :
             {"lblFile", "lblNbImages", "lblFrequence", "lblDimL", "lblDimH", "lblAdapt"})
            t << texte(*f, nom);
        return t;
    };
    // Browses with a click on `apercu`, then opens `chemin` (cancels when empty); `erreur`
    // answers the error box of a file that does not open.
    auto parcourir = [&](const QString& apercu, const QString& chemin,
                         reponse::Vu* erreur = nullptr) {
        QString vu;
        reponse::dialogue([&](QWidget* w) {
            cliquerPuisTaper(w, *f, apercu, chemin, &vu);
            if (erreur != nullptr) reponse::bouton(QMessageBox::Ok, erreur);
        });
        f->controle<QToolButton>("bbtnOpenAvi")->click();
        EXPECT_EQ(vu, "Fichier : " + QFileInfo(apercu).fileName()); // previewed
    };

    parcourir(a, b);
    ASSERT_EQ(f->seance->clip().nom(), "proprietes_b.avi");
    EXPECT_EQ(tab(), tabB);

    // Cancelled, or a file that does not open: the tab describes B, which stays open.
    parcourir(c, QString());
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsProClip);
    EXPECT_EQ(tab(), tabB);
    reponse::Vu erreur;
    parcourir(a, illisible, &erreur);
    EXPECT_TRUE(erreur.ouvert);
    EXPECT_EQ(f->seance->clip().nom(), "proprietes_b.avi");
    EXPECT_EQ(tab(), tabB);
    QLocale::setDefault(QLocale::system());
}

TEST(OuvertureClip, DialogOpensTheChosenFileAndFollowsShortcuts) {
    auto f = demarrer();
    const QString chemin = clip25();
    reponse::dialogue([&](QWidget* w) { choisir(w, chemin); });
    f->controle<QToolButton>("bbtnOpenAvi")->click();
    EXPECT_TRUE(f->clipOuvert());
    EXPECT_EQ(f->MediaPlayer1->nomFichier(), QFileInfo(chemin).absoluteFilePath());

    // A shortcut chosen in the dialog opens its target.
    const QString second = clipstest::clip("par_raccourci.avi", {"--frames", "3"});
    const QString lien = clipstest::dossier() + "/vers second.lnk";
    QFile l(lien);
    ASSERT_TRUE(l.open(QIODevice::WriteOnly));
    l.write(lienRelatif("par_raccourci.avi"));
    l.close();
    reponse::dialogue([&](QWidget* w) { choisir(w, lien); });
    f->action("mnuChargerAvi")->trigger();
    EXPECT_EQ(f->seance->clip().nbImages, 3);
    EXPECT_EQ(f->seance->clip().nom(), "par_raccourci.avi");
}

TEST(OuvertureClip, ClipsFolderFollowsTheLastClipOnlyInMode0) {
    QTemporaryDir programme;
    auto f = demarrer();
    f->etat.dossierProgramme = programme.path();
    const QString chemin = clip25();

    f->etat.config[3] = "1";
    f->etat.config[4] = "/ailleurs/";
    ouvrir(*f, chemin);
    EXPECT_EQ(f->etat.config[4], "/ailleurs/");
    EXPECT_FALSE(f->fenetre->configExiste()); // the file is not written either

    // Mode 0: line 5 follows the clip's folder and the file is written at once.
    f->etat.config[3] = "0";
    ouvrir(*f, chemin);
    const QString dossier = QFileInfo(chemin).absolutePath() + "/";
    EXPECT_EQ(f->etat.config[4], dossier);
    ASSERT_TRUE(f->fenetre->configExiste());
    EXPECT_EQ(f->fenetre->lireConfig()[4], dossier);
}

TEST(OuvertureClip, OneImageClipEnablesForwardCommands) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ouvrir(*f, clipstest::clip("une_image.avi", {"--codec", "mjpeg", "--frames", "1"}));
    EXPECT_EQ(f->seance->clip().nbImages, 1);
    // What the user sees once the deferred redraws and the window's repaints have run.
    QTest::qWait(300);
    EXPECT_FALSE(f->vue.redessinDemande);
    for (const char* nom : {"bbtnPlay", "bbtnFin", "bbtnSui"})
        EXPECT_TRUE(actif(*f, nom)) << nom;
    for (const char* nom : {"bbtnDeb", "bbtnPre"})
        EXPECT_FALSE(actif(*f, nom)) << nom;
    EXPECT_EQ(f->navigation->lblNoImage2->text(), "1");
    // Their commands have nowhere to go and change nothing.
    f->navigation->bbtnSui->click();
    f->navigation->bbtnFin->click();
    EXPECT_EQ(f->vue.noImage, 0);
    EXPECT_EQ(f->navigation->lblNoImage2->text(), "1");
}

TEST(OuvertureClip, AnotherClipReplacesTheFirst) {
    auto f = demarrer();
    ouvrir(*f, clip25());
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.xOrig = 40;
        c.echelle = 0.01L;
        c.p1 = QPoint(30, 40);
        c.p2 = QPoint(50, 60);
    });
    f->tableau->ecrirePoint(1, 3, 100, 50);
    ASSERT_FALSE(f->tableau->grille0().cellule(1, 3).isEmpty());
    // Appearance chosen for point 1 survives; a second point's does not matter here.
    f->vue.aspectPoints.setCellule(1, 0, "255");
    f->vue.aspectPoints.setCellule(0, 1, "0");
    const QString second =
        clipstest::clip("ouverture_second.avi",
                        {"--codec", "mjpeg", "--size", "160x120", "--rate", "10", "--frames", "7"});
    ouvrir(*f, second);
    EXPECT_EQ(f->seance->clip().nbImages, 7);
    EXPECT_EQ(f->vue.frequence, 10);
    EXPECT_EQ(f->seance->clip().largeur, 160);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 119);
    EXPECT_EQ(f->seance->etalonnage().xOrig, 0);
    EXPECT_EQ(double(f->seance->etalonnage().echelle), 1.0);
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(1, 1));
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(2, 2));
    EXPECT_EQ(f->MediaPlayer1->nomFichier(), second);
    EXPECT_EQ(f->pnl1AVI->size(), QSize(168, 128));
    EXPECT_EQ(clipstest::indexAffiche(f->pnl1AVI, QRect(4, 4, 160, 120)), 0);
    EXPECT_TRUE(f->tableau->grille0().cellule(1, 3).isEmpty());
    EXPECT_TRUE(f->tableau->grille1().cellule(1, 3).isEmpty());
    EXPECT_EQ(f->tableau->grille1().lignes(), 8);
    EXPECT_EQ(f->vue.aspectPoints.colonnes(), 2);
    EXPECT_EQ(f->vue.aspectPoints.cellule(1, 0), "255");
    EXPECT_EQ(f->vue.aspectPoints.cellule(0, 1), "0");
    EXPECT_EQ(f->vue.aspectPoints.cellule(0, 0), "16777215");
}

TEST(OuvertureClip, AFileThatDoesNotOpenLeavesTheOpenClipItsTableAndCalibration) {
    const QString bon = clip25();
    ASSERT_FALSE(bon.isEmpty());
    fabrique::Champs vide;
    vide.images = 0;
    const QString mauvais[] = {
        copie(bon, "tronque.avi", 300), ecrire("hasard.avi", abime::hasard(50000, 3)),
        ecrire("texte.avi", "Ceci n'est pas un clip.\r\n"),
        ecrire("sans_images.avi", fabrique::canonique(vide)), clipstest::dossier() + "/absent.avi"};

    auto f = demarrer();
    QTemporaryDir programme;
    f->etat.dossierProgramme = programme.path();
    f->etat.config[3] = "0";
    ouvrir(*f, bon);
    f->tableau->ecrirePoint(1, 2, 10, 20);
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.xOrig = 40;
        c.sensY = -1;
        c.echelle = 0.01L;
        c.p1 = QPoint(30, 40);
    });
    f->navigation->mpPositionner(3);
    const QString metres = f->tableau->grille1().cellule(1, 2);
    const QString config4 = f->etat.config[4];
    for (const QString& chemin : mauvais) {
        SCOPED_TRACE(chemin.toStdString());
        reponse::Vu vu;
        reponse::bouton(QMessageBox::Ok, &vu);
        EXPECT_FALSE(f->clip->ouvrirClip(chemin));
        EXPECT_TRUE(vu.ouvert);
        // A French sentence first; the decoder's own words, when it gave any, in brackets.
        const QStringList phrases = {
            QStringLiteral("Ce fichier n'est pas un clip vidéo lisible."),
            QStringLiteral("Les images de ce clip ne peuvent pas être décodées."),
            QStringLiteral("Le clip ne peut pas être ouvert."),
            QStringLiteral("Ce clip ne contient aucune image.")};
        EXPECT_TRUE(phrases.contains(vu.texte.section('\n', 0, 0))) << vu.texte.toStdString();
        // Nothing of the open clip went: the clip on its image, the measures, the frame of
        // reference, the names and the clips folder.
        EXPECT_TRUE(f->clipOuvert());
        EXPECT_EQ(f->MediaPlayer1->nomFichier(), QFileInfo(bon).absoluteFilePath());
        EXPECT_EQ(f->vue.noImage, 3);
        EXPECT_EQ(f->MediaPlayer1->indexAffiche(), 3);
        EXPECT_EQ(f->seance->clip().nbImages, 10);
        EXPECT_EQ(f->tableau->grille0().cellule(1, 2), "10");
        EXPECT_EQ(f->tableau->grille1().cellule(1, 2), metres);
        EXPECT_EQ(f->seance->etalonnage().xOrig, 40);
        EXPECT_EQ(f->seance->etalonnage().sensY, -1);
        EXPECT_EQ(double(f->seance->etalonnage().echelle), 0.01);
        EXPECT_EQ(f->seance->etalonnage().p1, QPoint(30, 40));
        EXPECT_EQ(f->seance->clip().nom(), "ouverture25.avi");
        EXPECT_EQ(f->fenetre->cheminClip(), QFileInfo(bon).absoluteFilePath());
        EXPECT_EQ(f->etat.config[4], config4);
        EXPECT_FALSE(f->vue.effacerSansConfirmer);
    }

    // With no clip open, a failure leaves none.
    auto g = demarrer();
    reponse::bouton(QMessageBox::Ok);
    EXPECT_FALSE(g->clip->ouvrirClip(mauvais[0]));
    EXPECT_FALSE(g->clipOuvert());
    EXPECT_EQ(g->vue.noImage, -1);
}

TEST(OuvertureClip, AnotherContainerNamedAviShowsTheDecodersCodec) {
    const QString mp4 =
        clipstest::clip("conteneur.mp4", {"--codec", "h264", "--frames", "5", "--size", "160x120"});
    auto f = demarrer();
    ouvrir(*f, copie(mp4, "conteneur_mp4.avi"));
    EXPECT_EQ(f->seance->clip().nbImages, 5);
    EXPECT_EQ(f->vue.fourccClip, "h264");
    f->clip->RAZProClip();
    EXPECT_EQ(texte(*f, "lblCodec2"), "h264");
    EXPECT_EQ(texte(*f, "lblCodec3"), "inconnu");
}
