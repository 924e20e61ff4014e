#pragma once

#include "app/ContexteFenetre.h"

#include <QObject>
#include <QSize>

// Display size of the clip: the menu "Clip" (100%, Adapter, Autre...), the tool button
// bbtnIma, the dialog TtailleImaBox and the application of a percentage (MaJ): the video
// scaled by the media device, the clip panel and the pointing surface resized, the table
// and the scale reset.
class ControleurTaille : public QObject {
    Q_OBJECT
public:
    explicit ControleurTaille(const ContexteFenetre& contexte);

    void bbtnImaClick();
    void mnuIma100Click();
    void mnuImaAdapterClick();
    void Splitter1Moved();

    // Applies p percent; with points recorded, asks first. False when the user said No.
    bool MaJ(int p, bool adapter);
    // Percentage that fits the clip in the display area as it is now.
    int pcAdapte() const;
    // Clip opening: a clip larger than the display area is shown fitted (the table is
    // empty, nothing is lost); a clip that fits stays at 100 %.
    void ouvertureAdaptee();

signals:
    void affichageDeplace(); // the display area moved: the magnifier follows
    // A new size: the table's points, the scale and the calibration modes belong to the old
    // one and go.
    void tableauAEffacer();
    void etalonnageARemettre();
    void redessinDemande(int image);
    void adaptationAffichee(int p);

private:
    void connecterDialogue();
    void montrerDialogue();
    void redimensionner(int p, bool adapter);

    ContexteFenetre f;
    bool dialogueConnecte = false;
};
