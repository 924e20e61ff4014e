#pragma once

#include "app/ContexteFenetre.h"

#include "calibration/OngletEtalonnage.h"
#include "model/Seance.h"

#include <QColor>
#include <QObject>
#include <functional>

class QMouseEvent;

// Origin, axes and scale: the calibration tab, its clicks on the image and the
// coordinate read-out of the coordinate bar.
class ControleurEtalonnage : public QObject {
    Q_OBJECT
public:
    explicit ControleurEtalonnage(const ContexteFenetre& contexte);

    OngletEtalonnage o;

    // Routines other rooms call.
    void initEchelle();
    void MaJlblP();
    void affichSensibilites(long double v);
    void CursOrig();
    void ImgEtalon(int n);
    void ChxOrigRAZ();
    // A new display size: the scale of before, and both calibration modes, go.
    void remettreAZero();
    // Back to "Mesures": neither origin nor scale mode.
    void quitterModes();
    // Start-up: the step guide and its order line.
    void montrerGuide();
    void etalonSimuRAZ();
    void echEtapAff(int code);
    void placerMarques();          // the four margin marks on the columns and rows of p1, p2
    void montrerMarques();         // opening a clip: the marks become visible
    void activerChoix(bool actif); // the two radio buttons (enabled once a clip is open)
    void presserXpYp();            // opening a clip: x to the right, y upwards

    // Sub-state of the image.
    bool modeOrigine() const;
    bool modeEchelle() const;

    // Left-button release on the image: handles it and returns true in origin or scale
    // mode (a clip open, inside the displayed image); returns false otherwise so that the
    // caller goes on with acquisition.
    bool PaintBox1MouseUpEtalonnage(QMouseEvent* e);
    // The clicks themselves, at (x, y) on the displayed image.
    void clicOrigine(int x, int y);
    void clicEchelle(int x, int y);

    // Event handlers.
    void PaintBox1MouseMove(QMouseEvent* e);
    void tbCoordMouseMove();
    void rbChxOrigClick();
    void tbXpYpClick(int index);
    void rbEtalonSimuClick();
    void chkBoxPt1Click(bool coche);
    void chkBoxPt2Click(bool coche);
    void edSiChange();
    void edSiEnter();
    void edSiExit();
    void bbtnCouleurEchClick();

    // The end of a change by the user: if the calibration being edited differs from the
    // document's, the difference becomes one undoable command named `texte`.
    void finGeste(const QString& texte);

    // Evaluates the text of the distance box (separator repair, syntax, scale).
    void evaluerDistance();
    // The read-out of the coordinate bar for the mouse at (x, y) on the image.
    void lectureCoordonnees(int x, int y);

signals:
    void segmentADessiner(Qt::PenStyle style, const QColor& couleur); // over the image, now

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // The document's calibration changed by another room, an undo or a redo: the tab
    // follows.
    void etalonnageChange();
    void finDistance();
    void clicEchelleSansHistoire(int x, int y);
    bool clipOuvert() const;
    void choisirPoint(int n, bool coche);
    void colorerDistance(bool valide);
    void dessinerSegmentMaintenant();
    QString formatDistance(long double v) const;

    ContexteFenetre f;
    // The calibration as this tab edits it, written quietly into the document as it goes
    // (preparer); the end of the gesture makes the difference from `avantGeste_` one
    // command, which tells the other rooms.
    Etalonnage c_;
    Etalonnage avantGeste_;
    bool geste_ = false;
    bool propre_ = false; // the document's announcement is this tab's own
    void debutGeste();
    void preparer();
    bool enEvaluation_ = false;
    bool distanceEnCours_ = false; // an edit of the distance box awaits its end
    // The scale and distance in force before the box was entered: a distance of zero,
    // which every keystroke may pass through, is refused when the box is left.
    void retenirEchelle();
    long double echelleRetenue_ = 1.0L;
    QString distanceRetenue_;
    QColor couleurDialogue_{Qt::black}; // the colour dialog opens on what it last returned
    const QMouseEvent* dernierClic_ = nullptr;
    quint64 dernierInstant_ = 0;
};
