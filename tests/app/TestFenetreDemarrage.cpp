#include "DossierTest.h"
#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"
#include "app/FichierConfig.h"
#include "clip/ZonePointage.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

class FenetreDemarrage : public DossierTest {};

TEST_F(FenetreDemarrage, CommeLaVoitLUtilisateur) {
    auto f = demarrer();
    EXPECT_EQ(f->windowTitle(), "Kinopix v.3");
    EXPECT_EQ(f->pnl1AVI->findChild<QLabel*>()->text(), "Kinopix v.3");
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsMesures);
    EXPECT_EQ(f->PageControl1->tabText(0), "Mesures");
    for (const char* nom : {"mnuClip", "mnuPointages", "mnuMesures", "RegExec", "TabExec"})
        EXPECT_FALSE(f->action(nom)->isEnabled()) << nom;
    EXPECT_FALSE(f->controle<QToolButton>("bbtnIma")->isEnabled());
    EXPECT_EQ(RegistreCurseurs::idDe(f->PaintBox1), 102);
    EXPECT_EQ(f->controle<QToolButton>("bbtnOpenAvi")->toolTip(), "Ouvrir clip avi");
    EXPECT_EQ(f->controle<QToolButton>("bbtnQuitter")->statusTip(),
              "Quitter Kinopix avec regrets :-((");
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);

    const EtatSession& e = f->etat;
    EXPECT_EQ(e.dossierProgramme, QDir::currentPath());
    const EtatVue& v = f->vue;
    EXPECT_EQ(v.noImage, -1);
    EXPECT_EQ(v.largeurPnl, 410);
    EXPECT_EQ(v.largeurForm, 620);
    EXPECT_EQ(v.curseurPointage(), 102);
    EXPECT_EQ(f->width(), 620);
    EXPECT_EQ(f->height(), 465);
    EXPECT_EQ(f->PageControl1->property("contexteAide").toInt(), 210);
    EXPECT_EQ(f->fenetre->fichierAide(), dossier.path() + "/kinopix2.hlp");

    // A first start creates the configuration file.
    EXPECT_TRUE(lire("kpconfig.txt").startsWith("[version]\r\n3.0\r\n"));
    EXPECT_EQ(e.config[4], dossier.path() + "/");
}

// A Regressi path holding bytes that the code page leaves without a character: start-up
// reads the file, finds the program and writes every byte back as it was.
TEST_F(FenetreDemarrage, OctetsSansCaractereReecritsTelsQuels) {
    const QString nom = QString("regressi") + QChar(0x81) + "x" + QChar(0x9D) + ".exe";
    ecrire(nom, "MZ");
    const QByteArray fichier = "[version]\r\n3.0\r\n[clips]\r\n1\r\n" +
                               QFile::encodeName(dossier.path()) + "/\r\n[regressi]\r\nwin\r\n" +
                               QFile::encodeName(dossier.path()) +
                               "/regressi\x81x\x9D.exe\r\n[tableur]\r\nOpenOffice.Calc";
    ecrire("kpconfig.txt", fichier);
    auto f = demarrer();
    EXPECT_EQ(f->etat.config[7], chemin(nom));
    EXPECT_EQ(lire("kpconfig.txt"), fichier);
}

TEST_F(FenetreDemarrage, VingtCurseursEtLeursPointsChauds) {
    auto f = demarrer();
    const struct {
        int id, x, y;
    } attendus[] = {{50, 15, 14},  {51, 15, 14},  {101, 11, 11}, {102, 11, 11}, {103, 11, 11},
                    {201, 11, 11}, {202, 11, 11}, {203, 11, 11}, {111, 7, 24},  {211, 7, 24},
                    {112, 24, 24}, {212, 24, 24}, {113, 7, 7},   {213, 7, 7},   {114, 24, 7},
                    {214, 24, 7},  {141, 11, 11}, {142, 11, 11}, {241, 11, 11}, {242, 11, 11}};
    for (const auto& a : attendus) {
        ASSERT_TRUE(f->curseurs->contient(a.id)) << a.id;
        const QCursor c = f->curseurs->curseur(a.id);
        EXPECT_EQ(c.hotSpot(), QPoint(a.x, a.y)) << a.id;
        EXPECT_EQ(c.bitmap().size(), QSize(32, 32)) << a.id;
    }
    // Black and white variants differ in their picture, not in their outline.
    const QCursor n = f->curseurs->curseur(102), b = f->curseurs->curseur(202);
    EXPECT_EQ(n.mask().toImage(), b.mask().toImage());
    EXPECT_NE(n.bitmap().toImage(), b.bitmap().toImage());
}

TEST_F(FenetreDemarrage, BarreDEtatEtBulles) {
    auto f = demarrer();
    auto* bouton = f->controle<QToolButton>("bbtnImprimer");
    QStatusTipEvent tip(bouton->statusTip());
    QApplication::sendEvent(bouton, &tip);
    EXPECT_EQ(f->StatusBar1->currentMessage(), "Imprimer l'ensemble des points et axes");
    // Bubbles are off at start; the next hint after ticking "Bulles d'aide" turns them on.
    EXPECT_FALSE(f->fenetre->bullesActives());
    f->action("Aide3")->trigger();
    EXPECT_FALSE(f->fenetre->bullesActives());
    QStatusTipEvent vide{QString()};
    QApplication::sendEvent(bouton, &vide);
    EXPECT_TRUE(f->fenetre->bullesActives());
    EXPECT_TRUE(f->StatusBar1->currentMessage().isEmpty());

    // Status-bar help off: height 0, the text stays; on again: 19 and the next hint shows.
    QApplication::sendEvent(bouton, &tip);
    f->action("Aide2")->trigger();
    EXPECT_EQ(f->StatusBar1->maximumHeight(), 0);
    QStatusTipEvent autre(QStringLiteral("Aide"));
    QApplication::sendEvent(bouton, &autre);
    EXPECT_EQ(f->StatusBar1->currentMessage(), "Imprimer l'ensemble des points et axes");
    f->action("Aide2")->trigger();
    EXPECT_EQ(f->StatusBar1->maximumHeight(), 19);
    QApplication::sendEvent(bouton, &autre);
    EXPECT_EQ(f->StatusBar1->currentMessage(), "Aide");
}

TEST_F(FenetreDemarrage, BullesMontreesSeulementQuandCochees) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    auto* bouton = f->controle<QToolButton>("bbtnCible");
    auto survoler = [&]() {
        QStatusTipEvent tip(bouton->statusTip());
        QApplication::sendEvent(bouton, &tip);
        const QPoint centre = bouton->rect().center();
        QHelpEvent bulle(QEvent::ToolTip, centre, bouton->mapToGlobal(centre));
        QApplication::sendEvent(bouton, &bulle);
    };
    survoler();
    EXPECT_FALSE(QToolTip::isVisible());
    f->action("Aide3")->trigger();
    survoler();
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Aspect du pointeur");
    QToolTip::hideText();
    // A child without a hint shows its parent's (the point-size panel's label).
    auto* label = f->controle<QLabel>("lblTaillePoints");
    const QPoint centre = label->rect().center();
    QHelpEvent bulle(QEvent::ToolTip, centre, label->mapToGlobal(centre));
    QApplication::sendEvent(label, &bulle);
    EXPECT_EQ(QToolTip::text(), "Changer la taille des\npoints (1..5)");
    QToolTip::hideText();
}

TEST_F(FenetreDemarrage, DossierDeTravailEtNonDossierDuProgramme) {
    // Started from a shortcut: the working folder holds the files, not the program's folder.
    auto f = demarrer();
    EXPECT_TRUE(QFileInfo::exists(config()));
    EXPECT_NE(QCoreApplication::applicationDirPath(), dossier.path());
    EXPECT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/kpconfig.txt"));
    EXPECT_TRUE(f->fenetre->fichierAide().startsWith(dossier.path() + "/"));
}

TEST_F(FenetreDemarrage, MenuSurvoleMontreSaPartieLongue) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    f->action("mnuChargerAvi")->showStatusText(f->menuBar());
    EXPECT_EQ(f->StatusBar1->currentMessage(), QString::fromUtf8("Charger un clip vidéo"));
}

// Bad configuration files: start-up goes on, the window opens, no box is shown.
class ConfigIllisible : public DossierTest {
protected:
    void demarrerSansMessage() {
        reponse::Vu vu;
        reponse::bouton(QMessageBox::Ok, &vu, 300);
        auto f = demarrer();
        f->show();
        QTest::qWait(400);
        EXPECT_FALSE(vu.ouvert) << vu.texte.toStdString();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->etat.config[0], "[version]");
        EXPECT_EQ(f->etat.config[9], "tableur ?");
        config_ = f->etat.config;
    }
    fichierConfig::Lignes config_;
};

TEST_F(ConfigIllisible, OctetsAuHasard) {
    QByteArray octets;
    for (int i = 0; i < 5000; ++i)
        octets.append(static_cast<char>((i * 7919 + 13) % 256));
    ecrire("kpconfig.txt", octets);
    demarrerSansMessage();
    EXPECT_EQ(config_, fichierConfig::defauts(dossier.path()));
}

TEST_F(ConfigIllisible, SansSautDeLigneEtLignesEnormes) {
    ecrire("kpconfig.txt", QByteArray(300000, 'a'));
    demarrerSansMessage();
    ecrire("kpconfig.txt", (QByteArray(100000, 'b') + "\r\n").repeated(12));
    demarrerSansMessage();
    EXPECT_EQ(lire("kpconfig.txt").count("\r\n"), 9);
    EXPECT_TRUE(lire("kpconfig.txt").endsWith("tableur ?"));
}

TEST_F(ConfigIllisible, DossierAuLieuDuFichier) {
    ASSERT_TRUE(QDir(dossier.path()).mkdir("kpconfig.txt"));
    demarrerSansMessage();
    EXPECT_TRUE(QFileInfo(config()).isDir());
}

TEST_F(ConfigIllisible, LectureEtEcritureImpossibles) {
    // /proc/self/mem can be opened but not read at its start; /proc/version can be read but
    // never written, even by the superuser.
    ASSERT_TRUE(QFile::link("/proc/self/mem", config()));
    demarrerSansMessage();
    QFile::remove(config());
    ASSERT_TRUE(QFile::link("/proc/version", config()));
    const QByteArray avant = lire("kpconfig.txt");
    demarrerSansMessage();
    EXPECT_EQ(lire("kpconfig.txt"), avant);
    EXPECT_TRUE(QFileInfo(config()).isSymLink());
}
