#pragma once

#include "app/ContexteFenetre.h"

#include <QObject>
#include <QRect>
#include <array>
#include <functional>

class GlisserPanneau;
class QLabel;
class QTimer;
class QToolButton;

// Positioning on an image, stepping, playing, redrawing, go-to-image.
//
// Controls it builds in the navigation bar ToolBar2: the buttons bbtnPlay, bbtnDeb,
// bbtnFin, bbtnPre, bbtnSui (tags 2..6 in the property "tag"), also reached by the keys
// Right, Left, Home and End on the clip side, and the labels lblNoImage1 to lblNoImage5;
// the timer Timer1 (40 ms). It drives the dialog TalleraDlg and the pop-up entry
// popUpMenuAtteindre.
//
// The program keeps the image shown in vue.noImage and moves the device by relative steps
// from there; it asks the device where it is only at the end of a playback.
class ControleurNavigation : public QObject {
    Q_OBJECT
public:
    explicit ControleurNavigation(const ContexteFenetre& contexte);

    // --- Called by the window -----------------------------------------------------
    // Shows image index i and updates the navigation bar.
    void mpPositionner(int i);
    // Shows image i afresh (by way of a neighbour) and draws the overlay over it.
    void reDraw(int i);
    // Time-origin marker of the bar.
    void marqueT0();
    // Right click at (x, y) on the image: fills TalleraDlg with the points recorded there.
    void chercherPointsPixel(int x, int y);
    void activerNavigation(bool jouer, bool debut, bool fin, bool suivante, bool precedente);
    // A clip just opened: play, last image and next image may be used.
    void activerLecture();

    // The image number taken as t = 0 (the table's, as its spinner shows it).
    std::function<int()> t0;

    // --- Handlers ----------------------------------------------------------------------
    void bbtnPlayClick(QObject* sender);
    void MediaPlayer1Notify();
    void PaintBox1Paint();
    void Timer1Timer();
    void FormPaint();
    void pnl1AVIMouseMove();
    void pnl1AviMouseDown();
    void popUpMenuAtteindreClick();

    QToolButton* bbtnPlay = nullptr;
    QToolButton* bbtnDeb = nullptr;
    QToolButton* bbtnFin = nullptr;
    QToolButton* bbtnPre = nullptr;
    QToolButton* bbtnSui = nullptr;
    QLabel* lblNoImage1 = nullptr;
    QLabel* lblNoImage2 = nullptr;
    QLabel* lblNoImage3 = nullptr;
    QLabel* lblNoImage4 = nullptr;
    QLabel* lblNoImage5 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

signals:
    void marquesADessiner();   // the overlay over the image shown
    void ligneCourante(int r); // the table's current row follows the image shown
    // The go-to-image dialog: a cell to show and its point, a point to erase.
    void celluleDemandee(int c, int r);
    void pointChoisi(int k);
    void effacementDemande(const QRect& plage, int c, int r);

private:
    // Enabled states of bbtnPlay, bbtnDeb, bbtnFin, bbtnSui, bbtnPre.
    using Boutons = std::array<bool, 5>;
    Boutons boutons() const;
    void remettre(const Boutons& b);
    void construireBarre();
    void touchesClavier();
    void connecterDialogue();
    void lignesCourantes(); // both tables' current rows on noImage
    int longueurImages() const;
    void allerA(int r, int k);
    void effacerPoint(int r, int k);

    ContexteFenetre f;
    GlisserPanneau* glisser = nullptr;
    bool dialogueConnecte = false;
};
