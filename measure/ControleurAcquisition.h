#pragma once

#include <QColor>
#include <QObject>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMouseEvent;
class HautBas;
class TForm1;

// Recording points by clicking on the image, with automatic advance.
//
// Controls it builds in the pointing options of the tab "Mesures": lblPointNumero and the
// spinner udPointNumero (the current point k), the panel "Point suivant auto." with
// chkBoxAutoH and chkBoxAutoV, which stay in step with the actions AutoH and AutoV.
class ControleurAcquisition : public QObject {
    Q_OBJECT
public:
    explicit ControleurAcquisition(TForm1& form);

    // --- Read and set by the other rooms ----------------------------------------------
    int pointCourant() const;               // k, the position of udPointNumero
    void setMaximumPoint(int n);            // udPointNumero's maximum, enabled above 1
    void couleurEtiquette(const QColor& c); // text colour of lblPointNumero

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

private:
    void construireOptions();
    void montrerPoint(int k);
    void defiler();

    TForm1& f;
};
