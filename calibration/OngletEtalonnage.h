#pragma once

#include <QPixmap>
#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;
class QWidget;

// The controls of the tab "Etalonnage", of the coordinate bar and the four margin marks,
// built once inside the regions the main window gives.
struct OngletEtalonnage {
    QRadioButton* rbChxOrig = nullptr;
    QToolBar* tBarOriAxes = nullptr;
    std::array<QToolButton*, 4> tbOri{}; // tbXpYp, tbXnYp, tbXpYn, tbXnYN (indices 0..3)
    QButtonGroup* groupeOri = nullptr;
    QRadioButton* rbEtalonSimu = nullptr;
    QCheckBox* chkBoxPt1 = nullptr;
    QCheckBox* chkBoxPt2 = nullptr;
    QLineEdit* edSi = nullptr;
    QLabel* lblP1X = nullptr;
    QLabel* lblP1Y = nullptr;
    QLabel* lblP2X = nullptr;
    QLabel* lblP2Y = nullptr;
    QLabel* lblSHori = nullptr;
    QLabel* lblSVert = nullptr;
    QPushButton* bbtnCouleurEch = nullptr;
    QFrame* pnlEchEtap = nullptr;
    std::array<QLabel*, 4> lblEchEtap{};
    QLabel* lblEchEtapOrdre = nullptr;
    QLabel* imgEtalonSimu = nullptr;
    std::array<QPixmap, 2> imagesEtalon;

    // Coordinate bar.
    QLabel* lblXPixels = nullptr;
    QLabel* lblYPixels = nullptr;
    QLabel* lblXMetres = nullptr;
    QLabel* lblYMetres = nullptr;

    // Margin marks of the image panel: columns of p1, p2 on top, rows on the left.
    QFrame* indicX1 = nullptr;
    QFrame* indicY1 = nullptr;
    QFrame* indicX2 = nullptr;
    QFrame* indicY2 = nullptr;

    void construire(QWidget* onglet, QToolBar* barreCoord, QWidget* panneauImage);
};
