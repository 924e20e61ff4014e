#include "aides/ClipsTest.h"
#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/ZonePointage.h"
#include "dialogs/TalleraDlg.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString clip100() {
    return clipstest::clip("nav100.avi", {"--size", "160x120", "--frames", "100"});
}

struct Session {
    std::unique_ptr<TForm1> f;
    ControleurNavigation* nav = nullptr;

    explicit Session(const QString& chemin)
        : f(demarrer()) {
        f->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        EXPECT_TRUE(f->clip->ouvrirClip(chemin));
        nav = f->navigation;
    }
    // Image index read from the clip panel as it is painted.
    int ecran() const {
        return clipstest::indexAffiche(f->pnl1AVI, f->MediaPlayer1->rectangleAffichage());
    }
    QString etats() const { // enabled buttons, in the order Play Deb Fin Pre Sui
        QString s;
        for (auto* b : {nav->bbtnPlay, nav->bbtnDeb, nav->bbtnFin, nav->bbtnPre, nav->bbtnSui})
            s += b->isEnabled() ? '1' : '0';
        return s;
    }
    // The picture, the number shown and noImage agree.
    void verifier(int i, const char* quand) const {
        SCOPED_TRACE(quand);
        EXPECT_EQ(f->vue.noImage, i);
        EXPECT_EQ(ecran(), i);
        EXPECT_EQ(nav->lblNoImage2->text(), QString::number(i + 1));
    }
};

} // namespace

TEST(Navigation, ButtonStatesFollowTheImageShown) {
    Session s(clip100());
    EXPECT_EQ(s.etats(), "10101");
    EXPECT_EQ(s.nav->lblNoImage1->text(), "image n° ");
    EXPECT_EQ(s.nav->lblNoImage3->text(), " / ");
    EXPECT_EQ(s.nav->lblNoImage4->text(), "100");
    s.verifier(0, "opened");
    s.nav->bbtnFin->click();
    EXPECT_EQ(s.etats(), "01010");
    s.verifier(99, "last");
    EXPECT_EQ(s.f->tableau->grille1().ligne(), 100);
    s.nav->bbtnPre->click();
    EXPECT_EQ(s.etats(), "11111");
    for (auto* b :
         {s.nav->bbtnPlay, s.nav->bbtnDeb, s.nav->bbtnFin, s.nav->bbtnPre, s.nav->bbtnSui})
        EXPECT_EQ(b->toolTip().isEmpty(), false);
    EXPECT_EQ(s.nav->bbtnPlay->property("tag").toInt(), 2);
    EXPECT_EQ(s.nav->bbtnSui->property("tag").toInt(), 6);
    EXPECT_EQ(s.nav->bbtnPlay->toolTip(), "Jouer le clip");
}

TEST(Navigation, OneImageClipDisablesEveryButtonOnceAndRedrawsSafely) {
    Session s(clipstest::clip("nav1.avi", {"--size", "160x120", "--frames", "1"}));
    s.nav->mpPositionner(0);
    EXPECT_EQ(s.etats(), "00000");
    s.nav->reDraw(0); // passes by index 1, one past the end
    s.verifier(0, "redrawn");
    EXPECT_EQ(s.etats(), "00000");
    s.nav->bbtnPlayClick(s.nav->bbtnSui); // a disabled button's command does nothing
    s.verifier(0, "after a disabled button");
}

TEST(Navigation, LastThenFirstImageMoveInOneStepEach) {
    Session s(clip100());
    s.nav->mpPositionner(4);
    QList<int> montres;
    QObject::connect(s.f->MediaPlayer1.get(), &PeripheriqueMedia::imageChangee,
                     [&](int i) { montres << i; });
    s.nav->bbtnFin->click();
    ASSERT_FALSE(montres.isEmpty());
    EXPECT_EQ(montres.first(), 99); // 95 frames at once, no image in between
    s.verifier(99, "last");
    montres.clear();
    s.nav->bbtnDeb->click();
    ASSERT_FALSE(montres.isEmpty());
    EXPECT_EQ(montres.first(), 0);
    s.verifier(0, "first");
}

TEST(Navigation, TimeOriginMarkerShowsOnItsImageOnly) {
    Session s(clip100());
    s.f->findChild<QSpinBox*>("udt0")->setValue(3);
    s.nav->marqueT0();
    EXPECT_EQ(s.nav->lblNoImage5->text(), "");
    s.nav->bbtnSui->click();
    s.nav->bbtnSui->click();
    EXPECT_EQ(s.nav->lblNoImage5->text(), "   ( t= 0 )");
    s.nav->bbtnSui->click();
    EXPECT_EQ(s.nav->lblNoImage5->text(), "");
    s.nav->bbtnPre->click();
    EXPECT_EQ(s.nav->lblNoImage5->text(), "   ( t= 0 )");
}

TEST(Navigation, PlaybackToTheEndLeavesTheLastImageAndRow) {
    Session s(
        clipstest::clip("nav12.avi", {"--size", "160x120", "--frames", "12", "--rate", "100"}));
    QSignalSpy fin(s.f->MediaPlayer1.get(), &PeripheriqueMedia::notification);
    s.nav->bbtnPlay->click();
    EXPECT_EQ(s.f->MediaPlayer1->mode(), PeripheriqueMedia::Mode::Lecture);
    ASSERT_TRUE(fin.wait(3000));
    QApplication::processEvents();
    s.verifier(11, "end of playback");
    EXPECT_EQ(s.f->tableau->grille1().ligne(), 12);
    EXPECT_EQ(s.f->tableau->grille0().ligne(), 12);
    EXPECT_EQ(s.etats(), "01010");
}

TEST(Navigation, SecondClickOnPlayStopsWhereThePlaybackIs) {
    Session s(
        clipstest::clip("nav300.avi", {"--size", "160x120", "--frames", "300", "--rate", "50"}));
    QSignalSpy fin(s.f->MediaPlayer1.get(), &PeripheriqueMedia::notification);
    s.nav->bbtnPlay->click();
    QTest::qWait(200);
    const int p = int(s.f->MediaPlayer1->position());
    s.nav->bbtnPlay->click();
    EXPECT_EQ(s.f->MediaPlayer1->mode(), PeripheriqueMedia::Mode::Arrete);
    ASSERT_TRUE(fin.wait(1000));
    QApplication::processEvents();
    EXPECT_GT(p, 0);
    EXPECT_EQ(s.f->vue.noImage, p); // not p steps further
    s.verifier(p, "stopped midway");
    EXPECT_EQ(s.f->tableau->grille1().ligne(), p + 1);
}

TEST(Navigation, OpeningAnotherClipDuringPlaybackStartsItOnItsFirstImage) {
    Session s(
        clipstest::clip("nav300.avi", {"--size", "160x120", "--frames", "300", "--rate", "50"}));
    s.nav->bbtnPlay->click();
    QTest::qWait(100);
    ASSERT_TRUE(s.f->clip->ouvrirClip(clip100()));
    QTest::qWait(100);
    s.verifier(0, "other clip");
    EXPECT_EQ(s.nav->lblNoImage4->text(), "100");
}

// After every kind of move, the picture on screen is image noImage.
class ExactitudeNavigation : public ::testing::TestWithParam<const char*> {};

TEST_P(ExactitudeNavigation, EveryMoveShowsImageNoImage) {
    const QString nom = GetParam();
    const QString chemin =
        nom.endsWith(".mp4") ? clipstest::clip(nom, {"--codec", "h264", "--gop", "250", "--bframes",
                                                     "3", "--size", "192x144", "--frames", "120"})
                             : clipstest::clip(nom, {"--size", "192x144", "--frames", "120"});
    Session s(chemin);
    s.verifier(0, "opened");
    for (int i = 1; i <= 3; ++i)
        s.nav->bbtnSui->click();
    s.verifier(3, "next x3");
    s.nav->bbtnPre->click();
    s.verifier(2, "previous");
    s.nav->bbtnFin->click();
    s.verifier(119, "last");
    for (int i = 118; i >= 110; --i) {
        s.nav->bbtnPre->click();
        s.verifier(i, "previous from the end");
    }
    s.nav->bbtnDeb->click();
    s.verifier(0, "first");
    s.f->tableau->setCelluleCourante(1, 61);
    s.verifier(60, "table click");
    s.f->tableau->ecrirePoint(1, 80, 20, 100);
    s.nav->chercherPointsPixel(20, 100);
    TalleraDlg* d = s.f->dlg.alleraDlg;
    ASSERT_EQ(d->nbLignes(), 2);
    d->stringGridAllerClick(1, 1);
    s.verifier(79, "go-to dialog");
    s.nav->reDraw(79);
    s.verifier(79, "redraw");
    s.nav->reDraw(0);
    s.verifier(0, "redraw of the first image");
    s.nav->mpPositionner(57);
    s.f->vue.redessinDemande = true;
    s.nav->Timer1Timer();
    s.verifier(57, "deferred redraw");
    QSignalSpy fin(s.f->MediaPlayer1.get(), &PeripheriqueMedia::notification);
    s.nav->bbtnPlay->click();
    QTest::qWait(150);
    s.nav->bbtnPlay->click();
    ASSERT_TRUE(fin.wait(1000));
    QApplication::processEvents();
    s.verifier(s.f->vue.noImage, "playback stopped midway");
    EXPECT_GT(s.f->vue.noImage, 57);
    s.nav->bbtnSui->click();
    s.nav->bbtnPre->click();
    s.nav->bbtnPre->click();
    EXPECT_EQ(s.ecran(), s.f->vue.noImage);
}

INSTANTIATE_TEST_SUITE_P(Clips, ExactitudeNavigation,
                         ::testing::Values("navex-mjpeg.avi", "navex-h264.mp4"),
                         [](const auto& info) { return std::string(info.param).substr(6, 4); });

TEST(Navigation, GoToDialogListsPointsAtAPixelMarksAndErasesThem) {
    Session s(clip100());
    TalleraDlg* d = s.f->dlg.alleraDlg;
    QAction* atteindre = s.f->action("popUpMenuAtteindre");
    ASSERT_NE(atteindre, nullptr);
    EXPECT_EQ(d->stringGridAller->item(0, 1)->text(), "image n°");
    EXPECT_EQ(d->stringGridAller->item(0, 2)->text(), "t (s)");
    EXPECT_EQ(d->stringGridAller->item(0, 3)->text(), "point n°");

    auto& pixels = s.f->tableau->grille0();
    s.f->tableau->ecrirePoint(1, 3, 50, 60);
    s.f->tableau->ecrirePoint(1, 7, 50, 60);
    s.f->tableau->ecrirePoint(1, 8, 51, 60);

    s.nav->chercherPointsPixel(10, 10);
    EXPECT_FALSE(atteindre->isEnabled());
    EXPECT_EQ(d->nbLignes(), 1);
    EXPECT_FALSE(d->ligneFixe());

    s.nav->chercherPointsPixel(50, 60);
    EXPECT_TRUE(atteindre->isEnabled());
    ASSERT_EQ(d->nbLignes(), 3);
    EXPECT_TRUE(d->ligneFixe());
    EXPECT_EQ(d->imageDe(1), 3);
    EXPECT_EQ(d->imageDe(2), 7);
    EXPECT_EQ(d->pointDe(1), 1);
    EXPECT_EQ(d->stringGridAller->item(2, 2)->text(), s.f->tableau->grille1().cellule(0, 7));

    d->stringGridAllerClick(1, 0);
    EXPECT_EQ(d->marque(1), "x");
    s.verifier(2, "row of image 3");
    d->stringGridAllerClick(2, 0);
    EXPECT_EQ(d->marque(2), "x");
    s.verifier(6, "row of image 7");
    d->stringGridAllerClick(1, 0); // toggles off, then on again
    EXPECT_EQ(d->marque(1), "");
    d->stringGridAllerClick(1, 0);

    QTest::keyClick(d->stringGridAller, Qt::Key_Delete); // no question is asked
    EXPECT_EQ(d->marque(1), "-");
    EXPECT_EQ(d->marque(2), "-");
    EXPECT_EQ(pixels.cellule(1, 3), "");
    EXPECT_EQ(pixels.cellule(2, 7), "");
    EXPECT_EQ(pixels.cellule(1, 8), "51"); // the neighbour pixel stays
    EXPECT_EQ(s.f->tableau->grille1().cellule(1, 3), "");

    d->stringGridAllerClick(1, 0); // an erased row keeps its mark, and still jumps
    EXPECT_EQ(d->marque(1), "-");
    s.verifier(2, "erased row");
}

TEST(Navigation, DraggingTheFrameMovesThePanelWithTheClosedHand) {
    Session s(clip100());
    QWidget* p = s.f->pnl1AVI;
    QAction* adapter = s.f->action("mnuImaAdapter");
    ASSERT_NE(adapter, nullptr);
    adapter->setEnabled(false);
    const QPoint depart = p->pos();
    auto envoyer = [&](QEvent::Type t, QPoint local, Qt::MouseButtons boutons) {
        QMouseEvent e(t, local, p->mapToGlobal(local),
                      t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, boutons,
                      Qt::NoModifier);
        QApplication::sendEvent(p, &e);
    };
    envoyer(QEvent::MouseMove, QPoint(1, 1), Qt::NoButton);
    EXPECT_EQ(RegistreCurseurs::idDe(p), 50);
    envoyer(QEvent::MouseButtonPress, QPoint(1, 1), Qt::LeftButton);
    EXPECT_EQ(RegistreCurseurs::idDe(p), 51);
    EXPECT_TRUE(adapter->isEnabled());
    const QPoint apres(11, 7);
    // The panel moves by the mouse's travel (inside the display area when it fits).
    QMouseEvent m(QEvent::MouseMove, QPoint(1, 1) + apres, p->mapToGlobal(QPoint(1, 1)) + apres,
                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p, &m);
    EXPECT_EQ(p->pos(), depart + apres);
    envoyer(QEvent::MouseButtonRelease, QPoint(1, 1) + apres, Qt::NoButton);
    EXPECT_EQ(RegistreCurseurs::idDe(p), 50);
    s.verifier(0, "after the move");
}

TEST(Navigation, PaintRequestsAreMergedIntoOneRedrawAndOurOwnPaintsAskNothing) {
    Session s(clip100());
    s.nav->mpPositionner(10);
    QTest::qWait(150); // the paints of opening have been served
    s.f->vue.redessinDemande = false;
    int montres = 0;
    QObject::connect(s.f->MediaPlayer1.get(), &PeripheriqueMedia::imageChangee,
                     [&](int) { ++montres; });
    // Our own redraws: a step, a new overlay, a full redraw. None asks for another.
    s.nav->bbtnSui->click();
    s.f->PaintBox1->calque.fill(Qt::transparent);
    s.f->PaintBox1->update();
    s.nav->reDraw(11);
    QTest::qWait(200);
    const int apres = montres;
    QTest::qWait(200);
    EXPECT_EQ(montres, apres); // nothing goes on by itself
    EXPECT_FALSE(s.f->vue.redessinDemande);

    // A paint the platform asks for (the surface is resized) gives one redraw later.
    s.f->PaintBox1->resize(s.f->PaintBox1->size() - QSize(1, 1));
    s.f->PaintBox1->resize(s.f->PaintBox1->size() + QSize(1, 1));
    QTest::qWait(200);
    EXPECT_GE(montres, apres + 2); // one neighbour and back
    EXPECT_LE(montres, apres + 8);
    s.verifier(11, "after the deferred redraw");
}

TEST(Navigation, NothingOpenOnlyRedraws) {
    auto f = demarrer();
    auto* nav = f->navigation;
    for (auto* b : {nav->bbtnPlay, nav->bbtnDeb, nav->bbtnFin, nav->bbtnPre, nav->bbtnSui})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(nav->lblNoImage2->text(), "0");
    EXPECT_EQ(nav->lblNoImage4->text(), "0");
    nav->bbtnPlayClick(nav->bbtnSui);
    nav->PaintBox1Paint();
    EXPECT_FALSE(f->vue.redessinDemande);
    EXPECT_EQ(f->vue.noImage, -1);
}

TEST(Navigation, ClipCutShortKeepsNumberAndPictureInAgreement) {
    QFile source(clipstest::clip("nav-long.avi", {"--size", "160x120", "--frames", "60"}));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray octets = source.readAll();
    QFile coupe(clipstest::dossier() + "/nav-coupe.avi");
    ASSERT_TRUE(coupe.open(QIODevice::WriteOnly));
    coupe.write(octets.left(octets.size() * 3 / 4));
    coupe.close();
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    if (!f->clip->ouvrirClip(coupe.fileName())) return; // refused: nothing to navigate
    auto* nav = f->navigation;
    const QRect r = f->MediaPlayer1->rectangleAffichage();
    auto accord = [&](const char* quand) {
        SCOPED_TRACE(quand);
        const int lu = clipstest::indexAffiche(f->pnl1AVI, r);
        // The image of the number shown, or black where the decoder has nothing.
        EXPECT_TRUE(lu == f->vue.noImage || lu == -1) << lu << " " << f->vue.noImage;
        EXPECT_EQ(nav->lblNoImage2->text(), QString::number(f->vue.noImage + 1));
    };
    nav->bbtnFin->click();
    accord("last");
    for (int i = 0; i < 5; ++i)
        nav->bbtnPre->click();
    accord("back from the last");
    nav->bbtnDeb->click();
    EXPECT_EQ(clipstest::indexAffiche(f->pnl1AVI, r), 0);
}

TEST(Navigation, GoToEntryOpensTheDialogModallyAndFermerClosesIt) {
    Session s(clip100());
    s.f->tableau->ecrirePoint(1, 5, 30, 40);
    s.nav->chercherPointsPixel(30, 40);
    reponse::Vu vu;
    int lignes = 0;
    reponse::dialogue(
        [&](QWidget* w) {
            auto* d = qobject_cast<TalleraDlg*>(w);
            ASSERT_NE(d, nullptr);
            lignes = d->nbLignes();
            w->findChild<QPushButton*>("btnFermer")->click();
        },
        &vu);
    s.f->action("popUpMenuAtteindre")->trigger();
    EXPECT_TRUE(vu.ouvert);
    EXPECT_EQ(vu.titre, "Aller à l'image...");
    EXPECT_EQ(vu.objet, "TalleraDlg");
    EXPECT_EQ(lignes, 2);
    EXPECT_FALSE(s.f->dlg.alleraDlg->isVisible());
    auto* consigne = s.f->dlg.alleraDlg->findChild<QLabel*>("lblConsigne");
    ASSERT_NE(consigne, nullptr);
    EXPECT_EQ(consigne->text(), "Cliquez  sur le numéro de l'image à atteindre...");
}

TEST(Navigation, ResizingDuringPlaybackKeepsNumberAndPictureInAgreement) {
    Session s(
        clipstest::clip("nav12.avi", {"--size", "160x120", "--frames", "12", "--rate", "100"}));
    QSignalSpy fin(s.f->MediaPlayer1.get(), &PeripheriqueMedia::notification);
    s.nav->bbtnPlay->click();
    QTest::qWait(30);
    s.f->resize(s.f->size() + QSize(40, 30));
    s.f->PaintBox1->resize(s.f->PaintBox1->size()); // no change: nothing asked
    ASSERT_TRUE(fin.wait(3000));
    QTest::qWait(120); // any redraw asked meanwhile is served after the playback
    s.verifier(s.f->vue.noImage, "after the playback");
    EXPECT_EQ(s.f->vue.noImage, 11);
}

TEST(Navigation, KeysOnTheClipSideStepLikeTheButtons) {
    Session s(clipstest::clip("nav10.avi", {"--size", "160x120", "--frames", "10"}));
    s.f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.f.get()));
    ZonePointage* image = s.f->PaintBox1;
    // A click on the image records a point and gives the image the keyboard.
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(image->hasFocus());
    auto touche = [&](QWidget* w, Qt::Key k) {
        QTest::keyClick(w, k);
        QTest::qWait(60); // the redraws the move asks for
    };

    touche(image, Qt::Key_Home);
    s.verifier(0, "Home");
    EXPECT_EQ(s.etats(), "10101");
    touche(image, Qt::Key_Left); // nothing before the first image
    s.verifier(0, "Left on the first image");
    touche(image, Qt::Key_Right);
    touche(image, Qt::Key_Right);
    s.verifier(2, "two Right");
    EXPECT_EQ(s.f->tableau->grille1().ligne(), 3);
    touche(image, Qt::Key_End);
    s.verifier(9, "End");
    EXPECT_EQ(s.etats(), "01010");
    touche(image, Qt::Key_Right); // nothing after the last image
    s.verifier(9, "Right on the last image");
    touche(image, Qt::Key_Left);
    s.verifier(8, "Left");

    // The table, the spinners and the distance box keep their keys.
    GrilleMesures& table = s.f->tableau->grille1();
    table.setFocus();
    ASSERT_TRUE(table.hasFocus());
    const int ligne = table.ligne();
    touche(&table, Qt::Key_Right);
    touche(&table, Qt::Key_End);
    touche(&table, Qt::Key_Home);
    EXPECT_EQ(table.ligne(), ligne);
    EXPECT_EQ(s.f->vue.noImage, ligne - 1);

    QSpinBox* udt0 = s.f->findChild<QSpinBox*>("udt0");
    ASSERT_NE(udt0, nullptr);
    udt0->setFocus();
    const int image0 = s.f->vue.noImage;
    touche(udt0, Qt::Key_End);
    touche(udt0, Qt::Key_Left);
    EXPECT_EQ(s.f->vue.noImage, image0);

    s.f->PageControl1->setCurrentWidget(s.f->tsEtalon);
    s.f->findChild<QAbstractButton*>("rbEtalonSimu")->click();
    auto* distance = s.f->findChild<QLineEdit*>("edSi");
    ASSERT_NE(distance, nullptr);
    distance->setFocus();
    ASSERT_TRUE(distance->hasFocus());
    ASSERT_FALSE(distance->text().isEmpty());
    touche(distance, Qt::Key_Home);
    touche(distance, Qt::Key_Right);
    EXPECT_EQ(distance->cursorPosition(), 1);
    touche(distance, Qt::Key_End);
    EXPECT_EQ(distance->cursorPosition(), distance->text().size());
    EXPECT_EQ(s.f->vue.noImage, image0);
}
