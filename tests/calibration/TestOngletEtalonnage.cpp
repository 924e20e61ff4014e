#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ZonePointage.h"
#include "platform/RegistreCurseurs.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A 200 x 100 image with the origin on its bottom-left pixel, as after opening a clip.
struct OngletDEtalonnage : ::testing::Test {
    std::unique_ptr<TForm1> f;
    ControleurEtalonnage* c = nullptr;
    OngletEtalonnage* o = nullptr;

    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::C));
        f = demarrer();
        c = f->etalonnage;
        o = &c->o;
        f->vue.largeurAff = 200;
        f->vue.hauteurAff = 100;
        etalonner(*f->seance, [&](Etalonnage& c) {
            c.xOrig = 0;
            c.yOrig = 99;
        });
        c->presserXpYp();
        c->initEchelle();
        c->montrerMarques();
        c->activerChoix(true);
        f->curseurs->appliquer(f->PaintBox1, f->vue.curseurPointage());
    }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::C)); }

    int curseur() const { return RegistreCurseurs::idDe(f->PaintBox1); }
    QColor fond() const { return o->edSi->palette().color(QPalette::Base); }
    void taper(const QString& t) { QTest::keyClicks(o->edSi, t); }
    // Types one character that makes the text refused; returns the box's text.
    QString taperRefuse(const QString& t) {
        reponse::Vu vu;
        reponse::bouton(QMessageBox::Ok, &vu);
        taper(t);
        EXPECT_TRUE(vu.ouvert) << t.toStdString();
        return vu.texte;
    }
    void modeEchelle() { o->rbEtalonSimu->click(); }
};

const QString avertissementPoint = QString::fromUtf8(
    "Entrez un nombre !\n\ncaractères autorisés :\n       0 1 2 3 4 5 6 7 8 9 . , E e\n\n"
    "formats possibles :\n       - décimal ex : 0.029\n       - scientifique ex : 2.9E-2");

} // namespace

TEST_F(OngletDEtalonnage, ResetShowsRootTwoAndReadOutFollowsTheMouse) {
    EXPECT_EQ(o->edSi->text(), " 1.41E+0");
    EXPECT_EQ(f->seance->etalonnage().distanceTexte, " 1.41E+0");
    EXPECT_EQ(f->seance->etalonnage().echelle, 1.0L); // the reset's text is not evaluated
    EXPECT_EQ(o->lblSHori->text(), " 1.00E+0 m / pxl");
    EXPECT_EQ(o->lblSVert->text(), " 1.00E+0 m / pxl");
    EXPECT_EQ(o->lblP1X->text(), "pX= 1");
    EXPECT_EQ(o->lblP1Y->text(), "pY= 98");
    EXPECT_EQ(o->lblXMetres->text(), "x=  0.00E+0");

    c->lectureCoordonnees(100, 99);
    EXPECT_EQ(o->lblXPixels->text(), "pX= 100");
    EXPECT_EQ(o->lblYPixels->text(), "pY= 0");
    EXPECT_EQ(o->lblXMetres->text(), "x=  1.00E+2");
    EXPECT_EQ(o->lblYMetres->text(), "y=  0.00E+0");
    EXPECT_EQ(f->vue.xSouris, 100);

    // The margin marks have their middle column / row on p1 and p2 (image 4 pixels in).
    EXPECT_EQ(o->indicX1->geometry(), QRect(4, 1, 3, 3));
    EXPECT_EQ(o->indicY2->geometry(), QRect(1, 5, 3, 3));
    EXPECT_TRUE(o->indicX1->isVisibleTo(f->pnl1AVI));
    EXPECT_TRUE(o->pnlEchEtap->isHidden());
}

TEST_F(OngletDEtalonnage, OrientationsCursorsAndOriginClicks) {
    EXPECT_FALSE(o->tbOri[0]->isEnabled());
    o->rbChxOrig->click();
    EXPECT_TRUE(c->modeOrigine());
    EXPECT_TRUE(o->tbOri[3]->isEnabled());
    EXPECT_EQ(curseur(), 111);
    for (int i = 0; i < 4; ++i) {
        o->tbOri[size_t(i)]->click();
        EXPECT_EQ(curseur(), 111 + i);
    }
    f->vue.couleurPointeur = 2;
    for (int i = 0; i < 4; ++i) {
        o->tbOri[size_t(i)]->click();
        EXPECT_EQ(curseur(), 211 + i);
    }
    // y downwards (tbXpYn): a point below the origin has a positive y.
    o->tbOri[2]->click();
    EXPECT_EQ(f->seance->etalonnage().sensY, -1);
    c->lectureCoordonnees(5, 120);
    EXPECT_EQ(o->lblYPixels->text(), "pY= 21");
    EXPECT_EQ(o->lblP1Y->text(), "pY= -98");

    c->clicOrigine(50, 40);
    EXPECT_EQ(f->seance->etalonnage().xOrig, 50);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 40);
    EXPECT_EQ(o->lblP1X->text(), "pX= -49");
    EXPECT_EQ(f->seance->etalonnage().echelle, 1.0L);

    // Entering scale mode leaves origin mode.
    modeEchelle();
    EXPECT_FALSE(o->rbChxOrig->isChecked());
    EXPECT_FALSE(o->tBarOriAxes->isEnabled());
}

TEST_F(OngletDEtalonnage, ScaleModePointsCursorsAndStepGuide) {
    modeEchelle();
    EXPECT_TRUE(c->modeEchelle());
    EXPECT_TRUE(f->vue.segmentEchelleVisible);
    EXPECT_TRUE(o->chkBoxPt1->isChecked());
    EXPECT_FALSE(o->chkBoxPt2->isChecked());
    EXPECT_EQ(curseur(), 141);
    EXPECT_EQ(o->imgEtalonSimu->property("indexImage").toInt(), 1);
    EXPECT_FALSE(o->pnlEchEtap->isHidden());
    EXPECT_EQ(o->lblEchEtap[0]->text(),
              QString::fromUtf8("1 - Cliquez sur le clip pour désigner p1"));
    EXPECT_EQ(o->lblEchEtap[0]->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(fond(), QColor(0, 255, 0));
    EXPECT_EQ(o->edSi->palette().color(QPalette::Text), QColor(128, 0, 0));

    c->clicEchelle(10, 10);
    o->chkBoxPt2->click();
    EXPECT_FALSE(o->chkBoxPt1->isChecked());
    EXPECT_EQ(curseur(), 142);
    EXPECT_EQ(o->lblEchEtap[1]->palette().color(QPalette::Window), QColor(255, 255, 0));
    c->clicEchelle(40, 50);
    EXPECT_EQ(o->lblP2X->text(), "pX= 40");
    EXPECT_EQ(o->lblP2Y->text(), "pY= 49");
    EXPECT_EQ(o->indicX2->x(), 43);
    EXPECT_EQ(o->indicY1->y(), 13);

    // Unchecking the checked box checks the other: one is always checked.
    o->chkBoxPt2->click();
    EXPECT_TRUE(o->chkBoxPt1->isChecked());
    EXPECT_EQ(curseur(), 141);
    f->vue.couleurPointeur = 2;
    f->curseurs->appliquer(f->PaintBox1, 241);
    o->chkBoxPt2->click();
    EXPECT_EQ(curseur(), 242);

    o->edSi->setText("2");
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 0.04, 1e-15);
    EXPECT_EQ(o->lblSHori->text(), " 4.00E-2 m / pxl");
    EXPECT_EQ(o->lblSVert->text(), " 4.00E-2 m / pxl");
    EXPECT_TRUE(f->vue.echelleImpressionARevoir);
    o->edSi->setText("-2");
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 0.04, 1e-15);
    c->edSiExit();
    EXPECT_EQ(o->edSi->text(), " 2.00E+0");
    EXPECT_EQ(f->seance->etalonnage().distanceTexte, " 2.00E+0");

    // Leaving scale mode keeps the scale and the points.
    c->etalonSimuRAZ();
    EXPECT_FALSE(o->rbEtalonSimu->isChecked());
    EXPECT_FALSE(f->vue.segmentEchelleVisible);
    EXPECT_FALSE(o->edSi->isEnabled());
    EXPECT_TRUE(o->pnlEchEtap->isHidden());
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(40, 50));
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 0.04, 1e-15);
}

TEST_F(OngletDEtalonnage, IdenticalPointsAreRefusedWithTheFourLineBox) {
    modeEchelle();
    reponse::Vu vu;
    reponse::bouton(QMessageBox::Ok, &vu);
    c->clicEchelle(2, 2); // onto p2 while p1 is selected
    EXPECT_TRUE(vu.ouvert);
    EXPECT_EQ(vu.texte, QString::fromUtf8("Les points 1 et 2 sont identiques !\n\n"
                                          "Les sensibilités précédentes\nvont être rétablies..."));
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(1, 1));
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(2, 2));
    // The rest of the step still runs: the scale comes from the distance shown.
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 1.41 / std::sqrt(2.0), 1e-15);
    EXPECT_EQ(o->lblP1X->text(), "pX= 1");
}

TEST_F(OngletDEtalonnage, CommaLocaleRepairsTheFirstPointAndPlacesTheCaret) {
    QLocale::setDefault(QLocale(QLocale::French));
    modeEchelle();
    o->edSi->selectAll();
    taper("0.");
    EXPECT_EQ(o->edSi->text(), "0,");
    EXPECT_EQ(o->edSi->cursorPosition(), 2);
    EXPECT_FALSE(o->edSi->hasSelectedText());
    taper("5");
    EXPECT_EQ(o->edSi->text(), "0,5");
    EXPECT_EQ(f->seance->etalonnage().distanceTexte, "0,5");

    reponse::Vu vu;
    reponse::bouton(QMessageBox::Ok, &vu);
    o->edSi->setText("1.2.3"); // pasted at once
    EXPECT_EQ(o->edSi->text(), "1,2.3");
    EXPECT_TRUE(vu.ouvert);
    EXPECT_TRUE(vu.texte.endsWith(
        QString::fromUtf8("décimal ex : 0,029\n       - scientifique ex : 2,9E-2")));
    EXPECT_EQ(fond(), QColor(255, 0, 0));
}

TEST_F(OngletDEtalonnage, TypingScientificNotationPassesThroughRefusedTexts) {
    modeEchelle();
    o->edSi->selectAll();
    taper("2.9");
    EXPECT_EQ(fond(), QColor(0, 255, 0));
    EXPECT_EQ(taperRefuse("E"), avertissementPoint);
    EXPECT_EQ(fond(), QColor(255, 0, 0));
    EXPECT_EQ(o->edSi->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_EQ(o->lblSHori->text(), "erreur ?"
                                   "?!");
    EXPECT_EQ(o->lblSVert->text(), "erreur ?"
                                   "?!");
    const long double avant = f->seance->etalonnage().echelle;
    EXPECT_EQ(taperRefuse("-"), avertissementPoint);
    EXPECT_EQ(f->seance->etalonnage().echelle, avant);
    taper("2");
    EXPECT_EQ(fond(), QColor(0, 255, 0));
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 0.029 / std::sqrt(2.0), 1e-15);
    EXPECT_EQ(f->seance->etalonnage().distanceTexte, "2.9E-2");
}

TEST_F(OngletDEtalonnage, LeavingTheBoxRoundsToTheDigitsShownOrRestoresTheLastDistance) {
    modeEchelle();
    o->edSi->setText("1.2345");
    c->edSiExit();
    EXPECT_EQ(o->edSi->text(), " 1.23E+0");
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 1.23 / std::sqrt(2.0), 1e-15);

    reponse::bouton(QMessageBox::Ok);
    o->edSi->setText("abc");
    EXPECT_EQ(fond(), QColor(255, 0, 0));
    c->edSiExit();
    EXPECT_EQ(o->edSi->text(), " 1.23E+0");
    EXPECT_EQ(fond(), QColor(0, 255, 0));
    EXPECT_EQ(o->lblSHori->text(), " 8.70E-1 m / pxl");

    c->edSiEnter();
    EXPECT_EQ(o->lblEchEtap[2]->text(),
              QString::fromUtf8("3 - Entrez la distance p1p2 en mètre(s)"));
}

TEST_F(OngletDEtalonnage, ZeroDistanceAndBadInputNeverGiveANonFiniteScale) {
    modeEchelle();
    o->edSi->setText("0");
    EXPECT_EQ(f->seance->etalonnage().echelle, 0.0L);
    EXPECT_EQ(o->lblSHori->text(), " 0.00E+0 m / pxl");
    c->lectureCoordonnees(100, 0);
    EXPECT_EQ(o->lblYMetres->text(), "y=  0.00E+0");
    c->edSiExit(); // a zero is not kept: the scale of before the edit comes back
    EXPECT_EQ(f->seance->etalonnage().echelle, 1.0L);
    EXPECT_EQ(fond(), QColor(255, 0, 0));
    {
        reponse::Vu vu; // nor does a scale point clicked with that zero in the box
        reponse::bouton(QMessageBox::Ok, &vu);
        c->clicEchelle(50, 50);
        EXPECT_TRUE(vu.ouvert);
        EXPECT_EQ(f->seance->etalonnage().echelle, 1.0L);
    }

    o->edSi->setText("3");
    const long double bonne = f->seance->etalonnage().echelle;
    for (const QString& mauvais :
         {QString(10000, '9'), QString(10000, 'a'), QString("1e99999"), QString("NaN"),
          QString("inf"), QString(), QString("-1e-99999")}) {
        reponse::Vu vu;
        reponse::bouton(QMessageBox::Ok, &vu);
        o->edSi->setText(mauvais);
        EXPECT_TRUE(vu.ouvert) << mauvais.left(10).toStdString();
        EXPECT_EQ(f->seance->etalonnage().echelle, bonne);
        EXPECT_EQ(o->lblSHori->text(), "erreur ?"
                                       "?!");
    }
    c->edSiExit(); // back to the last accepted distance
    EXPECT_EQ(o->edSi->text(), " 3.00E+0");

    // A scale point clicked while the box holds a refused text: the point moves, the
    // scale stays, and the failure is reported.
    reponse::bouton(QMessageBox::Ok);
    o->edSi->setText("x");
    reponse::Vu vu;
    reponse::bouton(QMessageBox::Ok, &vu);
    c->clicEchelle(30, 30);
    EXPECT_TRUE(vu.ouvert);
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(30, 30));
    EXPECT_EQ(f->seance->etalonnage().echelle, bonne);
}

TEST_F(OngletDEtalonnage, SegmentColourFromTheColourDialog) {
    modeEchelle();
    reponse::dialogue([](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->setCurrentColor(QColor(10, 20, 30));
        d->accept();
    });
    o->bbtnCouleurEch->click();
    EXPECT_EQ(f->vue.couleurEchelle, QColor(10, 20, 30));
    EXPECT_EQ(o->lblEchEtap[3]->text(),
              QString::fromUtf8("4 - Modifiez la couleur du segment p1p2"));
    EXPECT_EQ(o->lblEchEtap[3]->palette().color(QPalette::Window), QColor(255, 255, 144));

    // The dialog opens on what it last returned; cancelling keeps the colour.
    QColor initiale;
    reponse::dialogue([&](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        initiale = d->currentColor();
        d->setCurrentColor(Qt::red);
        d->reject();
    });
    o->bbtnCouleurEch->click();
    EXPECT_EQ(initiale, QColor(10, 20, 30));
    EXPECT_EQ(f->vue.couleurEchelle, QColor(10, 20, 30));
}

TEST_F(OngletDEtalonnage, ClicksOnTheImageWithoutAClipOrInMeasuringModeAreNotCalibration) {
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                  Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(c->PaintBox1MouseUpEtalonnage(&e)); // measuring: acquisition's click
    o->rbChxOrig->click();
    EXPECT_TRUE(c->PaintBox1MouseUpEtalonnage(&e)); // taken, but no clip is open
    EXPECT_EQ(f->seance->etalonnage().xOrig, 0);
    QMouseEvent droit(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(c->PaintBox1MouseUpEtalonnage(&droit));
}

TEST_F(OngletDEtalonnage, FocusEntersAndLeavesTheBoxButAWarningDoesNotLeaveIt) {
    f->show();
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    modeEchelle();
    o->edSi->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(o->lblEchEtap[2]->palette().color(QPalette::Window), QColor(255, 255, 0));
    o->edSi->selectAll();
    taper("4");
    EXPECT_EQ(taperRefuse("x"), avertissementPoint);
    f->activateWindow(); // the offscreen platform does not give it back by itself
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    EXPECT_EQ(o->edSi->text(), "4x");
    EXPECT_TRUE(o->edSi->hasFocus())
        << QApplication::focusWidget(); // the box took the focus; the text was not rewritten
    o->bbtnCouleurEch->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(o->edSi->text(), " 4.00E+0"); // left in error: the last accepted distance
    EXPECT_EQ(fond(), QColor(0, 255, 0));
}

namespace {
// The same session with the image area laid out and a clip standing as open.
struct EtalonnageSouris : OngletDEtalonnage {
    void SetUp() override {
        OngletDEtalonnage::SetUp();
        f->setTemoinClip([] { return true; });
        f->PaintBox1->setGeometry(4, 4, 200, 100);
        f->pnl1AVI->resize(208, 108);
        f->show(); // mouse moves reach only a shown window
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }
    void cliquer(int x, int y) {
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(x, y));
    }
    void survoler(int x, int y) { QTest::mouseMove(f->PaintBox1, QPoint(x, y)); }
};
} // namespace

TEST_F(EtalonnageSouris, ImageClicksFollowTheSubState) {
    cliquer(30, 30); // measuring: not calibration
    EXPECT_EQ(f->seance->etalonnage().xOrig, 0);

    o->rbChxOrig->click();
    cliquer(30, 40);
    EXPECT_EQ(f->seance->etalonnage().xOrig, 30);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 40);
    cliquer(250, 40); // outside the displayed image
    EXPECT_EQ(f->seance->etalonnage().xOrig, 30);

    modeEchelle();
    cliquer(10, 10);
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(10, 10));
    o->chkBoxPt2->click();
    cliquer(40, 50);
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(40, 50));
    EXPECT_EQ(f->seance->etalonnage().xOrig, 30);
    o->edSi->setText("2");
    EXPECT_EQ(o->lblSHori->text(), " 4.00E-2 m / pxl");

    // Another tab than "Mesures" keeps the mode; the shell's return to "Mesures" ends it.
    f->PageControl1->setCurrentWidget(f->tsProClip);
    EXPECT_TRUE(c->modeEchelle());
    o->rbEtalonSimu->setChecked(false);
    c->ChxOrigRAZ();
    c->etalonSimuRAZ();
    cliquer(60, 60);
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(40, 50));
}

TEST_F(EtalonnageSouris, ReadOutAndCoordinateBarHint) {
    o->rbChxOrig->click();
    o->tbOri[3]->click(); // x to the left, y downwards
    survoler(10, 120 - 21);
    EXPECT_EQ(o->lblXPixels->text(), "pX= -10");
    auto* unite = f->findChild<QLabel*>("lblPixels");
    ASSERT_NE(unite, nullptr);
    EXPECT_EQ(unite->text(), "pixels");
    EXPECT_EQ(o->lblYPixels->text(), "pY= 0");
    survoler(1, 1); // (0, 0) would mean the middle of the widget to QTest
    EXPECT_EQ(o->lblYPixels->text(), "pY= -98");
    EXPECT_EQ(o->lblYMetres->text(), "y= -9.80E+1");

    QTest::mouseMove(f->tbCoord, QPoint(2, 2));
    EXPECT_EQ(f->tbCoord->toolTip(),
              QString::fromUtf8("Coordonnées \n- sensibilité horizontale : 1.00E+0 m / pxl ;\n"
                                "- sensibilité verticale :     1.00E+0 m / pxl"));
    EXPECT_EQ(f->tbCoord->statusTip(),
              QString::fromUtf8("Coordonnées ( sensibilité horizontale:  1.00E+0 m / pxl ; "
                                "sensibilité verticale:  1.00E+0 m / pxl )"));
}

TEST_F(EtalonnageSouris, SegmentAndCrossesAppearAtOnceAndTakeTheChosenColour) {
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.p1 = QPoint(20, 20);
        c.p2 = QPoint(60, 20);
    });
    modeEchelle();
    const QImage& calque = f->PaintBox1->calque;
    EXPECT_EQ(calque.pixelColor(16, 20), QColor(Qt::red));  // cross on p1
    EXPECT_EQ(calque.pixelColor(60, 24), QColor(Qt::blue)); // cross on p2
    EXPECT_EQ(calque.pixelColor(40, 20), QColor(0, 128, 0));

    reponse::dialogue([](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        d->setCurrentColor(QColor(200, 100, 0));
        d->accept();
    });
    o->bbtnCouleurEch->click();
    EXPECT_EQ(f->PaintBox1->calque.pixelColor(40, 20), QColor(200, 100, 0));
}
