// Undo and redo of the measures through the menu "Edition", on a real clip.

#include "app/DossierTest.h"
#include "export/FenetreExport.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "model/Seance.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace fenetreExport;

namespace {

// Something is drawn on the overlay in the 9 x 9 square around p, away from the axes
// through the origin (20, 100).
bool marque(const TForm1& f, QPoint p) {
    for (int y = p.y() - 4; y <= p.y() + 4; ++y)
        for (int x = p.x() - 4; x <= p.x() + 4; ++x)
            if (x != 20 && y != 100 && f.PaintBox1->calque.valid(x, y) &&
                qAlpha(f.PaintBox1->calque.pixel(x, y)) != 0)
                return true;
    return false;
}

struct Annulation : DossierTest {
    std::unique_ptr<TForm1> f;
    QAction* annuler = nullptr;
    QAction* retablir = nullptr;
    void SetUp() override {
        DossierTest::SetUp();
        f = clipMesure(); // points on images 0, 1, 2 at (45, 75), (20, 110), (70, 50)
        annuler = f->action("mnuAnnuler");
        retablir = f->action("mnuRetablir");
        QTest::qWait(50); // the redraws asked are served
    }
    QString x(int r) const { return f->tableau->grille1().cellule(1, r); }
    QString t(int r) const { return f->tableau->grille1().cellule(0, r); }
    QString distance() const { return f->findChild<QLineEdit*>("edSi")->text(); }
};

} // namespace

TEST_F(Annulation, ClicksAndErasesComeAndGoWithTheirMarksAndTheImageWhereTheyActed) {
    EXPECT_EQ(annuler->text(), "Annuler le pointage");
    EXPECT_FALSE(retablir->isEnabled());
    EXPECT_EQ(retablir->text(), QString::fromUtf8("Rétablir"));
    const QString x2 = x(2), x3 = x(3);

    annuler->trigger();
    annuler->trigger();
    QTest::qWait(50);
    EXPECT_EQ(x(1), " 1.00E+0");
    EXPECT_TRUE(x(2).isEmpty());
    EXPECT_TRUE(x(3).isEmpty());
    EXPECT_TRUE(f->tableau->grille0().cellule(1, 2).isEmpty());
    EXPECT_EQ(f->vue.noImage, 1); // the image of the last click undone, its cell current
    EXPECT_EQ(f->tableau->grille1().ligne(), 2);
    EXPECT_FALSE(marque(*f, QPoint(20, 110)));
    EXPECT_EQ(retablir->text(), QString::fromUtf8("Rétablir le pointage"));

    retablir->trigger();
    QTest::qWait(50);
    EXPECT_EQ(x(2), x2);
    EXPECT_TRUE(x(3).isEmpty());
    EXPECT_EQ(f->vue.noImage, 1);
    EXPECT_TRUE(marque(*f, QPoint(20, 110)));

    boite(QMessageBox::Yes);
    f->findChild<QPushButton*>("Button2")->click();
    EXPECT_TRUE(x(1).isEmpty());
    EXPECT_EQ(annuler->text(), QString::fromUtf8("Annuler l'effacement"));
    EXPECT_FALSE(retablir->isEnabled()); // a new change forgets what was undone
    annuler->trigger();
    QTest::qWait(50);
    EXPECT_EQ(x(1), " 1.00E+0");
    EXPECT_EQ(x(2), x2);
    EXPECT_EQ(f->vue.noImage, 0); // the image of the top row erased
    EXPECT_TRUE(marque(*f, QPoint(45, 75)));
    EXPECT_EQ(retablir->text(), QString::fromUtf8("Rétablir l'effacement"));
}

TEST_F(Annulation, UndoingBackToTheSavedMeasuresAsksNothingWhenAnotherClipOpens) {
    reponse::dialogue([&](QWidget* d) { taper(d, chemin("a.rw3")); });
    f->action("mnuAuFormatRW3")->trigger();
    ASSERT_TRUE(QFile::exists(chemin("a.rw3")));
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    annuler->trigger();
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    retablir->trigger();
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    annuler->trigger();
    reponse::Vu question;
    QPointer<QTimer> veille;
    reponse::dialogue([&](QWidget* d) {
        veille = boite(QMessageBox::No, &question);
        taper(d, clipstest::clip("autre.avi", {"--size", "160x120", "--frames", "3"}));
    });
    f->findChild<QAction*>("mnuChargerAvi")->trigger();
    arreter(veille);
    EXPECT_FALSE(question.ouvert);
    EXPECT_FALSE(annuler->isEnabled()); // another clip starts a new history
}

TEST_F(Annulation, CalibrationTimeOriginAndDigitsAreUndoneWithTheTable) {
    const QString x1 = x(1), t1 = t(1), d = distance();
    const int image = f->vue.noImage;
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbChxOrig")->click();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(30, 90));
    f->findChild<QToolButton*>("tbXnYp")->click();
    EXPECT_NE(x(1), x1);
    EXPECT_EQ(annuler->text(), "Annuler l'origine et les axes");
    annuler->trigger();
    annuler->trigger();
    EXPECT_EQ(x(1), x1);
    EXPECT_EQ(f->findChild<QLabel*>("lblP1X")->text(), "pX= -10"); // p1 = (10, 10) from (20, 100)
    EXPECT_TRUE(f->findChild<QToolButton*>("tbXpYp")->isChecked());
    EXPECT_EQ(f->vue.noImage, image); // the image shown stays
    retablir->trigger();
    EXPECT_EQ(f->seance->etalonnage().xOrig, 30);

    f->findChild<QRadioButton*>("rbEtalonSimu")->click();
    auto* edSi = f->findChild<QLineEdit*>("edSi");
    edSi->setFocus();
    edSi->selectAll();
    QTest::keyClicks(edSi, "4");
    QTest::keyClick(edSi, Qt::Key_Return);
    const QString x1Echelle = x(1);
    EXPECT_EQ(annuler->text(), QString::fromUtf8("Annuler l'étalonnage"));
    annuler->trigger();
    EXPECT_EQ(distance(), d);
    EXPECT_EQ(f->seance->etalonnage().echelle, 2.0L / 50);
    retablir->trigger();
    EXPECT_EQ(x(1), x1Echelle);

    auto* chiffres = f->findChild<HautBas*>("udFmt_xy");
    QTest::keyClick(chiffres, Qt::Key_Up);
    EXPECT_EQ(annuler->text(), "Annuler le nombre de chiffres");
    EXPECT_EQ(distance(), " 4.000E+0");
    annuler->trigger();
    EXPECT_EQ(distance(), " 4.00E+0");
    EXPECT_EQ(x(1), x1Echelle);
    EXPECT_EQ(chiffres->value(), 2);

    auto* t0 = f->findChild<HautBas*>("udt0");
    QTest::keyClick(t0, Qt::Key_Up);
    EXPECT_TRUE(t(1).isEmpty());
    EXPECT_EQ(annuler->text(), "Annuler l'origine des dates");
    annuler->trigger();
    EXPECT_EQ(t(1), t1);
    EXPECT_EQ(t0->value(), 1);
    EXPECT_EQ(f->findChild<QLabel*>("lblt0")->text(), "1");
}

TEST_F(Annulation, ADistanceStillInTheBoxIsConfirmedWhenTheScaleModeEnds) {
    const QString x1 = x(1);
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbEtalonSimu")->click();
    auto* edSi = f->findChild<QLineEdit*>("edSi");
    edSi->selectAll();
    QTest::keyClicks(edSi, "4"); // 4 m over the 50 pixels of p1p2, the box not left
    EXPECT_EQ(x(1), x1);         // the table waits for the end of the edit
    f->PageControl1->setCurrentWidget(f->tsMesures);
    EXPECT_EQ(x(1), " 2.00E+0"); // 25 pixels right of the origin at the new scale
    EXPECT_EQ(annuler->text(), QString::fromUtf8("Annuler l'étalonnage"));
    f->findChild<HautBas*>("udPointNumero")->setValue(1);
    const int r = f->vue.noImage + 1;
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(45, 75));
    EXPECT_EQ(x(r), " 2.00E+0");

    annuler->trigger();
    annuler->trigger(); // the click, then the whole edit
    EXPECT_EQ(x(1), x1);
    EXPECT_EQ(f->seance->etalonnage().echelle, 2.0L / 50);
    EXPECT_EQ(distance(), " 2.00E+0");
}

TEST_F(Annulation, ARecalibrationAfterASaveIsAChange) {
    reponse::dialogue([&](QWidget* d) { taper(d, chemin("b.rw3")); });
    f->action("mnuAuFormatRW3")->trigger();
    ASSERT_FALSE(f->tableau->mesuresNonEnregistrees());
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbChxOrig")->click();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(25, 95));
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
}

TEST_F(Annulation, CtrlZInTheDistanceBoxIsTheBoxs) {
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbEtalonSimu")->click();
    auto* edSi = f->findChild<QLineEdit*>("edSi");
    edSi->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edSi; }, 1000));
    const QString avant = edSi->text();
    const int commandes = f->seance->pile().index();
    QTest::keyClicks(edSi, "5");
    QTest::keyClick(edSi, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edSi->text(), avant);                  // the keystroke is undone in the box
    EXPECT_EQ(f->seance->pile().index(), commandes); // and no measure
}
