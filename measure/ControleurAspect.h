#pragma once

#include "app/ContexteFenetre.h"

#include "model/Seance.h"

#include <QColor>
#include <QObject>
#include <functional>

class QAction;
class QCheckBox;
class QImage;
class QPainter;
class QToolButton;
class Toile;
struct GeometrieCalque;

// Appearance of points, axes and pointer; the overlay drawing.
//
// Controls it builds in the pointing options of the tab "Mesures": chkBoxPtDed ("dessiné"),
// bbtnCouleurPoint, chkBoxAxDed ("axes"), bbtnCouleurAxes. It connects the shell's
// pointer, size and quick-colour menus, bbtnCible and udTaillePoints.
class ControleurAspect : public QObject {
    Q_OBJECT
public:
    explicit ControleurAspect(const ContexteFenetre& contexte);

    // --- The overlay ---------------------------------------------------------------
    // Redraws the whole overlay of the image (PaintBox1->calque): axes, every recorded
    // point of every image, the scale segment in scale mode; then repaints the surface.
    void Drawpoints();
    // Draws the axes and points on another surface (the clipboard picture); in scale mode
    // the scale segment still goes to the image's overlay.
    void Drawpoints(QPainter& p);
    // The scale crosses and segment, drawn at once over the image shown.
    void dessinerSegmentEchelle(Qt::PenStyle style, const QColor& couleur);
    // The mark of point k at (x, y) on the image's overlay, whatever its "dessiné" flag.
    void dessinerMarque(int k, int x, int y);
    // The overlay, sized to the displayed image.
    QImage& calque();
    GeometrieCalque geometrie() const;

    // --- Clip opening --------------------------------------------------------------
    // Appearance table cut back to the axes and point 1, empty cells given defaults.
    void initAspect();
    // The appearance table was given back (a session): the boxes show it.
    void relireTable();

    // --- Followed from the other rooms -------------------------------------------------
    void montrerPoint(int k);         // the current point: its "dessiné" box
    void suivreNombreDePoints(int n); // n points per image: defaults for the new ones
    void activer();                   // a clip is open: the commands that need one
    // The current point (the acquisition's spinner).
    std::function<int()> pointCourantLu;
    // --- Read by the window ----------------------------------------------------------
    QColor couleurPoint(int k) const;
    bool pointDessine(int k) const;
    // Colour of the magnifier's crosshair lines (black or white, the pointer colour).
    void couleurReticule(const QColor& c);
    QColor couleurReticule() const { return reticule_; }
    // The image pointer := the identifier computed by the pointer dialog.
    void appliquerCurseur();

    // --- Handlers ----------------------------------------------------------------------
    void CouleurAxesExecute();
    void chkAxDedExecute();
    void chkPtDedExecute();
    void bbtnCouleurPointClick();
    void mnuAspectPointsClick(); // "Couleur et forme des points": the same dialog
    void udTaillePointsClick();
    void mnuTaille1Click(QAction* entree);
    void bbtnCibleClick();
    void mnuPetiteCibleClick(QAction* entree);
    void mnuCouleurNoirClick(QAction* entree);
    void mnuFdCl2pointsClick(QAction* entree);

    QCheckBox* chkBoxPtDed = nullptr;
    QCheckBox* chkBoxAxDed = nullptr;
    QToolButton* bbtnCouleurPoint = nullptr;
    QToolButton* bbtnCouleurAxes = nullptr;

signals:
    void redessinDemande(int image);
    void pointChoisi(int k);
    void couleurEtiquette(const QColor& c); // the current point's label takes its colour
    void nombreDePointsChoisi(int n);       // a quick colour configuration for n points
    void reticuleChange(const QColor& c);   // the magnifier's crosshair

private:
    int pointCourant() const;
    void construireOptions();
    void connecterMenus();
    void redessiner();
    void taille(int position);
    void segmentSur(Toile& t, Qt::PenStyle style, const QColor& couleur);

    void etalonnageChange();
    ContexteFenetre f;
    Etalonnage dessine_; // the calibration the image was last drawn with
    QColor reticule_{Qt::black};
};
