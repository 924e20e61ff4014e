#include "app/ControleurFenetre.h"

#include "app/BarreOutils.h"
#include "app/FichierConfig.h"
#include "app/GestionBulles.h"
#include "app/MenuPrincipal.h"
#include "app/MenusSurgissants.h"
#include "app/PlacementOnglets.h"
#include "app/RaccourciChemin.h"
#include "app/TForm1.h"
#include "app/ToucheAide.h"
#include "app/VisionneuseAide.h"
#include "clip/ZonePointage.h"
#include "dialogs/TaccesClipsBox.h"
#include "model/Seance.h"
#include "platform/Bulles.h"
#include "platform/CurseursDessines.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char kNomAide[] = "kinopix2.hlp";
}

ControleurFenetre::ControleurFenetre(TForm1& form)
    : QObject(&form)
    , f(form) {
    menuPrincipal::construire(f);
    barreOutils::construire(f);
    menusSurgissants::construire(f);
    visionneuse_ = new VisionneuseAide(&f);
    f.StatusBar1->setFixedHeight(19);
    decorerRegions();
    connecter();
}

ControleurFenetre::~ControleurFenetre() = default;

QString ControleurFenetre::cheminClip() const {
    auto* label = f.controle<QLabel>("lblNomAvi");
    return label ? label->property("chemin").toString() : QString();
}

void ControleurFenetre::decorerRegions() {
    f.Splitter1->setHandleWidth(2);
    f.Splitter1->setStyleSheet(QStringLiteral("QSplitter::handle { background: aqua; }"));
    f.Splitter1->setChildrenCollapsible(false);
    f.pnl1->setMinimumWidth(20);
    f.PageControl1->setMinimumWidth(20);
    new PlacementOnglets(f.PageControl1);

    bulles::appliquer(f.tbCoord, QStringLiteral("Coordonnées"));
    bulles::appliquer(f.ToolBar2, QStringLiteral("Barre de navigation"));
    bulles::appliquer(f.ScrollBox1, QStringLiteral("|Zone d'affichage du clip"));
    bulles::appliquer(f.PaintBox1, QStringLiteral("|Zone de pointage"));
    bulles::appliquer(f.tsMesures, QStringLiteral("Mesures"));
    bulles::appliquer(f.loupePnl, QStringLiteral("Loupe"));
}

void ControleurFenetre::connecter() {
    connect(f.action("mnuQuitter"), &QAction::triggered, this, &ControleurFenetre::mnuQuitterClick);
    connect(f.controle<QToolButton>("bbtnQuitter"), &QToolButton::clicked, this,
            &ControleurFenetre::mnuQuitterClick);
    connect(f.action("mnuDossierClips"), &QAction::triggered, this,
            &ControleurFenetre::ClipPathExecute);

    connect(f.PageControl1, &QTabWidget::currentChanged, this,
            &ControleurFenetre::PageControl1Change);
    connect(f.action("popUpMnuModeAcquerir"), &QAction::triggered, this,
            &ControleurFenetre::popUpMnuModeAcquerirClick);
    connect(f.action("popUpMnuModeEtalonner"), &QAction::triggered, this,
            &ControleurFenetre::popUpMnuModeEtalonnerClick);
    connect(f.action("popUpMnuModeProClip"), &QAction::triggered, this,
            &ControleurFenetre::popUpMnuModeProClipClick);

    connect(f.controle<QToolButton>("BitBtn1"), &QToolButton::clicked, this,
            &ControleurFenetre::BitBtn1Click);
    f.controle<QToolButton>("BitBtn3")->installEventFilter(this);
    connect(f.action("popUpMnuAide"), &QAction::triggered, this,
            &ControleurFenetre::popUpMnuAideClick);
    for (const char* nom :
         {"SommaireDelAide1", "Etalonner1", "Pointer1", "ExploiterLesDonnees1",
          "AideSurLesBoutons1", "AideDesMenus1", "SommaireDelAide2", "Etalonner2", "Pointer2",
          "ExploiterLesDonnees2", "AideSurLesBoutons2", "AideDesMenus2"}) {
        QAction* a = f.action(nom);
        connect(a, &QAction::triggered, this,
                [this, a]() { SommaireDelAide1Click(a->data().toInt()); });
    }
    connect(f.action("Aide2"), &QAction::triggered, this, &ControleurFenetre::Aide2Click);
    connect(f.action("Aide3"), &QAction::triggered, this, &ControleurFenetre::Aide3Click);
    connect(f.action("aPropos1"), &QAction::triggered, this, &ControleurFenetre::aPropos1Click);

    new ToucheAide(&f, [this](int contexte) { ouvrirAide(contexte); });

    f.installEventFilter(this);
}

bool ControleurFenetre::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &f && e->type() == QEvent::Resize) {
        // Lay the window out for its new size first (tool bar, splitter), as the rule
        // reads the tool bar's width and sets the clip side's width.
        if (f.layout() != nullptr) f.layout()->setGeometry(f.rect());
        FormResize();
    }
    if (objet == &f && e->type() == QEvent::Close) {
        if (!FormCloseQuery()) e->ignore();
        return !e->isAccepted();
    }
    if (e->type() == QEvent::MouseButtonPress && objet == f.controle<QToolButton>("BitBtn3")) {
        BitBtn3MouseDown();
        return true;
    }
    return QObject::eventFilter(objet, e);
}

// --- Start-up -----------------------------------------------------------------------------

void ControleurFenetre::legendePanneauClip(const QString& texte) {
    auto* legende = f.pnl1AVI->findChild<QLabel*>("pnl1AVILegende");
    if (legende == nullptr) {
        legende = new QLabel(f.pnl1AVI);
        legende->setObjectName("pnl1AVILegende");
        legende->setAlignment(Qt::AlignCenter);
        // The caption lies under the pointing surface and never takes its clicks.
        legende->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* disposition = new QVBoxLayout(f.pnl1AVI);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(legende);
        legende->lower();
    }
    legende->setText(texte);
}

void ControleurFenetre::FormCreate() {
    EtatSession& e = f.etat;
    EtatVue& v = f.vue;
    v.redessinDemande = false;
    v.effacerSansConfirmer = false;
    e.dossierProgramme = QDir::currentPath();

    const QString titre = QStringLiteral("Kinopix v.3");
    f.setWindowTitle(titre);
    legendePanneauClip(titre);
    afficherOnglet(f.tsMesures);

    bulles_ = new GestionBulles([this](const QString& t) { DisplayHint(t); }, this);
    GestionBulles::reglerApparence();

    qApp->setProperty("fichierAide", e.dossierProgramme + QDir::separator() + kNomAide);
    f.PageControl1->setProperty("contexteAide", 210);
    f.setProperty("contexteAide", 1);

    v.noImage = -1;
    v.largeurForm = 620;
    v.largeurPnl = 410;
    f.resize(620, 465);

    emit guideDesEtapesAMontrer();

    curseursDessines::enregistrerTous(*f.curseurs);
    v.couleurPointeur = 1;
    v.formePointeur = 2;
    f.curseurs->appliquer(f.PaintBox1, v.curseurPointage());
    v.rapportAff = 1.0L;
    v.taillePoints = 1;
    f.seance->setChiffresXY(3);
    f.seance->setEtalonnage(Etalonnage{}); // origin at the top-left, x rightwards, y upwards
    emit echelleARemettre();

    e.config = fichierConfig::chargerEtReparer(e.dossierProgramme);
    ecrireConfig();
}

// --- Configuration file -------------------------------------------------------------------

void ControleurFenetre::ecrireConfig() {
    fichierConfig::ecrire(fichierConfig::chemin(f.etat.dossierProgramme), f.etat.config);
}

void ControleurFenetre::ecrireConfigSiExistant() {
    if (configExiste()) ecrireConfig();
}

bool ControleurFenetre::configExiste() const {
    return fichierConfig::existe(f.etat.dossierProgramme);
}

std::array<QString, 10> ControleurFenetre::lireConfig() const {
    return fichierConfig::lire(fichierConfig::chemin(f.etat.dossierProgramme));
}

void ControleurFenetre::ClipPathExecute() {
    if (f.dlg.accesClipsBox != nullptr) f.dlg.accesClipsBox->exec();
}

// --- Export group -------------------------------------------------------------------------

void ControleurFenetre::OptTraitt(bool actif) {
    for (const char* nom : {"RegExec", "TabExec", "mnuCopierPP", "mnuEnregFic", "mnuImprimer"})
        if (QAction* a = f.action(nom)) a->setEnabled(actif);
    for (const char* nom :
         {"bbtnCopierMesuresPP", "bbtnCopierGraphiquePP", "bbtnEnregistrerMesures", "bbtnImprimer"})
        if (auto* b = f.controle<QToolButton>(nom)) b->setEnabled(actif);
}

// --- Resizing -----------------------------------------------------------------------------

void ControleurFenetre::afficherNomClip(const QString& chemin) {
    auto* label = f.controle<QLabel>("lblNomAvi");
    label->setProperty("chemin", chemin);
    label->setText(raccourcirChemin(chemin, label->fontMetrics(),
                                    label->width() - label->contentsMargins().left() -
                                        label->contentsMargins().right()));
}

// Left edge of the clip name label in the tool bar, from the widths of the items before it:
// the laid-out position is not known yet while the window is being resized, and not at all
// while the label sits in the tool bar's overflow.
int ControleurFenetre::gaucheNomClip() const {
    QLayout* disposition = f.ToolBar1->layout();
    auto* label = f.controle<QLabel>("lblNomAvi");
    if (disposition == nullptr) return label->x();
    int x = disposition->contentsMargins().left();
    const int espace = std::max(0, disposition->spacing());
    for (int i = 0; i < disposition->count(); ++i) {
        QLayoutItem* item = disposition->itemAt(i);
        if (item->widget() == label) break;
        if (item->widget() != nullptr && !item->widget()->isVisibleTo(f.ToolBar1) &&
            f.ToolBar1->isVisible())
            continue;
        x += item->sizeHint().width() + espace;
    }
    return x;
}

void ControleurFenetre::FormResize() {
    auto* label = f.controle<QLabel>("lblNomAvi");
    if (label == nullptr) return; // resize events while the window is still being built
    label->setFixedWidth(std::max(0, f.width() - gaucheNomClip() - 34));
    afficherNomClip(cheminClip());

    EtatVue& e = f.vue;
    const int largeurFenetre = f.width();
    const int largeur = e.largeurForm != 0
                            ? static_cast<int>(static_cast<long long>(largeurFenetre) *
                                               e.largeurPnl / e.largeurForm) +
                                  1
                            : e.largeurPnl;
    const int reste = std::max(0, largeurFenetre - largeur - f.Splitter1->handleWidth());
    f.Splitter1->setSizes({largeur, reste});
    e.largeurPnl = largeur;
    e.largeurForm = largeurFenetre;

    if (QAction* adapter = f.action("mnuImaAdapter")) adapter->setEnabled(true);
    e.adapte = true;
}

// --- Quitting -----------------------------------------------------------------------------

void ControleurFenetre::mnuQuitterClick() {
    f.close();
}

bool ControleurFenetre::FormCloseQuery() {
    if (mesuresHorsSeance && mesuresHorsSeance()) {
        // Only a session can be reopened: an export does not count here.
        QMessageBox b(QMessageBox::Question, QStringLiteral("Confirmation"),
                      QStringLiteral("Les mesures n'ont pas été enregistrées dans une "
                                     "séance.\n\nEnregistrer la séance avant de quitter ?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &f);
        b.setDefaultButton(QMessageBox::Yes);
        switch (b.exec()) {
        case QMessageBox::Yes:
            return enregistrerSeance && enregistrerSeance();
        case QMessageBox::No:
            return true;
        default:
            return false;
        }
    }
    return QMessageBox::question(
               &f, QStringLiteral("Confirmation"), QStringLiteral("Voulez-vous vraiment quitter ?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
