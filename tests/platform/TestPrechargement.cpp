#include "aides/ClipsTest.h"
#include "platform/DecodeurFfms.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/PrechargeurImages.h"
#include "tools/clipgen/MotifIndex.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// The worker that decodes ahead: what it leaves in the cache, within the budget, and never
// an image in place of another.

namespace {

// Key frames at 0 and 250 only, with B-frames: a step back across 250 is a long seek.
QString clipLongsGroupes() {
    return clipstest::clip("groupes250.mp4", {"--codec", "h264", "--gop", "250", "--bframes", "3",
                                              "--frames", "300", "--size", "160x120"});
}

bool attendreCache(DecodeurFfms& d, int n) {
    return QTest::qWaitFor([&] { return d.enCache(n); }, 20000);
}

} // namespace

TEST(Prechargement, StepsBackFindTheWindowBeforeThemDecodedByTheWorker) {
    DecodeurFfms d(clipLongsGroupes());
    ASSERT_EQ(d.nbImages(), 300);
    EXPECT_EQ(motif::lireIndex(d.image(299)), 299);
    d.prevoir(299, 1, DecodeurFfms::Sens::Arriere);
    // The whole window (64 small images) is there, all decoded by the worker, and given from
    // the nearest back: 235 comes last.
    ASSERT_TRUE(attendreCache(d, 299 - 64));
    EXPECT_GE(d.decodeesParLeFil(), 64);
    for (int n = 298; n >= 299 - 64; --n)
        ASSERT_EQ(motif::lireIndex(d.image(n)), n);

    // Going on back, each step asks the worker for the next window in time, across the key
    // frame at 250.
    for (int n = 299 - 64; n >= 100; --n) {
        const QImage image = d.image(n);
        ASSERT_EQ(motif::lireIndex(image), n);
        d.prevoir(n, 1, DecodeurFfms::Sens::Arriere);
    }
}

TEST(Prechargement, StepsForwardFindHalfAWindowAheadOnTheImagesTheyLandOn) {
    DecodeurFfms d(clipLongsGroupes());
    d.image(20);
    d.prevoir(20, 5, DecodeurFfms::Sens::Avant);
    ASSERT_TRUE(attendreCache(d, 20 + 5 * 32));
    EXPECT_FALSE(d.enCache(21));
    EXPECT_FALSE(d.enCache(20 + 5 * 33));
    for (int n = 25; n <= 20 + 5 * 32; n += 5)
        ASSERT_EQ(motif::lireIndex(d.image(n)), n);
}

TEST(Prechargement, StaysWithinTheMemoryBudget) {
    DecodeurFfms d(clipLongsGroupes());
    const int64_t parImage = 160 * 120 * 4;
    d.setBudgetCache(10 * parImage);
    d.image(280);
    d.prevoir(280, 1, DecodeurFfms::Sens::Arriere);
    ASSERT_TRUE(attendreCache(d, 275)); // a window of half the budget: 5 images
    EXPECT_TRUE(d.enCache(279));
    EXPECT_FALSE(d.enCache(274));
    EXPECT_LE(d.occupationCache(), 10 * parImage);
    for (int n = 279; n >= 240; --n) {
        ASSERT_EQ(motif::lireIndex(d.image(n)), n);
        d.prevoir(n, 1, DecodeurFfms::Sens::Arriere);
        ASSERT_LE(d.occupationCache(), 10 * parImage);
    }
}

TEST(Prechargement, AJumpOrAResizeDuringAPrefetchShowsTheImageAsked) {
    DecodeurFfms d(clipLongsGroupes());
    d.image(299);
    d.prevoir(299, 1, DecodeurFfms::Sens::Arriere);
    EXPECT_EQ(motif::lireIndex(d.image(7)), 7); // jumped elsewhere while the worker runs
    EXPECT_EQ(motif::lireIndex(d.image(298)), 298);
    d.prevoir(298, 1, DecodeurFfms::Sens::Arriere);
    // A new size: what the worker converts at the former size never reaches the screen.
    d.setTailleSortie(QSize(320, 240));
    const QImage grande = d.image(297);
    EXPECT_EQ(grande.size(), QSize(320, 240));
    EXPECT_EQ(motif::lireIndex(grande), 297);
    d.prevoir(297, 1, DecodeurFfms::Sens::Arriere);
    ASSERT_TRUE(attendreCache(d, 290));
    EXPECT_EQ(d.image(290).size(), QSize(320, 240));
    EXPECT_EQ(motif::lireIndex(d.image(290)), 290);
}

TEST(Prechargement, TheDeviceReadsStepsAndJumpsFromItsMoves) {
    PeripheriqueMedia m;
    m.setNomFichier(clipLongsGroupes());
    m.ouvrir();
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    auto attendre = [&](int n) {
        return QTest::qWaitFor([&] { return m.imageEnCache(n); }, 20000);
    };
    // A long move is a jump: the user may step back next, the images just before it come
    // with it.
    m.setPas(200);
    m.avancer();
    m.imageAffichee();
    EXPECT_TRUE(attendre(200 - 16));
    // A step of 2 forward, then a move of nothing (as the window repositions the clip):
    // the images ahead at that step come, and the direction holds.
    m.setPas(2);
    m.avancer();
    m.setPas(0);
    m.avancer();
    m.imageAffichee();
    EXPECT_TRUE(attendre(202 + 2 * 32));
    EXPECT_FALSE(m.imageEnCache(203));
    // Steps of 3 back, after a jump.
    m.chercher(290);
    m.imageAffichee();
    m.setPas(3);
    m.reculer();
    m.imageAffichee();
    EXPECT_TRUE(attendre(287 - 3 * 64));
    EXPECT_FALSE(m.imageEnCache(96)); // only the images it lands on
}

TEST(Prechargement, OnlyAnImageShownSetsTheWorkerOff) {
    PeripheriqueMedia m;
    m.setNomFichier(clipLongsGroupes());
    m.ouvrir();
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    // Positions passed through and never shown (a table cleared before its clip closes), then
    // the first image shown at another size: the interface's decoder still holds it.
    m.chercher(299);
    m.chercher(150);
    m.chercher(0);
    m.setRectangleAffichage(QRect(0, 0, 320, 240));
    QCoreApplication::processEvents();
    const QImage premiere = m.imageAffichee();
    EXPECT_EQ(premiere.size(), QSize(320, 240));
    EXPECT_EQ(motif::lireIndex(premiere), 0);
    EXPECT_EQ(m.demandesAuFil(), 0);
    // A jump sets the worker off once its image is shown.
    m.chercher(150);
    EXPECT_EQ(m.demandesAuFil(), 0);
    EXPECT_EQ(motif::lireIndex(m.imageAffichee()), 150);
    EXPECT_EQ(m.demandesAuFil(), 1);
}

TEST(Prechargement, StepsBackAreDecodedGroupByGroupFromTheNearest) {
    using Ordre = PrechargeurImages::Ordre;
    using Passes = std::vector<std::vector<int>>;
    const std::vector<int> images{10, 11, 12, 20, 23, 24, 30};
    const std::vector<int> cles{0, 12, 24};
    // Each group seeks only as far back as its own key frame.
    EXPECT_EQ(PrechargeurImages::passes(images, cles, Ordre::GroupeParGroupe),
              (Passes{{24, 30}, {12, 20, 23}, {10, 11}}));
    // A jump's images in one pass, the worker giving its image once they are all decoded;
    // and a clip decoded in a row from the start is one group.
    EXPECT_EQ(PrechargeurImages::passes(images, cles, Ordre::DernieresDAbord), Passes{images});
    EXPECT_EQ(PrechargeurImages::passes(images, {}, Ordre::GroupeParGroupe), Passes{images});
}

TEST(Prechargement, TwoHundredStepsBackAtUserPaceOnA1080pClipShowTheirOwnImages) {
    const QString chemin =
        clipstest::clip("groupes250-1080p.mp4", {"--codec", "h264", "--gop", "250", "--bframes",
                                                 "3", "--frames", "300", "--size", "1920x1080"});
    ASSERT_FALSE(chemin.isEmpty());
    QWidget fenetre;
    fenetre.resize(1920, 1080);
    PeripheriqueMedia m;
    m.setFenetreAffichage(&fenetre);
    m.setNomFichier(chemin);
    m.ouvrir();
    fenetre.show();
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    m.chercher(299);
    m.setPas(1);
    QWidget* ecran = m.ecranVideo();
    for (int n = 298; n >= 99; --n) {
        QTest::qWait(40); // the user's pace: the worker runs meanwhile
        m.reculer();
        ASSERT_EQ(clipstest::indexAffiche(ecran, ecran->rect()), n);
        if (n == 200) {
            // A jump in the middle of the run, and back.
            m.chercher(20);
            ASSERT_EQ(clipstest::indexAffiche(ecran, ecran->rect()), 20);
            m.chercher(200);
        }
    }
}
