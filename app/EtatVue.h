#pragma once

#include "measure/GrilleTexte.h"

#include <QColor>
#include <QString>
#include <cstdint>

// What the window shows and how, apart from the measurement itself (which is the
// document's): the image shown, the display size, the pointer, the magnifier's place, the
// file facts of the properties tab. Owned by the main window and handed to the rooms that
// show it; none of it is saved with the measures or restored by an undo. Values are those
// the start-up sequence leaves; fields it does not name start at zero, false or empty.
struct EtatVue {
    int32_t noImage = -1; // image shown, 0-based; -1 = not positioned yet

    // The open file, as the properties tab describes it.
    int32_t frequence = 0; // images per second, rounded
    QString tailleClipTexte;
    QString fourccClip;

    // Display size.
    int32_t largeurAff = 0, hauteurAff = 0;
    int32_t taillePc = 0;
    long double rapportAff = 1.0L;
    bool adapte = false;
    bool appliquerTaille = false;
    bool boutonPcEnfonce = false;

    bool redessinDemande = false;
    bool effacerSansConfirmer = false;

    // The scale segment on the image (drawn towards p1 or p2, the point being placed), and
    // the print dialog's scale to be looked at again.
    bool segmentEchelleVisible = false;
    bool p1EnCours = true;
    QColor couleurEchelle{0, 128, 0};
    bool echelleImpressionARevoir = false;

    // Colour, "drawn" flag and shape of the axes (column 0) and of each point k (column k).
    GrilleTexte aspectPoints{0};
    int32_t taillePoints = 1;    // 0..4, shown as 1..5
    int32_t couleurPointeur = 1; // 1 black, 2 white
    int32_t formePointeur = 2;   // 1 large target, 2 small target, 3 cross
    int32_t xSouris = 0, ySouris = 0;
    int32_t xLoupe = 0, yLoupe = 0;
    int32_t largeurPnl = 410, largeurForm = 620;

    // Identifier of the pointing cursor for the current colour and shape.
    int curseurPointage() const { return couleurPointeur * 100 + formePointeur; }
};
