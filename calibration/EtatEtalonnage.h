#pragma once

#include "app/EtatSession.h"
#include "model/Seance.h"

// The calibration as the window's state holds it, and as the document records it.
namespace etatEtalonnage {

inline Etalonnage lire(const EtatSession& e) {
    Etalonnage c;
    c.xOrig = e.xOrig;
    c.yOrig = e.yOrig;
    c.sensX = e.sensX;
    c.sensY = e.sensY;
    c.p1 = e.p1;
    c.p2 = e.p2;
    c.distanceTexte = e.distanceTexte;
    c.echelle = e.echelle;
    return c;
}

inline void ecrire(EtatSession& e, const Etalonnage& c) {
    e.xOrig = c.xOrig;
    e.yOrig = c.yOrig;
    e.sensX = c.sensX;
    e.sensY = c.sensY;
    e.p1 = c.p1;
    e.p2 = c.p2;
    e.distanceTexte = c.distanceTexte;
    e.echelle = c.echelle;
}

} // namespace etatEtalonnage
