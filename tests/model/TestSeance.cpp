#include "model/Commandes.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

FaitsClip clipDe(int N) {
    FaitsClip c;
    c.chemin = QStringLiteral("/clips/chute.avi");
    c.nbImages = N;
    c.largeur = 320;
    c.hauteur = 240;
    c.periode = 0.04L;
    return c;
}

// A document as after opening a clip, and a copy of it to compare with.
struct Document : ::testing::Test {
    Seance s;
    Seance vide;
    void SetUp() override {
        for (Seance* d : {&s, &vide}) {
            d->setClip(clipDe(20));
            d->setN(3);
        }
    }
    Etalonnage autreEtalonnage(int graine) const {
        Etalonnage e = s.etalonnage();
        e.xOrig = graine % 300;
        e.yOrig = 239 - graine % 200;
        e.sensY = graine % 2 ? -1 : 1;
        e.p2 = QPoint(40 + graine % 100, 50);
        e.distanceTexte = QString::number(graine);
        e.echelle = graine / 1000.0L;
        return e;
    }
};

} // namespace

TEST_F(Document, EachCommandUndoesAndRedoesExactlyAndShowsWhereItActed) {
    QSignalSpy vues(&s, &Seance::vueDemandee);
    s.pile().push(new CommandePointage(s, 4, 2, QPoint(10, 20)));
    EXPECT_EQ(s.point(4, 2), QPoint(10, 20));
    EXPECT_EQ(vues.count(), 0); // the click itself moves the window as it always did
    s.pile().push(new CommandePointage(s, 4, 2, QPoint(11, 21))); // pointed again
    s.pile().undo();
    EXPECT_EQ(s.point(4, 2), QPoint(10, 20)); // the old pixel comes back
    ASSERT_EQ(vues.count(), 1);
    EXPECT_EQ(vues.at(0), (QVariantList{4, 2}));
    s.pile().redo();
    EXPECT_EQ(s.point(4, 2), QPoint(11, 21));
    EXPECT_EQ(s.pile().undoText(), "le pointage");

    s.pile().push(new CommandePointage(s, 6, 1, QPoint(1, 2)));
    QSignalSpy plages(&s, &Seance::pointsChange);
    s.pile().push(new CommandeEffacement(s, 3, 7, 1, 3));
    EXPECT_FALSE(s.occupe());
    s.pile().undo();
    EXPECT_EQ(s.point(4, 2), QPoint(11, 21));
    EXPECT_EQ(s.point(6, 1), QPoint(1, 2));
    EXPECT_EQ(plages.count(), 2); // one signal for the erase, one for its undo
    EXPECT_EQ(vues.last(), (QVariantList{3, 0}));

    const Etalonnage avant = s.etalonnage();
    s.pile().push(new CommandeEtalonnage(s, autreEtalonnage(7), CommandeEtalonnage::echelle()));
    EXPECT_EQ(s.pile().undoText(), QString::fromUtf8("l'étalonnage"));
    s.pile().push(new CommandeChiffres(s, 5, autreEtalonnage(8)));
    s.pile().push(new CommandeT0(s, 9));
    EXPECT_EQ(s.t0(), 9);
    s.pile().undo();
    s.pile().undo();
    EXPECT_EQ(s.chiffresXY(), 3);
    EXPECT_EQ(s.etalonnage(), autreEtalonnage(7));
    s.pile().undo();
    EXPECT_EQ(s.etalonnage(), avant);
    EXPECT_EQ(s.t0(), 1);
}

TEST_F(Document, TheCleanStateIsTheSavedMeasureAndANewClipEmptiesTheStack) {
    EXPECT_FALSE(s.nonEnregistre()); // nothing recorded
    s.pile().push(new CommandePointage(s, 0, 1, QPoint(5, 5)));
    EXPECT_TRUE(s.nonEnregistre());
    s.pile().setClean();
    EXPECT_FALSE(s.nonEnregistre());
    s.pile().push(new CommandeEtalonnage(s, autreEtalonnage(3), CommandeEtalonnage::echelle()));
    EXPECT_TRUE(s.nonEnregistre()); // a recalibration after a save is a change
    s.pile().undo();
    EXPECT_FALSE(s.nonEnregistre());

    s.setClip(clipDe(5));
    EXPECT_EQ(s.pile().count(), 0);
    EXPECT_FALSE(s.point(0, 1));
    EXPECT_FALSE(s.point(5, 1)); // outside the new clip
}

// 100 random commands, with a fixed seed: undone to the start they give the empty
// document, redone to the end the same document as before.
TEST_F(Document, ARandomHistoryUndoneAndRedoneGivesBackEachEnd) {
    std::mt19937 hasard(2026);
    auto tirer = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
    for (int i = 0; i < 100; ++i) {
        switch (tirer(0, 4)) {
        case 0:
        case 1:
            s.pile().push(new CommandePointage(s, tirer(0, 19), tirer(1, 9),
                                               QPoint(tirer(0, 319), tirer(0, 239))));
            break;
        case 2: {
            const int premiere = tirer(0, 19), kMin = tirer(1, 9);
            s.pile().push(new CommandeEffacement(s, premiere, tirer(premiere, 19), kMin,
                                                 tirer(kMin, 9)));
            break;
        }
        case 3:
            s.pile().push(
                new CommandeEtalonnage(s, autreEtalonnage(tirer(1, 999)),
                                       tirer(0, 1) ? CommandeEtalonnage::echelle()
                                                   : CommandeEtalonnage::origineEtAxes()));
            break;
        default:
            if (tirer(0, 1))
                s.pile().push(new CommandeT0(s, tirer(1, 20)));
            else
                s.pile().push(new CommandeChiffres(s, tirer(1, 7), autreEtalonnage(tirer(1, 9))));
        }
    }
    Seance fin;
    fin.setClip(s.clip());
    fin.setN(s.n());
    fin.setEtalonnage(s.etalonnage());
    fin.setT0(s.t0());
    fin.setChiffresXY(s.chiffresXY());
    for (int i = 0; i < 20; ++i)
        for (int k = 1; k <= 9; ++k)
            fin.setPoint(i, k, s.point(i, k));
    ASSERT_TRUE(fin.memeMesure(s));

    while (s.pile().canUndo())
        s.pile().undo();
    EXPECT_TRUE(s.memeMesure(vide));
    while (s.pile().canRedo())
        s.pile().redo();
    EXPECT_TRUE(s.memeMesure(fin));
}
