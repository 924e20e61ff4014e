// Undo and redo of the measures through the menu "Edition", on a real clip.

#include "app/DossierTest.h"
#include "export/FenetreExport.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"

#include <QAction>
#include <QPushButton>

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
    EXPECT_EQ(f->etat.noImage, 1); // the image of the last click undone, its cell current
    EXPECT_EQ(f->tableau->grille1().ligne(), 2);
    EXPECT_FALSE(marque(*f, QPoint(20, 110)));
    EXPECT_EQ(retablir->text(), QString::fromUtf8("Rétablir le pointage"));

    retablir->trigger();
    QTest::qWait(50);
    EXPECT_EQ(x(2), x2);
    EXPECT_TRUE(x(3).isEmpty());
    EXPECT_EQ(f->etat.noImage, 1);
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
    EXPECT_EQ(f->etat.noImage, 0); // the image of the top row erased
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
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f->PaintBox1, Qt::Key_Z, Qt::ControlModifier); // the image has the keyboard
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    QTest::keyClick(f->PaintBox1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    QTest::keyClick(f->PaintBox1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees()); // nothing left to redo
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
