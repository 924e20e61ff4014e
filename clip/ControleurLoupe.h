#pragma once

#include "app/ContexteFenetre.h"

#include <QColor>
#include <QImage>
#include <QObject>

class GlisserPanneau;
class QFrame;
class QTimer;
class QToolButton;

// The magnifier loupePnl: a floating panel over the clip side that shows the 41 x 41 square
// of the displayed image around the mouse three times enlarged, marks included, with a
// crosshair on the pixel under the mouse. It follows the mouse over the image and, twice a
// second (Timer3), a playing clip. The user drags it by its frame; shown again, it goes to
// the corner of the clip side nearest to where it was left.
//
// Controls it builds in loupePnl: loupeImg (the picture), loupeShpV and loupeShpH (the
// crosshair lines, their colour in the palette's Window role), BitBtn2 (hide button).
class ControleurLoupe : public QObject {
    Q_OBJECT
public:
    explicit ControleurLoupe(const ContexteFenetre& contexte);

    void loupeBtnClick();
    void placeLoupe();
    // Colour of the crosshair lines (black or white, the pointer's colour).
    void colorerReticule(const QColor& c);
    void loupe(int x, int y);
    void Timer3Timer();
    void loupePnlMouseMove();
    void loupePnlMouseDown();

    // The picture as it is now (123 x 123).
    const QImage& image() const;

    QTimer* Timer3 = nullptr;

private:
    void construire();
    void retenirCentre();

    ContexteFenetre f;
    QWidget* loupeImg = nullptr;
    GlisserPanneau* glisser = nullptr;
};
