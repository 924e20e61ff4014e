// Modes, help and hints of the main window (the rest of ControleurFenetre is in
// ControleurFenetre.cpp).
#include "app/ControleurFenetre.h"

#include "app/GestionBulles.h"
#include "app/TForm1.h"
#include "app/VisionneuseAide.h"
#include "clip/ZonePointage.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TdlgPointeur.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The pointer dialog's shape choice: a QButtonGroup or a widget holding radio buttons,
// named rgPtForme. Its item index is the position of the checked button, -1 when none.
QObject* choixForme(TForm1& f) {
    return f.dlg.dlgPointeur ? f.dlg.dlgPointeur->findChild<QObject*>("rgPtForme") : nullptr;
}

QList<QAbstractButton*> boutonsForme(QObject* choix) {
    if (auto* groupe = qobject_cast<QButtonGroup*>(choix)) return groupe->buttons();
    QList<QAbstractButton*> liste;
    if (auto* w = qobject_cast<QWidget*>(choix))
        for (QRadioButton* b : w->findChildren<QRadioButton*>())
            liste << b;
    return liste;
}

int indexForme(QObject* choix) {
    const QList<QAbstractButton*> boutons = boutonsForme(choix);
    for (int i = 0; i < boutons.size(); ++i)
        if (boutons[i]->isChecked()) return i;
    return -1;
}

void activerForme(QObject* choix, bool actif) {
    if (auto* w = qobject_cast<QWidget*>(choix))
        w->setEnabled(actif);
    else
        for (QAbstractButton* b : boutonsForme(choix))
            b->setEnabled(actif);
}

} // namespace

// --- Modes --------------------------------------------------------------------------------

bool ControleurFenetre::clipOuvert() const {
    return f.clipOuvert();
}

void ControleurFenetre::afficherOnglet(QWidget* onglet) {
    const QSignalBlocker bloque(f.PageControl1);
    f.PageControl1->setCurrentWidget(onglet);
}

void ControleurFenetre::PageControl1Change() {
    EtatVue& e = f.vue;
    QWidget* onglet = f.PageControl1->currentWidget();
    QObject* forme = choixForme(f);
    if (onglet == f.tsMesures && clipOuvert()) {
        f.PageControl1->setProperty("contexteAide", 230);
        const int index = forme ? indexForme(forme) : -1;
        if (index >= 0) e.formePointeur = index + 1;
        f.curseurs->appliquer(f.PaintBox1, e.curseurPointage());
        if (forme) activerForme(forme, true);
        f.action("mnuFormePointeur")->setEnabled(true);
        e.redessinDemande = true;
        emit modesDEtalonnageQuittes();
    } else if (onglet == f.tsEtalon) {
        if (clipOuvert()) f.PageControl1->setProperty("contexteAide", 220);
        emit ongletEtalonnageMontre();
        if (forme) activerForme(forme, false);
        f.action("mnuFormePointeur")->setEnabled(false);
    }
    f.action("popUpMnuModeAcquerir")->setChecked(onglet == f.tsMesures);
    f.action("popUpMnuModeEtalonner")->setChecked(onglet == f.tsEtalon);
    f.action("popUpMnuModeProClip")->setChecked(onglet == f.tsProClip);
}

void ControleurFenetre::popUpMnuModeAcquerirClick() {
    afficherOnglet(f.tsMesures);
    PageControl1Change();
}

void ControleurFenetre::popUpMnuModeEtalonnerClick() {
    afficherOnglet(f.tsEtalon);
    PageControl1Change();
}

void ControleurFenetre::popUpMnuModeProClipClick() {
    afficherOnglet(f.tsProClip);
    PageControl1Change();
}

// --- Help ---------------------------------------------------------------------------------

QString ControleurFenetre::fichierAide() const {
    return qApp->property("fichierAide").toString();
}

void ControleurFenetre::ouvrirAide(int contexte) {
    dernierContexte_ = contexte;
    ++demandesAide_;
    visionneuse_->ouvrir(fichierAide(), contexte);
}

void ControleurFenetre::BitBtn1Click() {
    ouvrirAide(f.PageControl1->property("contexteAide").toInt());
}

QPoint ControleurFenetre::pointMenuAide() const {
    auto* aide = f.controle<QToolButton>("BitBtn1");
    auto* fleche = f.controle<QToolButton>("BitBtn3");
    const QPoint coin = fleche->mapToGlobal(QPoint(0, 0));
    return {coin.x() - aide->width(), coin.y() + fleche->height()};
}

void ControleurFenetre::BitBtn3MouseDown() {
    f.findChild<QMenu*>("PopupMenu3")->popup(pointMenuAide());
}

void ControleurFenetre::popUpMnuAideClick() {
    if (!clipOuvert()) {
        ouvrirAide(1);
        return;
    }
    QWidget* onglet = f.PageControl1->currentWidget();
    if (onglet == f.tsMesures)
        ouvrirAide(230);
    else if (onglet == f.tsEtalon)
        ouvrirAide(220);
}

void ControleurFenetre::SommaireDelAide1Click(int tag) {
    static constexpr int kContextes[] = {1, 220, 230, 240, 300, 350};
    if (tag >= 0 && tag < 6) ouvrirAide(kContextes[tag]);
}

void ControleurFenetre::aPropos1Click() {
    if (f.dlg.AboutBox != nullptr) f.dlg.AboutBox->exec();
}

// --- Hints --------------------------------------------------------------------------------

void ControleurFenetre::DisplayHint(const QString& partieLongue) {
    // Runs on every hover: the two entries are looked up once.
    if (aide2_ == nullptr) {
        aide2_ = f.action("Aide2");
        aide3_ = f.action("Aide3");
    }
    if (aide2_->isChecked()) {
        if (partieLongue.isEmpty())
            f.StatusBar1->clearMessage();
        else
            f.StatusBar1->showMessage(partieLongue);
    }
    if (bulles_ != nullptr) bulles_->activerBulles(aide3_->isChecked());
}

void ControleurFenetre::Aide2Click() {
    // The entry is checkable: Qt has already toggled its check mark.
    f.StatusBar1->setFixedHeight(f.action("Aide2")->isChecked() ? 19 : 0);
}

void ControleurFenetre::Aide3Click() {
    // Qt has toggled the check mark; the next hint event applies it.
}

bool ControleurFenetre::bullesActives() const {
    return bulles_ && bulles_->bullesActives();
}
