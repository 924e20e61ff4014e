#include "aides/ClipsTest.h"
#include "platform/PeripheriqueMedia.h"
#include "tools/clipgen/MotifIndex.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using Format = PeripheriqueMedia::FormatTemps;

namespace {

QString clipMjpeg() {
    return clipstest::clip("mjpeg50.avi", {"--frames", "50"});
}

// The device's image reads back index i, and so does the picture on screen when shown.
void verifierImage(PeripheriqueMedia& m, int i, const char* quand) {
    SCOPED_TRACE(quand);
    EXPECT_EQ(m.indexAffiche(), i);
    EXPECT_EQ(motif::lireIndex(m.imageAffichee()), i);
    if (QWidget* e = m.ecranVideo(); e && e->isVisibleTo(e->parentWidget())) {
        EXPECT_EQ(clipstest::indexAffiche(e, e->rect()), i);
    }
}

} // namespace

TEST(PeripheriqueMedia, OpenGivesLengthsRectangleAndFirstImageThenCloses) {
    PeripheriqueMedia m;
    EXPECT_FALSE(m.estOuvert());
    m.fermer(); // harmless with nothing open
    m.setNomFichier(clipMjpeg());
    m.ouvrir();
    ASSERT_TRUE(m.estOuvert());
    EXPECT_EQ(m.mode(), PeripheriqueMedia::Mode::Arrete);
    m.setFormatTemps(Format::Millisecondes);
    const auto ms = m.longueur();
    m.setFormatTemps(Format::Images);
    EXPECT_EQ(m.longueur(), 50);
    EXPECT_EQ(ms, 2000);
    EXPECT_DOUBLE_EQ(double(ms) / 50 / 1000, 0.04);
    EXPECT_EQ(m.rectangleAffichage(), QRect(0, 0, 320, 240));
    EXPECT_EQ(m.position(), 0);
    verifierImage(m, 0, "after opening");

    m.fermer();
    EXPECT_FALSE(m.estOuvert());
    EXPECT_EQ(m.mode(), PeripheriqueMedia::Mode::NonOuvert);
    EXPECT_EQ(m.longueur(), 0);
    EXPECT_EQ(m.indexAffiche(), -1);
    m.avancer(); // commands on a closed device do nothing
    m.jouer();
    EXPECT_EQ(m.indexAffiche(), -1);
}

TEST(PeripheriqueMedia, NtscRateGivesItsTruePeriodThroughMilliseconds) {
    PeripheriqueMedia m;
    m.setNomFichier(clipstest::clip("ntsc.mp4", {"--codec", "h264", "--rate", "30000/1001",
                                                 "--frames", "300", "--size", "160x120"}));
    m.ouvrir();
    m.setFormatTemps(Format::Millisecondes);
    const long double periode = (long double)m.longueur() / 300 / 1000;
    m.setFormatTemps(Format::Images);
    EXPECT_EQ(m.longueur(), 300);
    EXPECT_NEAR(double(periode), 1001.0 / 30000, 1e-6);
    EXPECT_DOUBLE_EQ(double(m.periodeImage()), 1001.0 / 30000);
}

// Every kind of move, in every container and with codecs that reorder frames: the image
// shown is always the one the device says.
struct CasClip {
    const char* nom;
    QStringList options;
};
void PrintTo(const CasClip& c, std::ostream* os) {
    *os << c.nom;
}

class ExactitudeImages : public ::testing::TestWithParam<CasClip> {};

TEST_P(ExactitudeImages, EveryMoveShowsTheImageOfThePosition) {
    const auto& [nom, options] = GetParam();
    const QString chemin = clipstest::clip(nom, QStringList(options) << "--frames"
                                                                     << "60"
                                                                     << "--size"
                                                                     << "192x144");
    ASSERT_FALSE(chemin.isEmpty());
    QWidget fenetre;
    fenetre.resize(300, 200);
    PeripheriqueMedia m;
    m.setFenetreAffichage(&fenetre);
    m.setNomFichier(chemin);
    m.ouvrir();
    m.setFormatTemps(Format::Images);
    ASSERT_EQ(m.longueur(), 60);
    m.setRectangleAffichage(QRect(4, 4, 192, 144));
    EXPECT_EQ(m.ecranVideo()->geometry(), QRect(4, 4, 192, 144));
    verifierImage(m, 0, "opened");

    m.setPas(1);
    for (int i = 1; i <= 5; ++i)
        m.avancer();
    verifierImage(m, 5, "five steps forward");
    m.setPas(30);
    m.avancer();
    verifierImage(m, 35, "30 forward");
    m.setPas(1);
    for (int i = 34; i >= 28; --i) {
        m.reculer();
        verifierImage(m, i, "successive steps back");
    }
    m.setPas(59 - 28);
    m.avancer();
    verifierImage(m, 59, "to the last image");
    m.setPas(59);
    m.reculer();
    verifierImage(m, 0, "back to the first");
    m.chercher(47);
    EXPECT_EQ(m.position(), 47);
    verifierImage(m, 47, "seek");
    m.setPas(0);
    m.avancer();
    verifierImage(m, 47, "zero step");
    m.setPas(20);
    m.avancer();
    EXPECT_EQ(m.position(), 60); // past the end, the last image stays shown
    verifierImage(m, 59, "past the end");
    m.setPas(1);
    m.reculer();
    verifierImage(m, 59, "back from past the end");
    m.setPas(100);
    m.reculer();
    EXPECT_EQ(m.position(), 0);
    verifierImage(m, 0, "back before the start");
}

INSTANTIATE_TEST_SUITE_P(
    Conteneurs, ExactitudeImages,
    ::testing::Values(
        CasClip{"exact-mjpeg.avi", QStringList{"--codec", "mjpeg"}},
        CasClip{"exact-h264.mp4", QStringList{"--codec", "h264", "--gop", "250", "--bframes", "3"}},
        CasClip{"exact-h264.mkv", QStringList{"--codec", "h264", "--gop", "25", "--bframes", "2"}},
        CasClip{"exact-h264.mov", QStringList{"--codec", "h264", "--gop", "30", "--bframes", "2"}},
        CasClip{"exact-mpeg4.avi",
                QStringList{"--codec", "mpeg4", "--gop", "20", "--bframes", "2", "--tag", "DIVX"}},
        CasClip{"exact-raw.avi", QStringList{"--codec", "rawvideo"}},
        CasClip{"exact-theora.ogv", QStringList{"--codec", "libtheora"}},
        CasClip{"exact-hevc.mov", QStringList{"--codec", "hevc", "--gop", "24", "--bframes", "3"}},
        CasClip{"exact-hevc.mp4", QStringList{"--codec", "hevc", "--gop", "250", "--bframes", "4"}},
        CasClip{"exact-hevc-ouvert.mp4",
                QStringList{"--codec", "hevc", "--gop", "24", "--bframes", "3", "--open-gop"}},
        CasClip{"exact-vp9.webm", QStringList{"--codec", "vp9", "--gop", "30"}},
        CasClip{"exact-av1.mp4", QStringList{"--codec", "av1", "--gop", "32"}},
        CasClip{"exact-mpeg2.mts",
                QStringList{"--codec", "mpeg2", "--gop", "15", "--bframes", "2"}}),
    [](const auto& info) {
        return QString(info.param.nom).mid(6).replace('.', '_').replace('-', '_').toStdString();
    });

// A phone's clip: 25 images per second with a gap of 200 ms after image 20 and a jitter of
// 0, 6 or 12 ms, B-frames reordered on top.
constexpr const char* ptsIrreguliers = "40*N+gte(N\\,20)*200+mod(N\\,3)*6";
double dateIrreguliere(int i) {
    return i / 25.0 + (i >= 20 ? 0.2 : 0.0) + (i % 3) * 0.006;
}

TEST(PeripheriqueMedia, EachImageCarriesItsOwnPresentationTime) {
    PeripheriqueMedia m;
    EXPECT_TRUE(m.instants().empty());
    m.setNomFichier(
        clipstest::clip("vfr.mp4", {"--codec", "h264", "--bframes", "2", "--gop", "250", "--frames",
                                    "40", "--size", "160x120", "--pts", ptsIrreguliers}));
    m.ouvrir();
    m.setFormatTemps(Format::Images);
    ASSERT_EQ(m.longueur(), 40);
    const auto dates = m.instants();
    ASSERT_EQ(dates.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_NEAR(double(dates[size_t(i)]), dateIrreguliere(i), 5e-4) << "image " << i;
    // Images keep their order and their index whatever their times.
    m.chercher(25);
    verifierImage(m, 25, "after the gap");
    m.setPas(1);
    m.reculer();
    verifierImage(m, 24, "one back");

    // An evenly spaced clip gives i × period.
    m.setNomFichier(clipMjpeg());
    m.ouvrir();
    const auto reguliers = m.instants();
    ASSERT_EQ(reguliers.size(), 50u);
    EXPECT_NEAR(double(reguliers[49]), 49 * 0.04, 1e-9);
    m.fermer();
    EXPECT_TRUE(m.instants().empty());
}

TEST(PeripheriqueMedia, DisplayFollowsTheRectangleAndStaysUnderItsSiblings) {
    QWidget fenetre;
    fenetre.resize(400, 300);
    auto* dessus = new QWidget(&fenetre); // stands for the pointing surface
    PeripheriqueMedia m;
    m.setFenetreAffichage(&fenetre);
    QWidget* ecran = fenetre.findChild<QWidget*>("ecranVideo");
    ASSERT_NE(ecran, nullptr);
    EXPECT_EQ(ecran, m.ecranVideo());
    EXPECT_FALSE(ecran->isVisibleTo(&fenetre)); // nothing open yet
    m.setNomFichier(clipMjpeg());
    m.ouvrir();
    EXPECT_TRUE(ecran->isVisibleTo(&fenetre));
    EXPECT_EQ(fenetre.children().indexOf(ecran), 0); // lowest: the sibling lies over it
    EXPECT_GT(fenetre.children().indexOf(dessus), 0);

    m.chercher(480); // milliseconds: image 12 at 25 images per second
    EXPECT_EQ(m.indexAffiche(), 12);
    // Half size: the picture is scaled into the rectangle and still reads back.
    m.setRectangleAffichage(QRect(10, 20, 160, 120));
    EXPECT_EQ(clipstest::indexAffiche(&fenetre, QRect(10, 20, 160, 120)), 12);
    m.fermer();
    EXPECT_FALSE(ecran->isVisibleTo(&fenetre));
}

TEST(PeripheriqueMedia, PlaysToTheEndThenNotifiesOnceOnTheUiThread) {
    PeripheriqueMedia m;
    m.setNomFichier(clipstest::clip("rapide.avi", {"--frames", "12", "--rate", "100"}));
    m.ouvrir();
    m.setFormatTemps(Format::Images);
    QSignalSpy fin(&m, &PeripheriqueMedia::notification);
    QSignalSpy images(&m, &PeripheriqueMedia::imageChangee);
    m.chercher(3);
    m.jouer();
    EXPECT_EQ(m.mode(), PeripheriqueMedia::Mode::Lecture);
    ASSERT_TRUE(fin.wait(3000));
    EXPECT_EQ(m.mode(), PeripheriqueMedia::Mode::Arrete);
    EXPECT_EQ(m.position(), 12); // past the last image, as a player at its end
    EXPECT_EQ(m.indexAffiche(), 11);
    EXPECT_EQ(motif::lireIndex(m.imageAffichee()), 11);
    EXPECT_GE(images.count(), 2);
    QTest::qWait(50);
    EXPECT_EQ(fin.count(), 1);

    // Playing from the end ends at once, with its notification.
    m.jouer();
    EXPECT_TRUE(fin.wait(1000));
    EXPECT_EQ(m.position(), 12);
}

TEST(PeripheriqueMedia, AStepWhilePlayingEndsThePlaybackAndTheNotificationFollows) {
    PeripheriqueMedia m;
    m.setNomFichier(clipstest::clip("lent.avi", {"--frames", "200", "--rate", "50"}));
    m.ouvrir();
    m.setFormatTemps(Format::Images);
    QSignalSpy fin(&m, &PeripheriqueMedia::notification);
    m.jouer();
    QTest::qWait(120);
    const auto p = m.position();
    EXPECT_GT(p, 0);
    EXPECT_LT(p, 100);
    m.setPas(0);
    m.avancer();
    EXPECT_EQ(m.mode(), PeripheriqueMedia::Mode::Arrete);
    EXPECT_EQ(fin.count(), 0); // an event that follows, not a call from inside the step
    ASSERT_TRUE(fin.wait(1000));
    EXPECT_EQ(m.position(), p);
    EXPECT_EQ(motif::lireIndex(m.imageAffichee()), int(p));

    // Closing while playing drops the notification: there is no playback left to report.
    m.jouer();
    QTest::qWait(40);
    m.fermer();
    QTest::qWait(50);
    EXPECT_EQ(fin.count(), 1);
}

TEST(PeripheriqueMedia, DamagedFilesRaiseTheDecodersMessageAndLeaveNothingOpen) {
    const QString d = clipstest::dossier();
    const QString bon = clipMjpeg();
    auto ecrire = [&](const QString& nom, const QByteArray& contenu) {
        QFile f(d + "/" + nom);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
        return f.fileName();
    };
    QFile source(bon);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray octets = source.readAll();
    QByteArray hasard(50000, 0);
    for (auto& c : hasard)
        c = char(QRandomGenerator::global()->bounded(256));

    const QStringList fichiers{
        d + "/absent.avi",
        ecrire("texte.avi", "Ceci n'est pas un clip.\r\n"),
        ecrire("hasard.avi", hasard),
        ecrire("entete.avi", octets.left(200)),
        clipstest::clip("vide.avi", {"--frames", "0"}),
    };
    for (const QString& chemin : fichiers) {
        SCOPED_TRACE(chemin.toStdString());
        PeripheriqueMedia m;
        m.setNomFichier(chemin);
        try {
            m.ouvrir();
            ADD_FAILURE() << "opened";
        } catch (const ErreurMedia& e) {
            EXPECT_STRNE(e.what(), "");
        }
        EXPECT_FALSE(m.estOuvert());
        EXPECT_EQ(m.indexAffiche(), -1);
    }

    // A clip cut short may still open with the images it has; each one shown must be the
    // image of its position (or black when it cannot be decoded).
    PeripheriqueMedia m;
    m.setNomFichier(ecrire("coupe.avi", octets.left(octets.size() * 2 / 3)));
    try {
        m.ouvrir();
    } catch (const ErreurMedia&) {
        return;
    }
    m.setFormatTemps(Format::Images);
    const int n = int(m.longueur());
    for (int i = 0; i < n; ++i) {
        m.chercher(i);
        const int lu = motif::lireIndex(m.imageAffichee());
        EXPECT_TRUE(lu == i || (lu == -1 && qGray(m.imageAffichee().pixel(0, 0)) == 0)) << i;
    }
}

namespace {
// Records the progress windows shown while a clip is indexed, and cancels them on demand.
struct Espion : QObject {
    bool annuler = false;
    int vus = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == "progressionIndexation") {
            ++vus;
            if (annuler) QMetaObject::invokeMethod(o, "cancel", Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

TEST(PeripheriqueMedia, LongIndexingShowsItsProgressAndCanBeCancelled) {
    const QString chemin = clipstest::clip("indexation.avi", {"--frames", "400"});
    QWidget fenetre;
    Espion espion;
    qApp->installEventFilter(&espion);
    PeripheriqueMedia m;
    m.setFenetreAffichage(&fenetre);
    m.setNomFichier(chemin);
    m.ouvrir(); // quick: no window
    EXPECT_EQ(espion.vus, 0);
    m.setDelaiProgression(0);
    m.ouvrir();
    EXPECT_TRUE(m.estOuvert());
    EXPECT_GE(espion.vus, 1);
    espion.annuler = true;
    bool refuse = false;
    try {
        m.ouvrir();
    } catch (const ErreurMedia&) {
        refuse = true;
    }
    qApp->removeEventFilter(&espion);
    // Cancelled while indexing: nothing opens.
    EXPECT_TRUE(refuse);
    EXPECT_FALSE(m.estOuvert());
}

// Clips filmed with the camera turned: the device shows them as they were seen, at their
// upright size, whatever the container stores.
struct CasTourne {
    const char* nom;
    QStringList options;
    int quarts;
};
void PrintTo(const CasTourne& c, std::ostream* os) {
    *os << c.nom;
}

class ClipsTournes : public ::testing::TestWithParam<CasTourne> {};

TEST_P(ClipsTournes, ShowUprightAtTheirUprightSize) {
    const auto& [nom, options, quarts] = GetParam();
    const QString chemin = clipstest::clip(
        nom, QStringList(options) << "--frames" << "30" << "--size" << "192x144");
    ASSERT_FALSE(chemin.isEmpty());
    const QSize debout = quarts % 2 ? QSize(144, 192) : QSize(192, 144);
    QWidget fenetre;
    fenetre.resize(300, 300);
    PeripheriqueMedia m;
    m.setFenetreAffichage(&fenetre);
    m.setNomFichier(chemin);
    m.ouvrir();
    EXPECT_EQ(m.rectangleAffichage(), QRect(QPoint(0, 0), debout));
    EXPECT_EQ(m.imageAffichee().size(), debout);
    // The index band drawn along the top of the upright picture reads back only when the
    // picture is turned the right way.
    verifierImage(m, 0, "opened");
    m.setFormatTemps(Format::Images);
    m.chercher(17);
    verifierImage(m, 17, "seek");
    m.setPas(1);
    m.reculer();
    verifierImage(m, 16, "step back");
    // Shown at half size, still upright.
    m.setRectangleAffichage(QRect(QPoint(0, 0), debout / 2));
    EXPECT_EQ(m.imageAffichee().size(), debout / 2);
    verifierImage(m, 16, "half size");
}

INSTANTIATE_TEST_SUITE_P(
    Rotations, ClipsTournes,
    ::testing::Values(
        CasTourne{"debout-hevc.mov",
                  QStringList{"--codec", "hevc", "--gop", "10", "--bframes", "2", "--rotation",
                              "90"},
                  1},
        CasTourne{"renverse-h264.mp4", QStringList{"--codec", "h264", "--rotation", "180"}, 2},
        CasTourne{"gauche-h264.mov", QStringList{"--codec", "h264", "--rotation", "270"}, 3},
        CasTourne{"droit-h264.mp4", QStringList{"--codec", "h264", "--rotation", "0"}, 0}),
    [](const auto& info) {
        return QString(info.param.nom).replace('.', '_').replace('-', '_').toStdString();
    });

TEST(PeripheriqueMedia, A4kHevcPhoneClipIsSteppedToTheImageAndTimedEvenly) {
    const QString chemin =
        clipstest::clip("telephone-4k.mp4", {"--codec", "hevc", "--size", "3840x2160", "--rate",
                                             "30", "--frames", "24", "--gop", "8", "--bframes",
                                             "2"});
    ASSERT_FALSE(chemin.isEmpty());
    PeripheriqueMedia m;
    m.setNomFichier(chemin);
    m.ouvrir();
    EXPECT_EQ(m.nomCodec(), "hevc");
    EXPECT_EQ(m.rectangleAffichage(), QRect(0, 0, 3840, 2160));
    m.setFormatTemps(Format::Images);
    EXPECT_EQ(m.longueur(), 24);
    const std::vector<long double> t = m.instants();
    ASSERT_EQ(t.size(), 24u);
    for (int i = 0; i < 24; ++i)
        EXPECT_NEAR(double(t[size_t(i)]), i / 30.0, 1e-6) << i;
    // Shown fitted, as on a laptop.
    m.setRectangleAffichage(QRect(0, 0, 640, 360));
    verifierImage(m, 0, "opened");
    m.setPas(1);
    for (int i = 1; i <= 10; ++i) {
        m.avancer();
        verifierImage(m, i, "stepping forward");
    }
    for (int i = 9; i >= 3; --i) {
        m.reculer();
        verifierImage(m, i, "stepping back across a key frame");
    }
    m.chercher(23);
    verifierImage(m, 23, "seek to the last image");
}
