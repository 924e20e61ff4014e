#pragma once

#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurAcquisition.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "measure/Nbreels.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

// A window with a small clip of test images open, as a user who has just opened it.
namespace pointage {

inline std::unique_ptr<TForm1> avecClip(int images = 10) {
    auto f = demarrer();
    const QString chemin = clipstest::clip(QStringLiteral("pointage%1.avi").arg(images),
                                           {"--frames", QString::number(images)});
    EXPECT_FALSE(chemin.isEmpty());
    EXPECT_TRUE(f->clip->ouvrirClip(chemin));
    return f;
}

// Left or right click at (x, y) of the image.
inline void clic(TForm1& f, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(f.PaintBox1, b, {}, QPoint(x, y));
}

// n points per image, as the spinner of the table sets it.
inline void points(TForm1& f, int n) {
    auto* u = f.findChild<HautBas*>("udPointsPlan");
    u->setValue(n);
    f.tableau->udPointsPlanClick();
}

// The image of row r shown, as a click on that row of the table does.
inline void ligne(TForm1& f, int r) {
    f.tableau->grille1().setLigne(r);
}

inline QString px(TForm1& f, int c, int r) {
    return f.tableau->grille0().cellule(c, r);
}
inline QString m(TForm1& f, int c, int r) {
    return f.tableau->grille1().cellule(c, r);
}

inline bool peint(TForm1& f, int x, int y) {
    return qAlpha(f.PaintBox1->calque.pixel(x, y)) != 0;
}

} // namespace pointage
