#pragma once

#include "model/Seance.h"

// Changes made to the document as another room of the window makes them (a clip being
// opened, the display fitted): the document announces each one and the window follows.

// Some fields of the calibration.
template <class Changer> void etalonner(Seance& s, Changer changer) {
    Etalonnage c = s.etalonnage();
    changer(c);
    s.setEtalonnage(c);
}

// The clip's facts; like any new clip, this empties the table and the undo stack.
template <class Changer> void faitsClip(Seance& s, Changer changer) {
    FaitsClip c = s.clip();
    changer(c);
    s.setClip(c);
}
