#include "aides/ClipsTest.h"
#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "app/ControleurFenetre.h"
#include "app/Demarrage.h"
#include "app/VisionneuseAide.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurTaille.h"
#include "clip/ZonePointage.h"
#include "dialogs/TtailleImaBox.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "model/Seance.h"
#include "platform/PeripheriqueMedia.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString clip320() {
    return clipstest::clip("taille320.avi", {"--size", "320x240", "--frames", "6"});
}

QString clip1080() {
    return clipstest::clip("grand1080.avi",
                           {"--codec", "h264", "--size", "1920x1080", "--frames", "3"});
}

bool actif(TForm1& f, const char* nom) {
    return f.action(nom)->isEnabled();
}

QString texte(TForm1& f, const char* nom) {
    return f.controle<QLabel>(nom)->text();
}

// A shown window of the given size with a clip open.
std::unique_ptr<TForm1> fenetreAvecClip(const QString& chemin, QSize taille = {620, 465}) {
    auto f = demarrer();
    f->resize(taille);
    f->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    EXPECT_FALSE(chemin.isEmpty()) << "clipgen";
    EXPECT_TRUE(f->clip->ouvrirClip(chemin));
    QTest::qWait(60); // the 40 ms redraw of the resized surface
    return f;
}

// Runs a command that shows the size dialog, and acts in it as the user does.
void dansDialogue(TForm1& f, const char* commande, std::function<void(TtailleImaBox*)> agir,
                  reponse::Vu* vu = nullptr) {
    reponse::dialogue([&](QWidget* w) { agir(qobject_cast<TtailleImaBox*>(w)); }, vu);
    f.action(commande)->trigger();
}

// The user clicks the up or down arrow of the spinner n times.
void fleche(HautBas* u, bool haut, int n = 1) {
    QStyleOptionSpinBox opt;
    opt.initFrom(u);
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    opt.buttonSymbols = u->buttonSymbols();
    const QRect r = u->style()->subControlRect(
        QStyle::CC_SpinBox, &opt, haut ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, u);
    for (int i = 0; i < n; ++i)
        QTest::mouseClick(u, Qt::LeftButton, {}, r.center());
}

void pointEnregistre(TForm1& f, int x, int y) {
    QTest::mouseClick(f.PaintBox1, Qt::LeftButton, {}, QPoint(x, y));
}

} // namespace

TEST(TailleClip, AdapterFitsTheClipInTheDisplayArea) {
    auto f = fenetreAvecClip(clip320(), {1300, 900});
    // A display area of 809 x 489 pixels inside its frame.
    const int cadre = 2 * f->ScrollBox1->frameWidth();
    f->ScrollBox1->setFixedSize(809 + cadre, 489 + cadre);
    QTest::qWait(20);
    ASSERT_EQ(f->ScrollBox1->viewport()->size(), QSize(809, 489));
    EXPECT_EQ(f->vue.taillePc, 100); // it fitted: opened at 100 %

    QString titre, pc;
    int position = 0;
    bool coche = false;
    reponse::Vu vu;
    dansDialogue(
        *f, "mnuImaAdapter",
        [&](TtailleImaBox* d) {
            titre = d->windowTitle();
            pc = d->pnlPc->text();
            position = d->udPc->value();
            coche = d->chkBxAdapter->isChecked();
            d->OKBtn->click();
        },
        &vu);
    EXPECT_EQ(vu.objet, "TtailleImaBox");
    EXPECT_EQ(titre, "Taille du clip (actuellement 100%)");
    EXPECT_TRUE(coche);
    EXPECT_EQ(pc, "200%");
    EXPECT_EQ(position, 200);

    const EtatVue& e = f->vue;
    EXPECT_EQ(e.taillePc, 200);
    EXPECT_EQ(double(e.rapportAff), 2.0);
    EXPECT_EQ(e.largeurAff, 640);
    EXPECT_EQ(e.hauteurAff, 480);
    EXPECT_EQ(f->pnl1AVI->geometry(), QRect(0, 0, 648, 488));
    EXPECT_EQ(f->PaintBox1->geometry(), QRect(4, 4, 640, 480));
    EXPECT_EQ(f->MediaPlayer1->rectangleAffichage(), QRect(4, 4, 640, 480));
    // The decoder gives the images at the new size: nothing is stretched when painting.
    EXPECT_EQ(f->MediaPlayer1->imageAffichee().size(), QSize(640, 480));
    EXPECT_EQ(clipstest::indexAffiche(f->pnl1AVI, QRect(4, 4, 640, 480)), 0);
    EXPECT_EQ(texte(*f, "lblAdapt"), "Adaptation : 200%");
    EXPECT_TRUE(actif(*f, "mnuIma100"));
    EXPECT_FALSE(actif(*f, "mnuImaAdapter"));
    // The whole panel lies inside the display area.
    EXPECT_TRUE(f->ScrollBox1->viewport()->rect().contains(f->pnl1AVI->geometry()));

    // Moving the splitter makes "Adapter" available again.
    f->vue.adapte = false;
    emit f->Splitter1->splitterMoved(300, 1);
    EXPECT_TRUE(actif(*f, "mnuImaAdapter"));
    EXPECT_TRUE(e.adapte);
}

TEST(TailleClip, HalfSizeKeepsTheOriginAndAsksNothingWithAnEmptyTable) {
    auto f = fenetreAvecClip(clip320());
    EtatVue& e = f->vue;
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.xOrig = 100;
        c.yOrig = 50;
    });
    f->pnl1AVI->move(30, 20); // dragged by the user
    bool coche = true;
    dansDialogue(*f, "mnuImaAutre", [&](TtailleImaBox* d) {
        coche = d->chkBxAdapter->isChecked();
        fleche(d->udPc, false, 50);
        EXPECT_EQ(d->pnlPc->text(), "50%");
        d->OKBtn->click();
    });
    EXPECT_FALSE(coche); // "Autre..." opens with "Adapter" unticked
    EXPECT_EQ(e.largeurAff, 160);
    EXPECT_EQ(e.hauteurAff, 120);
    EXPECT_EQ(f->pnl1AVI->size(), QSize(168, 128));
    EXPECT_EQ(f->pnl1AVI->pos(), QPoint(30, 20)); // "Adapter" unticked: the panel stays
    EXPECT_EQ(f->PaintBox1->size(), QSize(160, 120));
    EXPECT_EQ(f->MediaPlayer1->imageAffichee().size(), QSize(160, 120));
    EXPECT_EQ(f->seance->etalonnage().xOrig, 100);
    EXPECT_EQ(f->seance->etalonnage().yOrig, 50);
    EXPECT_EQ(e.taillePc, 50);
    EXPECT_EQ(texte(*f, "lblAdapt"), "Adaptation : 50%");
    EXPECT_TRUE(actif(*f, "mnuIma100"));
    EXPECT_TRUE(actif(*f, "mnuImaAdapter"));

    // A click on the reduced image records display pixels.
    pointEnregistre(*f, 159, 119);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "159");
    EXPECT_EQ(f->tableau->grille0().cellule(2, 1), "119");
}

TEST(TailleClip, HundredPercentAsksBeforeErasingTheTableAndTheScale) {
    auto f = fenetreAvecClip(clip320());
    EtatVue& e = f->vue;
    dansDialogue(*f, "mnuImaAutre", [&](TtailleImaBox* d) {
        fleche(d->udPc, false, 50);
        d->OKBtn->click();
    });
    ASSERT_EQ(e.taillePc, 50);
    pointEnregistre(*f, 40, 30);
    ASSERT_EQ(f->tableau->grille0().cellule(1, 1), "40");
    etalonner(*f->seance, [&](Etalonnage& c) {
        c.echelle = 0.01L;
        c.p1 = QPoint(10, 10);
    });

    // "OK" on the unchanged percentage from "Autre...": nothing is asked or erased.
    dansDialogue(*f, "mnuImaAutre", [&](TtailleImaBox* d) { d->OKBtn->click(); });
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "40");
    EXPECT_EQ(double(f->seance->etalonnage().echelle), 0.01);

    // "100%", spinner untouched: the question; No keeps everything.
    reponse::Vu question;
    int apresNon = 0;
    dansDialogue(*f, "mnuIma100", [&](TtailleImaBox* d) {
        EXPECT_EQ(d->pnlPc->text(), "100%");
        reponse::bouton(QMessageBox::No, &question);
        d->OKBtn->click();
        apresNon = d->udPc->value();
    });
    EXPECT_EQ(question.texte,
              "Les données du tableau vont être\neffacées :\n\nconfirmez-vous ce choix ?");
    EXPECT_EQ(apresNon, 50);
    EXPECT_EQ(e.taillePc, 50);
    EXPECT_EQ(e.largeurAff, 160);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "40");
    EXPECT_EQ(f->tableau->grille1().cellule(1, 1).isEmpty(), false);
    EXPECT_EQ(double(f->seance->etalonnage().echelle), 0.01);

    // "100%" then "Annuler": the spinner goes back to the size in force.
    dansDialogue(*f, "mnuIma100", [&](TtailleImaBox* d) { d->CancelBtn->click(); });
    EXPECT_EQ(f->dlg.tailleImaBox->udPc->value(), 50);

    // Yes: the table and the scale go, the clip is back at its own size.
    reponse::Vu oui;
    dansDialogue(*f, "mnuIma100", [&](TtailleImaBox* d) {
        reponse::bouton(QMessageBox::Yes, &oui);
        d->OKBtn->click();
    });
    EXPECT_TRUE(oui.ouvert);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "");
    EXPECT_EQ(f->tableau->grille1().cellule(1, 1), "");
    EXPECT_EQ(double(f->seance->etalonnage().echelle), 1.0);
    EXPECT_EQ(f->seance->etalonnage().p1, QPoint(1, 1));
    EXPECT_EQ(f->seance->etalonnage().p2, QPoint(2, 2));
    EXPECT_EQ(e.taillePc, 100);
    EXPECT_EQ(e.largeurAff, 320);
    EXPECT_EQ(f->pnl1AVI->size(), QSize(328, 248));
    EXPECT_FALSE(actif(*f, "mnuIma100"));
    EXPECT_EQ(f->MediaPlayer1->indexAffiche(), 0);      // the first image again
    EXPECT_FALSE(f->action("mnuAnnuler")->isEnabled()); // nothing to give back at this size
}

TEST(TailleClip, HeldSpinnerAcceleratesAndReleaseResetsIt) {
    auto f = fenetreAvecClip(clip320());
    std::vector<int> pas;
    bool timerPendant = false, cocheApresAppui = true, enfonce = false;
    int intervalle = 0;
    dansDialogue(*f, "mnuImaAdapter", [&](TtailleImaBox* d) {
        timerPendant = d->Timer1->isActive();
        intervalle = d->Timer1->interval();
        QStyleOptionSpinBox opt;
        opt.initFrom(d->udPc);
        const QRect haut = d->udPc->style()->subControlRect(QStyle::CC_SpinBox, &opt,
                                                            QStyle::SC_SpinBoxUp, d->udPc);
        QTest::mousePress(d->udPc, Qt::LeftButton, {}, haut.center());
        enfonce = f->vue.boutonPcEnfonce;
        cocheApresAppui = d->chkBxAdapter->isChecked();
        pas.push_back(d->udPc->singleStep());
        for (int i = 0; i < 5; ++i) {
            d->Timer1Timer(); // one tick of the 1800 ms timer
            pas.push_back(d->udPc->singleStep());
        }
        QTest::mouseRelease(d->udPc, Qt::LeftButton, {}, haut.center());
        pas.push_back(d->udPc->singleStep());
        d->Timer1Timer(); // released: no more growth
        pas.push_back(d->udPc->singleStep());
        d->CancelBtn->click();
    });
    EXPECT_TRUE(timerPendant);
    EXPECT_EQ(intervalle, 1800);
    EXPECT_FALSE(f->dlg.tailleImaBox->Timer1->isActive());
    EXPECT_TRUE(enfonce);
    EXPECT_FALSE(cocheApresAppui);
    EXPECT_FALSE(f->vue.boutonPcEnfonce);
    EXPECT_EQ(pas, (std::vector<int>{1, 6, 11, 16, 20, 20, 1, 1}));
}

TEST(TailleClip, LargeClipOpensFittedAndIsPointedWhole) {
    auto f = fenetreAvecClip(clip1080(), {1366, 768});
    const EtatVue& e = f->vue;
    const int p = e.taillePc;
    EXPECT_LT(p, 100);
    EXPECT_EQ(p, f->taille->pcAdapte());
    EXPECT_EQ(texte(*f, "lblAdapt"), QString("Adaptation : %1%").arg(p));
    EXPECT_EQ(f->dlg.tailleImaBox->udPc->value(), p);
    EXPECT_EQ(e.largeurAff, qRound(1920 * p / 100.0));
    EXPECT_EQ(f->MediaPlayer1->imageAffichee().size(), QSize(e.largeurAff, e.hauteurAff));
    EXPECT_TRUE(actif(*f, "mnuIma100"));
    // Shown whole: the panel lies inside the display area, without scrolling.
    EXPECT_TRUE(f->ScrollBox1->viewport()->rect().contains(f->pnl1AVI->geometry()))
        << f->pnl1AVI->geometry().right() << " " << f->ScrollBox1->viewport()->width();
    // The origin is the bottom-left pixel of the image as shown.
    EXPECT_EQ(f->seance->etalonnage().xOrig, 0);
    EXPECT_EQ(f->seance->etalonnage().yOrig, e.hauteurAff - 1);
    // The calibration tab reads the scale points from that origin at once.
    const OngletEtalonnage& o = f->etalonnage->o;
    EXPECT_EQ(o.lblP1X->text(), "pX= 1");
    EXPECT_EQ(o.lblP1Y->text(), QString("pY= %1").arg(f->seance->etalonnage().yOrig - 1));
    EXPECT_EQ(o.lblP2X->text(), "pX= 2");
    EXPECT_EQ(o.lblP2Y->text(), QString("pY= %1").arg(f->seance->etalonnage().yOrig - 2));
    // The document holds that origin too, so that undoing a later change goes back to it.
    EXPECT_EQ(f->seance->etalonnage().yOrig, f->seance->etalonnage().yOrig);

    // A click on the bottom-right pixel records a pixel of the displayed image.
    pointEnregistre(*f, e.largeurAff - 1, e.hauteurAff - 1);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), QString::number(e.largeurAff - 1));
    EXPECT_EQ(f->tableau->grille0().cellule(2, 1), QString::number(e.hauteurAff - 1));

    // A clip that fits still opens at 100 %.
    ASSERT_TRUE(f->clip->ouvrirClip(clip320()));
    EXPECT_EQ(e.taillePc, 100);
    EXPECT_EQ(e.largeurAff, 320);
    EXPECT_EQ(texte(*f, "lblAdapt"), "Adaptation : 100%");
    EXPECT_FALSE(actif(*f, "mnuIma100"));
}

// At 100 %, a clip larger than the display area is scrolled, or dragged by its frame, to
// any of its pixels.
TEST(TailleClip, LargeClipAtHundredPercentScrollsAndDragsToEveryPixel) {
    auto f = fenetreAvecClip(clip1080(), {1366, 768});
    dansDialogue(*f, "mnuIma100", [](TtailleImaBox* d) { d->OKBtn->click(); });
    QTest::qWait(60);
    ASSERT_EQ(f->PaintBox1->size(), QSize(1920, 1080));
    QWidget* vue = f->ScrollBox1->viewport();
    QScrollBar* h = f->ScrollBox1->horizontalScrollBar();
    QScrollBar* v = f->ScrollBox1->verticalScrollBar();
    EXPECT_TRUE(h->isVisible() && v->isVisible());
    auto surVue = [&](QPoint p) { return f->PaintBox1->mapTo(vue, p); };

    // Scrolled to the end, the bottom-right pixel is in view, and is pointed.
    h->setValue(h->maximum());
    v->setValue(v->maximum());
    EXPECT_TRUE(vue->rect().contains(surVue({1919, 1079})));
    pointEnregistre(*f, 1919, 1079);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "1919");
    EXPECT_EQ(f->tableau->grille0().cellule(2, 1), "1079");

    // Dragged by its frame, the panel follows the mouse and keeps covering the area; the
    // scroll bars still reach all of it.
    QWidget* p = f->pnl1AVI;
    auto glisser = [&](QPoint trajet) {
        const QPoint prise(1, 1), depart = p->mapToGlobal(prise);
        QMouseEvent appui(QEvent::MouseButtonPress, prise, depart, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(p, &appui);
        QMouseEvent deplace(QEvent::MouseMove, prise, depart + trajet, Qt::NoButton, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(p, &deplace);
        QMouseEvent relache(QEvent::MouseButtonRelease, prise, depart + trajet, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(p, &relache);
    };
    h->setValue(0);
    v->setValue(0);
    const QPoint avant = surVue({0, 0});
    glisser({-300, -200});
    EXPECT_EQ(surVue({0, 0}), avant - QPoint(300, 200));
    h->setValue(0);
    v->setValue(0);
    EXPECT_EQ(surVue({0, 0}), avant);
    glisser({-5000, -5000}); // stops with its far corner on the area's
    EXPECT_EQ(p->mapTo(vue, QPoint(p->width(), p->height())), QPoint(vue->width(), vue->height()));
    glisser({5000, 5000}); // and back, its corner on the area's
    EXPECT_EQ(surVue({0, 0}), avant);
    h->setValue(h->maximum());
    v->setValue(v->maximum());
    EXPECT_TRUE(vue->rect().contains(surVue({1919, 1079})));

    // Fitted again, it needs no scroll bar.
    dansDialogue(*f, "mnuImaAdapter", [](TtailleImaBox* d) {
        reponse::bouton(QMessageBox::Yes); // the point recorded goes
        d->OKBtn->click();
    });
    QTest::qWait(20);
    EXPECT_FALSE(h->isVisible() || v->isVisible());
}

TEST(TailleClip, HelpKeyInTheCalibrationTabOpensItsContext) {
    auto f = fenetreAvecClip(clip320());
    QTabBar* onglets = f->PageControl1->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {},
                      onglets->tabRect(f->PageControl1->indexOf(f->tsEtalon)).center());
    ASSERT_EQ(f->PageControl1->currentWidget(), f->tsEtalon);
    auto* distance = f->tsEtalon->findChild<QLineEdit*>("edSi");
    ASSERT_NE(distance, nullptr);
    distance->setFocus();
    QTest::keyClick(distance, Qt::Key_F1);
    EXPECT_EQ(f->fenetre->dernierContexteAide(), 220);
    f->fenetre->visionneuse()->close();
}
