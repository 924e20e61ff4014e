#pragma once

#include "app/ContexteFenetre.h"

#include <QObject>
#include <QString>
#include <functional>

class QFileDialog;
class QLabel;
class QLineEdit;
class QVBoxLayout;
struct TextesProprietes;

// Clip opening and the clip properties tab.
class ControleurClip : public QObject {
    Q_OBJECT
public:
    explicit ControleurClip(const ContexteFenetre& contexte);

    // Tab "Propriétés du clip": the open clip from the session state, or the "?" texts.
    void RAZProClip();
    // Preview of a file's AVI header while the user browses.
    void afficherApercu(const QString& chemin);
    // Preview of any other video file, from what its container says.
    void afficherApercuConteneur(const QString& chemin);

    // Opening: the open dialog, then ouvrirClip on the file chosen.
    void bbtnOpenAviClick();
    // Runs the opening sequence on a file once chosen; false when the device could not
    // open it (the error box has been shown).
    bool ouvrirClip(const QString& chemin);

    // Selection change of the open dialog: previews video files and shortcuts to them.
    void OpenDialog1SelectionChange(const QString& nom);
    // Target of a shortcut file; empty, after the error box "Cible introuvable", when it
    // cannot be resolved.
    QString cibleRaccourci(const QString& lien);

    // The open dialog, created at its first use and kept for the run.
    QFileDialog* OpenDialog1();
    // "Adaptation : p%" of the properties tab, for a new display size.
    void afficherAdaptation(int p);

    // Asked before another clip replaces the open one: false keeps the open clip (the
    // unsaved-measures question was answered "Annuler").
    std::function<bool()> abandonnerMesures;

signals:
    // The steps of an opening that other rooms take, in this order.
    void tableauAEffacer(); // the previous clip's table goes, without a question
    void nomClipChange(const QString& chemin);
    void affichagePrepare(); // the new clip's panel is laid out at 100 %
    void imageDemandee(int image);
    void clipInitialise(int nbImages); // scale, table and appearance start afresh
    void lectureActivee();             // play, last image and next image may be used
    void commandesActivees();          // every command that needs a clip
    void tailleAAdapter();
    void ongletDemande(QWidget* onglet); // shown without a tab-change event
    void ongletChange();                 // the tab-change handling, once the tab is shown
    void ouvertureTerminee();

private:
    void construireOnglet();
    void construireCadence(QWidget* contenu, QVBoxLayout* pile);
    void montrerCadence();
    void colorerCadence(bool valide);
    void edCadencePriseDeVueExit();
    void appliquer(const TextesProprietes& t, bool avecAdaptation = true);
    void boiteErreur(const QString& texte);
    void preparerAffichage();
    void activerCommandes();
    void activer(const QString& nom, bool actif = true);

    ContexteFenetre f;
    QFileDialog* dialogue_ = nullptr;
    QLabel* lblFile = nullptr;
    QLabel* lblOctets = nullptr;
    QLabel* lblNbImages = nullptr;
    QLabel* lblDurTot = nullptr;
    QLabel* lblFrequence = nullptr;
    QLabel* lblPeriode = nullptr;
    QLabel* lblDim = nullptr;
    QLabel* lblDimL = nullptr;
    QLabel* lblDimH = nullptr;
    QLabel* lblAdapt = nullptr;
    QLabel* lblCodec1 = nullptr;
    QLabel* lblCodec2 = nullptr;
    QLabel* lblCodec3 = nullptr;
    QLineEdit* edCadencePriseDeVue = nullptr;
    QLabel* lblRalenti = nullptr;
};
