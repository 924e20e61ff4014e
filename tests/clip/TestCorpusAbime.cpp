// Damaged copies of real clips, each opened, stepped through, measured: never a crash,
// every image the decoder reads, or the French error box with the open clip kept.
#include "aides/AviAbime.h"
#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/EnTeteAvi.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "model/Seance.h"
#include "platform/PeripheriqueMedia.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr int kImages = 20;

// Presses OK on every message box that shows while it lives, and keeps their texts.
struct Boites {
    QStringList textes;
    QTimer minuterie;
    Boites() {
        minuterie.setInterval(5);
        QObject::connect(&minuterie, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                textes << b->text();
                b->button(QMessageBox::Ok)->click();
            }
        });
        minuterie.start();
    }
};

struct Abime {
    QString nom;
    QByteArray octets;
    int imagesAttendues = -1; // exact count when known, else -1
    int imagesMin = 1;        // fewest images a successful opening may give
};

// Header fields of an AVI: RIFF size, total images, width, height, scale, rate, length.
QList<qsizetype> champsAvi(const QByteArray& avi) {
    QBuffer b;
    b.setData(avi);
    b.open(QIODevice::ReadOnly);
    const avi::Disposition d = avi::disposition(b);
    return {4,
            d.enTetePrincipal + 16,
            d.enTetePrincipal + 32,
            d.enTetePrincipal + 36,
            d.enTeteFlux + 20,
            d.enTeteFlux + 24,
            d.enTeteFlux + 32};
}

// Sizes of the top-level boxes of an MP4 file.
QList<qsizetype> champsMp4(const QByteArray& mp4) {
    QList<qsizetype> champs;
    for (qsizetype p = 0; p + 8 <= mp4.size() && champs.size() < 8;) {
        champs << p;
        const quint32 taille = qFromBigEndian<quint32>(mp4.constData() + p);
        if (taille < 8) break;
        p += taille;
    }
    return champs;
}

QList<Abime> corpus(const QString& base, const QByteArray& o) {
    const bool avi = o.startsWith("RIFF");
    const QList<abime::Morceau> images = abime::images(o);
    QList<Abime> c;
    for (int k = 1; k < 10; ++k) {
        const qsizetype taille = o.size() * k / 10;
        Abime a{QStringLiteral("%1-coupe%2").arg(base).arg(k * 10), o.left(taille)};
        if (avi) {
            // Every image whose data is whole, and none other.
            a.imagesAttendues = 0;
            for (const abime::Morceau& m : images)
                a.imagesAttendues += m.fin() <= taille;
        }
        c << a;
    }
    const QList<qsizetype> champs = avi ? champsAvi(o) : champsMp4(o);
    for (qsizetype p : champs) {
        c << Abime{QStringLiteral("%1-zero%2").arg(base).arg(p), abime::avecU32(o, p, 0)};
        c << Abime{QStringLiteral("%1-enorme%2").arg(base).arg(p),
                   abime::avecU32(o, p, 0x7FFFFFF0)};
    }
    QByteArray milieu = o;
    milieu.replace(o.size() / 2, 1024, abime::hasard(1024, 11));
    c << Abime{base + "-milieu", milieu};
    if (avi) {
        // Damage to one image or to the index costs that image at most.
        const qsizetype index = o.lastIndexOf("idx1");
        QByteArray indexAbime = o;
        indexAbime.replace(index + 8, o.size() - index - 8, abime::hasard(o.size() - index - 8, 5));
        c << Abime{base + "-idx1", indexAbime, -1, kImages};
        c << Abime{base + "-taille-image",
                   abime::avecU32(o, images[kImages / 2].position + 4, 0xFFFFFF00), -1,
                   kImages - 1};
    }
    QByteArray tous = o;
    for (qsizetype p = 2048; p + 16 <= tous.size(); p += 4096)
        tous.replace(p, 16, abime::hasard(16, quint32(p)));
    c << Abime{base + "-tous-4k", tous};
    return c;
}

QString texteCellule(TForm1& f, int c, int r) {
    return f.tableau->grille0().cellule(c, r);
}

// Steps to the last image and back, each number shown agreeing with the device.
void parcourir(TForm1& f) {
    auto* nav = f.navigation;
    const int n = f.seance->clip().nbImages;
    for (int i = 1; i < n; ++i)
        nav->bbtnSui->click();
    EXPECT_EQ(f.vue.noImage, n - 1);
    EXPECT_EQ(nav->lblNoImage2->text(), QString::number(n));
    EXPECT_EQ(f.MediaPlayer1->indexAffiche(), n - 1);
    for (int i = 1; i < n; ++i)
        nav->bbtnPre->click();
    EXPECT_EQ(f.vue.noImage, 0);
    QTest::qWait(50); // the redraws asked meanwhile
}

class CorpusAbime : public ::testing::TestWithParam<QStringList> {};

} // namespace

TEST_P(CorpusAbime, EachDamagedCopyOpensWhollyOrLeavesThePreviousClip) {
    const QStringList options = GetParam();
    const QString nom = options.first();
    const QString source =
        clipstest::clip(nom, options.mid(1) + QStringList{"--frames", QString::number(kImages),
                                                          "--size", "160x120"});
    ASSERT_FALSE(source.isEmpty());
    const QByteArray octets = abime::lire(source);
    const QString temoin =
        clipstest::clip("corpus-temoin.avi", {"--frames", "5", "--size", "96x64"});

    auto f = demarrer();
    f->show();
    ASSERT_TRUE(f->clip->ouvrirClip(temoin));
    for (const Abime& a :
         corpus(QFileInfo(nom).completeBaseName() + "-" + QFileInfo(nom).suffix(), octets)) {
        SCOPED_TRACE(a.nom.toStdString());
        const QString chemin = abime::ecrire(a.nom + "." + QFileInfo(nom).suffix(), a.octets);
        // The clip open before has a measure that a failed opening must not lose.
        const QString avantNom = f->seance->clip().nom();
        const int ligne = f->vue.noImage + 1;
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(12, 9));
        ASSERT_EQ(texteCellule(*f, 1, ligne), "12");
        const int avantImage = f->vue.noImage;

        bool ouvert = false;
        QStringList textes;
        {
            Boites boites;
            ouvert = f->clip->ouvrirClip(chemin);
            QTest::qWait(10);
            textes = boites.textes;
        }
        if (!ouvert) {
            ASSERT_EQ(textes.size(), 1);
            EXPECT_TRUE(textes[0].startsWith("Ce ") || textes[0].startsWith("Les ") ||
                        textes[0].startsWith("Le ") || textes[0].startsWith("L'"))
                << textes[0].toStdString();
            EXPECT_TRUE(f->clipOuvert());
            EXPECT_EQ(f->seance->clip().nom(), avantNom);
            EXPECT_EQ(f->vue.noImage, avantImage);
            EXPECT_EQ(texteCellule(*f, 1, ligne), "12");
            continue;
        }
        EXPECT_TRUE(textes.isEmpty()) << textes.join('|').toStdString();
        const int n = f->seance->clip().nbImages;
        EXPECT_GE(n, a.imagesMin);
        if (a.imagesAttendues >= 0) {
            EXPECT_EQ(n, a.imagesAttendues);
        }
        parcourir(*f);
        // A measure on the last image.
        f->navigation->bbtnFin->click();
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(30, 20));
        EXPECT_EQ(texteCellule(*f, 1, n), "30");
        f->navigation->bbtnDeb->click();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clips, CorpusAbime,
    ::testing::Values(QStringList{"corpus-mjpeg.avi", "--codec", "mjpeg"},
                      QStringList{"corpus-h264.avi", "--codec", "h264", "--gop", "8", "--bframes",
                                  "2"},
                      QStringList{"corpus-mpeg4.avi", "--codec", "mpeg4", "--gop", "8", "--bframes",
                                  "2", "--tag", "DIVX"},
                      QStringList{"corpus-h264.mp4", "--codec", "h264", "--gop", "8"}),
    [](const auto& info) {
        return QString(info.param.first()).mid(7).replace('.', '_').replace('-', '_').toStdString();
    });
