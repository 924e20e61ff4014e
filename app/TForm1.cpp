#include "app/TForm1.h"

#include "app/ContexteFenetre.h"

#include "app/ControleurFenetre.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurLoupe.h"
#include "clip/ControleurNavigation.h"
#include "clip/ControleurTaille.h"
#include "clip/DefilementPanneau.h"
#include "clip/ZonePointage.h"
#include "export/ControleurFichiers.h"
#include "export/ControleurImpression.h"
#include "export/ControleurPressePapier.h"
#include "export/ControleurSeance.h"
#include "export/ControleurTableur.h"
#include "export/Releve.h"
#include "measure/ControleurAcquisition.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "model/Seance.h"
#include "platform/DefilementVertical.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include "dialogs/TAboutBox.h"
#include "dialogs/TFormatTxtBox.h"
#include "dialogs/TSauveGraphicPPBox.h"
#include "dialogs/TSauveTableauPPBox.h"
#include "dialogs/TaccesClipsBox.h"
#include "dialogs/TaccesTabBox.h"
#include "dialogs/TaccesregBox.h"
#include "dialogs/TalleraDlg.h"
#include "dialogs/TaspectPointBox.h"
#include "dialogs/TdlgImprimer.h"
#include "dialogs/TdlgPointeur.h"
#include "dialogs/TsauverMesuresBox.h"
#include "dialogs/TtailleImaBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName("TForm1");
    MediaPlayer1 = std::make_unique<PeripheriqueMedia>();
    curseurs = std::make_unique<RegistreCurseurs>();
    construireRegions();
    seance = new Seance(this);
    fenetre = new ControleurFenetre(*this);
    const ContexteFenetre c = contexte();
    tableau = new ControleurTableau(c);
    clip = new ControleurClip(c);
    navigation = new ControleurNavigation(c);
    taille = new ControleurTaille(c);
    loupe = new ControleurLoupe(c);
    etalonnage = new ControleurEtalonnage(c);
    acquisition = new ControleurAcquisition(c);
    aspect = new ControleurAspect(c);
    pressePapier = new ControleurPressePapier(
        *this, *PaintBox1, *seance, dlg, [this] { return tableau->releve(); },
        [this](QPainter& p) { aspect->Drawpoints(p); });
    impression = new ControleurImpression(c);
    fichiers = new ControleurFichiers(
        *this, *seance, dlg, [this] { return tableau->releve(); },
        {&etat.config, &etat.dossierProgramme, {}}, [this] { return clipOuvert(); });
    tableur = new ControleurTableur(
        *this, *seance, [this] { return tableau->releve(); },
        {&etat.config, &etat.dossierProgramme, {}},
        [this] {
            if (dlg.accesTabBox != nullptr) dlg.accesTabBox->exec();
        });
    seances = new ControleurSeance(c);
    relierPieces();
    FormCreate();
}

ContexteFenetre TForm1::contexte() {
    ContexteFenetre c;
    c.fenetre = this;
    c.ToolBar1 = ToolBar1;
    c.pnl1 = pnl1;
    c.tbCoord = tbCoord;
    c.ScrollBox1 = ScrollBox1;
    c.pnl1AVI = pnl1AVI;
    c.PaintBox1 = PaintBox1;
    c.ToolBar2 = ToolBar2;
    c.Splitter1 = Splitter1;
    c.PageControl1 = PageControl1;
    c.tsMesures = tsMesures;
    c.tsEtalon = tsEtalon;
    c.tsProClip = tsProClip;
    c.pnlPointage = pnlPointage;
    c.pnlTableau = pnlTableau;
    c.StatusBar1 = StatusBar1;
    c.loupePnl = loupePnl;
    c.seance = seance;
    c.vue = &vue;
    c.dlg = &dlg;
    c.MediaPlayer1 = MediaPlayer1.get();
    c.curseurs = curseurs.get();
    c.config = {&etat.config, &etat.dossierProgramme, [this] { fenetre->ecrireConfig(); }};
    c.temoinClip = [this] { return clipOuvert(); };
    return c;
}

TForm1::~TForm1() = default;

bool TForm1::clipOuvert() const {
    if (temoinClip_) return temoinClip_();
    return MediaPlayer1 && MediaPlayer1->estOuvert();
}

QAction* TForm1::action(const QString& nom) const {
    return findChild<QAction*>(nom);
}

void TForm1::construireRegions() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto* centre = new QWidget(this);
    auto* disposition = new QHBoxLayout(centre);
    disposition->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, centre);
    Splitter1->setObjectName("Splitter1");
    disposition->addWidget(Splitter1);

    pnl1 = new QWidget(Splitter1);
    pnl1->setObjectName("pnl1");
    auto* colonne = new QVBoxLayout(pnl1);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    tbCoord = new QToolBar(pnl1);
    tbCoord->setObjectName("tbCoord");
    colonne->addWidget(tbCoord);
    ScrollBox1 = new QScrollArea(pnl1);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setWidgetResizable(false);
    colonne->addWidget(ScrollBox1, 1);
    ToolBar2 = new QToolBar(pnl1);
    ToolBar2->setObjectName("ToolBar2");
    colonne->addWidget(ToolBar2);

    // The clip panel moves freely inside the display area, which scrolls over it when it
    // is the larger.
    pnl1AVI = new QFrame;
    pnl1AVI->setObjectName("pnl1AVI");
    pnl1AVI->setGeometry(0, 0, 200, 150);
    new DefilementPanneau(ScrollBox1, pnl1AVI);
    PaintBox1 = new ZonePointage(pnl1AVI);
    PaintBox1->setGeometry(4, 4, 0, 0);

    PageControl1 = new QTabWidget(Splitter1);
    PageControl1->setObjectName("PageControl1");
    tsMesures = new QWidget();
    tsMesures->setObjectName("tsMesures");
    tsEtalon = new QWidget();
    tsEtalon->setObjectName("tsEtalon");
    tsProClip = new QWidget();
    tsProClip->setObjectName("tsProClip");
    QWidget* mesures = defilementVertical(tsMesures);
    auto* pileMesures = new QVBoxLayout(mesures);
    pileMesures->setContentsMargins(2, 2, 2, 2);
    pnlPointage = new QWidget(mesures);
    pnlPointage->setObjectName("pnlPointage");
    pnlTableau = new QWidget(mesures);
    pnlTableau->setObjectName("pnlTableau");
    pileMesures->addWidget(pnlPointage);
    pileMesures->addWidget(pnlTableau, 1);
    PageControl1->addTab(tsMesures, QStringLiteral("Mesures"));
    PageControl1->addTab(tsEtalon, QStringLiteral("Etalonnage"));
    PageControl1->addTab(tsProClip, QStringLiteral("Propriétés du clip"));
    Splitter1->addWidget(pnl1);
    Splitter1->addWidget(PageControl1);
    setCentralWidget(centre);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    setStatusBar(StatusBar1);

    loupePnl = new QFrame(this);
    loupePnl->setObjectName("loupePnl");
    loupePnl->hide();
}

void TForm1::FormCreate() {
    etat = EtatSession{};
    vue = EtatVue{};
    // The window's start-up steps, in order; they reset the calibration (echEtapAff(0),
    // initEchelle()) at their places in the sequence.
    fenetre->FormCreate();
}

void TForm1::creerDialogues() {
    dlg.dlgPointeur = new TdlgPointeur(this);
    connect(dlg.dlgPointeur, &TdlgPointeur::reticuleChoisi, aspect,
            qOverload<const QColor&>(&ControleurAspect::couleurReticule));
    dlg.AboutBox = new TAboutBox(this);
    dlg.accesregBox = new TaccesregBox(this);
    dlg.FormatTxtBox = new TFormatTxtBox(this);
    dlg.sauverMesuresBox = new TsauverMesuresBox(this);
    dlg.tailleImaBox = new TtailleImaBox(this);
    dlg.aspectPointBox = new TaspectPointBox(this);
    dlg.SauveTableauPPBox = new TSauveTableauPPBox(this);
    dlg.dlgImprimer = new TdlgImprimer(this);
    dlg.SauveGraphicPPBox = new TSauveGraphicPPBox(this);
    dlg.accesClipsBox = new TaccesClipsBox(this);
    dlg.accesClipsBox->relier(
        {&etat.config, &etat.dossierProgramme, [this] { fenetre->ecrireConfigSiExistant(); }});
    dlg.alleraDlg = new TalleraDlg(this);
    dlg.accesTabBox = new TaccesTabBox(this);
    dlg.accesTabBox->relier(
        {&etat.config, &etat.dossierProgramme, [this] { fenetre->ecrireConfig(); }});
}

void TForm1::closeEvent(QCloseEvent* e) {
    e->accept();
    seances->supprimerRecuperation(); // a normal quit leaves nothing to recover
}
