#pragma once

#include "app/ContexteFenetre.h"

#include <QColor>
#include <QObject>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMouseEvent;
class HautBas;

// Recording points by clicking on the image, with automatic advance.
//
// Controls it builds in the pointing options of the tab "Mesures": lblPointNumero and the
// spinner udPointNumero (the current point k), the panel "Point suivant auto." with
// chkBoxAutoH and chkBoxAutoV, which stay in step with the actions AutoH and AutoV.
class ControleurAcquisition : public QObject {
    Q_OBJECT
public:
    explicit ControleurAcquisition(const ContexteFenetre& contexte);

    // --- Read and set by the other rooms ----------------------------------------------
    int pointCourant() const;               // k, the position of udPointNumero
    void setMaximumPoint(int n);            // udPointNumero's maximum, enabled above 1
    void couleurEtiquette(const QColor& c); // text colour of lblPointNumero
    void suivreNombreDePoints(int n);       // n points per image: the spinner, "F"
    void activer();                         // a clip is open: "H" may be used

    // --- Handlers and routines ----------------------------------------------------------
    void PaintBox1MouseUp(QMouseEvent* e);
    // A left click at (x, y) on the displayed image in measuring mode.
    void acquerir(int x, int y);
    void udPointNumeroClick();
    void ChgPointNumero(int k);
    void chkBoxAutoHClick();
    void chkBoxAutoVClick();
    void AutoHExecute();
    void AutoVExecute();

    QLabel* lblPointNumero = nullptr;
    HautBas* udPointNumero = nullptr;
    QGroupBox* pnlAutomatismes = nullptr;
    QCheckBox* chkBoxAutoH = nullptr;
    QCheckBox* chkBoxAutoV = nullptr;

    // Asked first of a left click on the image: true when the calibration took it.
    std::function<bool(QMouseEvent*)> clicEtalonnage;

signals:
    void rechercheDemandee(int x, int y); // right click: the points recorded there
    // After a click: the table's current cell moves on (column c, row r; -1 keeps one).
    void celluleSuivante(int c, int r);
    void colonneDemandee(int c); // the current point's columns in both tables
    void imageDemandee(int image);
    void marqueADessiner(int k, int x, int y);
    void marquesADessiner();
    void redessinDemande(int image);
    void pointMontre(int k); // the current point shown, its "drawn" box follows

private:
    void construireOptions();
    void montrerPoint(int k);

    ContexteFenetre f;
};
