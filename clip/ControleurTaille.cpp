#include "clip/ControleurTaille.h"

#include "app/ContexteFenetre.h"
#include "clip/TailleAffichage.h"
#include "clip/ZonePointage.h"
#include "dialogs/TdlgPointeur.h"
#include "dialogs/TtailleImaBox.h"
#include "model/Seance.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>

ControleurTaille::ControleurTaille(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    if (auto* b = f.controle<QToolButton>("bbtnIma"))
        connect(b, &QToolButton::clicked, this, &ControleurTaille::bbtnImaClick);
    if (QAction* a = f.action("mnuImaAutre"))
        connect(a, &QAction::triggered, this, &ControleurTaille::bbtnImaClick);
    if (QAction* a = f.action("mnuIma100"))
        connect(a, &QAction::triggered, this, &ControleurTaille::mnuIma100Click);
    if (QAction* a = f.action("mnuImaAdapter"))
        connect(a, &QAction::triggered, this, &ControleurTaille::mnuImaAdapterClick);
    connect(f.Splitter1, &QSplitter::splitterMoved, this, &ControleurTaille::Splitter1Moved);
}

void ControleurTaille::connecterDialogue() {
    TtailleImaBox* d = f.dlg->tailleImaBox;
    if (dialogueConnecte || d == nullptr) return;
    dialogueConnecte = true;
    TtailleImaBox::Liens l;
    l.vue = f.vue;
    l.pcAdapte = [this] { return pcAdapte(); };
    l.MaJ = [this](int p, bool adapter) { return MaJ(p, adapter); };
    l.panneauAuCoin = [this] { f.pnl1AVI->move(0, 0); };
    d->setLiens(std::move(l));
}

void ControleurTaille::montrerDialogue() {
    if (f.dlg->tailleImaBox != nullptr) f.dlg->tailleImaBox->exec();
}

void ControleurTaille::bbtnImaClick() {
    connecterDialogue();
    f.vue->appliquerTaille = false;
    f.vue->adapte = false;
    montrerDialogue();
}

void ControleurTaille::mnuIma100Click() {
    connecterDialogue();
    f.vue->appliquerTaille = true;
    f.vue->adapte = false;
    if (f.dlg->tailleImaBox != nullptr) f.dlg->tailleImaBox->setPosition(100);
    montrerDialogue();
}

void ControleurTaille::mnuImaAdapterClick() {
    connecterDialogue();
    f.vue->appliquerTaille = false;
    f.vue->adapte = true;
    if (TtailleImaBox* d = f.dlg->tailleImaBox) {
        // Already ticked, the box would not run its handler again when shown.
        const QSignalBlocker bloque(d->chkBxAdapter);
        d->chkBxAdapter->setChecked(true);
        d->chkBxAdapterClick();
    }
    montrerDialogue();
}

void ControleurTaille::Splitter1Moved() {
    if (QAction* a = f.action("mnuImaAdapter")) a->setEnabled(true);
    f.vue->adapte = true;
    emit affichageDeplace();
}

int ControleurTaille::pcAdapte() const {
    // The display area inside its frame, without the scroll bars that a larger image
    // brings: the panel of a fitted clip then shows whole.
    return tailleAffichage::pcAdapte(f.ScrollBox1->maximumViewportSize(),
                                     QSize(f.seance->clip().largeur, f.seance->clip().hauteur));
}

bool ControleurTaille::MaJ(int p, bool adapter) {
    EtatVue& e = *f.vue;
    if (f.clipOuvert() && f.seance->occupe()) {
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"),
                          QStringLiteral("Les données du tableau vont être\neffacées :\n\n"
                                         "confirmez-vous ce choix ?"),
                          QMessageBox::Yes | QMessageBox::No, f.fenetre);
        if (boite.exec() != QMessageBox::Yes) return false;
    }
    e.rapportAff = (long double)p / 100;
    emit tableauAEffacer();
    // The points an undo would give back were measured at another size.
    f.seance->pile().clear();
    if (f.clipOuvert()) emit redessinDemande(0);
    redimensionner(p, adapter);
    emit etalonnageARemettre();
    if (f.dlg->dlgPointeur != nullptr) e.formePointeur = f.dlg->dlgPointeur->indexForme() + 1;
    f.curseurs->appliquer(f.PaintBox1, e.curseurPointage());

    if (QAction* a = f.action("mnuIma100")) a->setEnabled(p != 100);
    if (QAction* a = f.action("mnuImaAdapter")) a->setEnabled(!adapter);
    return true;
}

// The video, the clip panel and the pointing surface at p percent of the clip.
void ControleurTaille::redimensionner(int p, bool adapter) {
    EtatVue& e = *f.vue;
    PeripheriqueMedia& media = *f.MediaPlayer1;
    const QSize voulue = tailleAffichage::tailleAffichee(
        QSize(f.seance->clip().largeur, f.seance->clip().hauteur), p);
    media.setRectangleAffichage(QRect(QPoint(4, 4), voulue));
    if (adapter) f.pnl1AVI->move(0, 0);
    const QSize lue = media.rectangleAffichage().size();
    f.pnl1AVI->resize(lue.width() + 8, lue.height() + 8);
    media.setRectangleAffichage(QRect(QPoint(4, 4), lue));
    e.hauteurAff = lue.height();
    e.largeurAff = lue.width();
    f.PaintBox1->resize(lue);
    emit adaptationAffichee(p);
}

void ControleurTaille::ouvertureAdaptee() {
    EtatVue& e = *f.vue;
    e.rapportAff = 1.0L;
    // A window never shown has no display area to fit.
    if (!f.ScrollBox1->isVisible()) return;
    // The new clip's texts and table have changed what the tabs need: the window is laid
    // out again first, so that the fit is taken in the display area as it will stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int p = pcAdapte();
    if (p >= 100) return;
    e.rapportAff = (long double)p / 100;
    redimensionner(p, true);
    e.taillePc = p;
    connecterDialogue();
    if (f.dlg->tailleImaBox != nullptr) f.dlg->tailleImaBox->setPosition(p);
    // The origin goes to the bottom-left pixel of the image as shown; the calibration tab
    // wrote its read-outs from the origin of the clip at its own size.
    Etalonnage origine = f.seance->etalonnage();
    origine.yOrig = e.hauteurAff - 1;
    f.seance->setEtalonnage(origine);
    if (QAction* a = f.action("mnuIma100")) a->setEnabled(true);
}
