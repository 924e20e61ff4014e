#include "aides/AviAbime.h"
#include "aides/ClipsTest.h"
#include "platform/AviTronque.h"
#include "platform/PeripheriqueMedia.h"

#include <gtest/gtest.h>

namespace {

QByteArray clip50() {
    return abime::lire(clipstest::clip("tronque50.avi", {"--frames", "50", "--size", "160x120"}));
}

int coupees(const QByteArray& o) {
    return imagesCoupeesAvi(reinterpret_cast<const unsigned char*>(o.constData()), o.size(), 0);
}

// Images the device gives for these bytes written to a file; -1 when it refuses them.
int imagesOuvertes(const QString& nom, const QByteArray& octets) {
    PeripheriqueMedia m;
    m.setNomFichier(abime::ecrire(nom, octets));
    try {
        m.ouvrir();
    } catch (const ErreurMedia&) {
        return -1;
    }
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    return int(m.longueur());
}

} // namespace

TEST(AviTronque, OnlyAnImageCutByTheEndOfTheFileIsDropped) {
    const QByteArray avi = clip50();
    const QList<abime::Morceau> images = abime::images(avi);
    ASSERT_EQ(images.size(), 50);
    EXPECT_EQ(coupees(avi), 0);
    for (int dixiemes = 1; dixiemes < 10; ++dixiemes) {
        const qsizetype taille = avi.size() * dixiemes / 10;
        // The image whose chunk holds the cut, when part of its data is there.
        int attendu = 0;
        for (const abime::Morceau& m : images)
            if (m.position + 8 < taille && m.fin() > taille) attendu = 1;
        EXPECT_EQ(coupees(avi.left(taille)), attendu) << dixiemes;
    }
    // Cut inside a header, right after one, and at the last byte of an image.
    const abime::Morceau& m = images[20];
    EXPECT_EQ(coupees(avi.left(m.position + 5)), 0);
    EXPECT_EQ(coupees(avi.left(m.position + 8)), 0);
    EXPECT_EQ(coupees(avi.left(m.fin() - 1)), 1);
    EXPECT_EQ(coupees(avi.left(m.fin())), 0);
    // The image count of a cut file drops that image only.
    EXPECT_EQ(imagesOuvertes("tronque-milieu.avi", avi.left(m.fin() - 1)), 20);
}

TEST(AviTronque, DamageInsideAWholeFileDropsNothing) {
    const QByteArray avi = clip50();
    const QList<abime::Morceau> images = abime::images(avi);
    const abime::Morceau& m = images[25];
    QByteArray milieu = avi;
    const qsizetype debut = avi.size() / 2;
    milieu.replace(debut, 1024, abime::hasard(1024, 7));
    int touchees = 0; // images whose chunk the random kilobyte reaches
    for (const abime::Morceau& i : images)
        touchees += i.position < debut + 1024 && i.fin() > debut;
    const struct {
        const char* nom;
        QByteArray octets;
        int imagesMin;
    } cas[] = {
        {"taille-enorme.avi", abime::avecU32(avi, m.position + 4, 0xFFFFFF00), 49},
        {"taille-plus-deux.avi", abime::avecU32(avi, m.position + 4, m.taille + 2), 49},
        {"riff-zero.avi", abime::avecU32(avi, 4, 0), 50},
        {"sans-bourrage.avi", abime::sansOctetsDeBourrage(avi), 50},
        {"milieu-hasard.avi", milieu, 50 - touchees},
    };
    for (const auto& [nom, octets, imagesMin] : cas) {
        SCOPED_TRACE(nom);
        EXPECT_EQ(coupees(octets), 0);
        // The walk finds its place again after the damage: the same file cut at 90 %
        // still loses only the image that the cut reaches.
        const qsizetype taille = octets.size() * 9 / 10;
        int attendu = 0;
        for (const abime::Morceau& i : images)
            if (i.position + 8 < taille && i.fin() > taille) attendu = 1;
        if (QByteArray(nom) != "sans-bourrage.avi") {
            EXPECT_EQ(coupees(octets.left(taille)), attendu);
        }
        // The device keeps every image the decoder reads: a damaged chunk costs its own
        // image at most, never the images after it.
        EXPECT_GE(imagesOuvertes(nom, octets), imagesMin);
    }
}

TEST(AviTronque, EndlessNestingOfListsIsWalkedWithoutRecursion) {
    // A valid clip followed by megabytes of lists that each claim to hold the rest of the
    // file: far deeper than any stack would allow a recursive walk to go.
    const QByteArray avi = clip50();
    QByteArray piege = avi;
    const QByteArray liste = abime::avecU32(QByteArray("LIST\0\0\0\0movi", 12), 4, 0xFFFFFFF0);
    piege.reserve(avi.size() + (4 << 20));
    while (piege.size() < avi.size() + (4 << 20))
        piege += liste;
    EXPECT_EQ(coupees(piege), 0);
    // Inside the RIFF as well, after the last image.
    QByteArray dedans = abime::avecU32(avi + piege.mid(avi.size()), 4, 0xFFFFFFF0);
    EXPECT_EQ(coupees(dedans), 0);
    EXPECT_EQ(imagesOuvertes("listes-sans-fin.avi", piege), 50);
}
