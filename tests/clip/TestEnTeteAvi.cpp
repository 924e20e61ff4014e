#include "clip/AviFabrique.h"
#include "clip/Codecs.h"
#include "clip/EnTeteAvi.h"
#include "clip/ImpressionQt.h"
#include "clip/TailleFichier.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Lu {
    int32_t images, largeur, hauteur, echelle, cadence;
    QString code;
};

Lu lire(QByteArray octets) {
    QBuffer b(&octets);
    b.open(QIODevice::ReadOnly);
    const avi::Dimensions d = avi::dimensionsAvi(b);
    return {avi::nbImagesAvi(b),     d.largeur,          d.hauteur,
            avi::echelleTempsAvi(b), avi::cadenceAvi(b), avi::fourccAvi(b)};
}

} // namespace

TEST(EnTeteAvi, UsualLayoutIsReadAtItsFixedOffsets) {
    fabrique::Champs c;
    c.images = 250;
    c.largeur = 640;
    c.hauteur = 480;
    c.code = "DIVX";
    c.echelle = 1001;
    c.cadence = 30000;
    const QByteArray octets = fabrique::canonique(c);
    ASSERT_EQ(octets.mid(100, 4), "strh");
    const Lu lu = lire(octets);
    EXPECT_EQ(lu.images, 250);
    EXPECT_EQ(lu.largeur, 640);
    EXPECT_EQ(lu.hauteur, 480);
    EXPECT_EQ(lu.code, "DIVX"); // letter case kept
    EXPECT_EQ(lu.echelle, 1001);
    EXPECT_EQ(lu.cadence, 30000);
}

TEST(EnTeteAvi, CodeIsCutAtTheFirstZeroByte) {
    fabrique::Champs c;
    c.code = QByteArray("dib\0", 4);
    EXPECT_EQ(lire(fabrique::canonique(c)).code, "dib");
    c.code = QByteArray(4, '\0');
    EXPECT_EQ(lire(fabrique::canonique(c)).code, "");
    c.code = "dib ";
    EXPECT_EQ(lire(fabrique::canonique(c)).code, "dib ");
}

TEST(EnTeteAvi, AudioFirstAndOpenDmlFilesAreFoundByWalkingTheChunks) {
    fabrique::Champs c;
    c.images = 90000;
    c.largeur = 1280;
    c.hauteur = 720;
    c.code = "mjpg";
    c.echelle = 1;
    c.cadence = 30;
    const QByteArray octets = fabrique::autreDisposition(c, 1200);
    ASSERT_NE(octets.mid(100, 4), "strh"); // the fixed offsets would read rubbish
    const Lu lu = lire(octets);
    EXPECT_EQ(lu.images, 90000); // from 'dmlh', not the 1200 of the first gigabyte
    EXPECT_EQ(lu.largeur, 1280);
    EXPECT_EQ(lu.hauteur, 720);
    EXPECT_EQ(lu.code, "mjpg"); // the video stream, not the audio one before it
    EXPECT_EQ(lu.echelle, 1);
    EXPECT_EQ(lu.cadence, 30);
}

TEST(EnTeteAvi, DamagedChunkSizesFallBackToTheFixedOffsets) {
    fabrique::Champs c;
    QByteArray octets = fabrique::canonique(c);
    // hdrl claims far more bytes than the file holds: no walking, same values as before.
    octets.replace(16, 4, fabrique::u32(0x7FFFFFF0));
    const Lu lu = lire(octets);
    EXPECT_EQ(lu.images, c.images);
    EXPECT_EQ(lu.largeur, c.largeur);
    EXPECT_EQ(lu.cadence, c.cadence);
}

TEST(EnTeteAvi, NonRiffFileIsReadAtTheSameOffsets) {
    QByteArray octets(200, '\0');
    qToLittleEndian<qint32>(7, octets.data() + 48);
    qToLittleEndian<qint32>(-3, octets.data() + 64);
    octets.replace(112, 4, "cvid");
    qToLittleEndian<qint32>(2, octets.data() + 128);
    qToLittleEndian<qint32>(50, octets.data() + 132);
    const Lu lu = lire(octets);
    EXPECT_EQ(lu.images, 7);
    EXPECT_EQ(lu.largeur, -3);
    EXPECT_EQ(lu.code, "cvid");
    EXPECT_EQ(lu.echelle, 2);
    EXPECT_EQ(lu.cadence, 50);
}

TEST(EnTeteAvi, ReadPastTheEndRaisesAnInputOutputError) {
    QByteArray octets = fabrique::canonique({}).left(135); // one byte short of dwRate's end
    QBuffer b(&octets);
    b.open(QIODevice::ReadOnly);
    EXPECT_EQ(avi::nbImagesAvi(b), 250);
    EXPECT_EQ(avi::echelleTempsAvi(b), 1);
    EXPECT_THROW(avi::cadenceAvi(b), avi::ErreurEntreeSortie);
    EXPECT_THROW(avi::lireEntier32(b, -1), avi::ErreurEntreeSortie);
    QByteArray vide;
    QBuffer v(&vide);
    v.open(QIODevice::ReadOnly);
    EXPECT_THROW(avi::fourccAvi(v), avi::ErreurEntreeSortie);
}

TEST(Codecs, TableIsSearchedAfterLoweringTheCode) {
    EXPECT_EQ(tableCodecs.size(), 19u);
    EXPECT_EQ(nomCodec("DIVX"), "DivX Codec");
    EXPECT_EQ(nomCodec("cvid"), "Cinepak Codec by Radius");
    EXPECT_EQ(nomCodec("CRAM"), "Microsoft Video 1");
    EXPECT_EQ(nomCodec("DIB "), "Microsoft Bitmap, non compressé");
    EXPECT_EQ(nomCodec("dib"), "inconnu"); // the final space is part of the code
    EXPECT_EQ(nomCodec("Div4"), "DivX Mpeg4");
    EXPECT_EQ(nomCodec("dvsd"), "Sony Digital Video");
    EXPECT_EQ(nomCodec(""), "Non compressé");
    EXPECT_EQ(nomCodec("mjpg"), "inconnu");
}

TEST(TailleFichier, ExamplesUnderBothDecimalSeparators) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(texteTaille(1024), "1,000 ko");
    EXPECT_EQ(texteTaille(1000), "0,977 ko");
    EXPECT_EQ(texteTaille(2500000), "2,441 Mo");
    EXPECT_EQ(texteTaille(500), "488,281 ?o");
    EXPECT_EQ(texteTaille(999999), "976,562 ko"); // just under a power of ten
    EXPECT_EQ(texteTaille(1000000), "0,977 Mo");
    EXPECT_EQ(texteTaille(0), "?!*");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(texteTaille(1024), "1.000 ko");
    EXPECT_EQ(texteTaille(3000000000u), "2.930 Go");
    EXPECT_EQ(texteTaille(5000000000ull), "4.883 Go"); // beyond 32 bits
    QLocale::setDefault(QLocale::system());
}

TEST(TailleFichier, MissingOrEmptyFilesGiveTheMark) {
    QTemporaryDir dossier;
    EXPECT_EQ(texteTailleFichier(dossier.filePath("absent.avi")), "?!*");
    EXPECT_EQ(texteTailleFichier(dossier.path()), "?!*");
    QFile vide(dossier.filePath("vide.avi"));
    ASSERT_TRUE(vide.open(QIODevice::WriteOnly));
    vide.close();
    EXPECT_EQ(texteTailleFichier(vide.fileName()), "?!*");
    QFile plein(dossier.filePath("plein.avi"));
    ASSERT_TRUE(plein.open(QIODevice::WriteOnly));
    plein.write(QByteArray(2048, 'x'));
    plein.close();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(texteTailleFichier(plein.fileName()), "2.000 ko");
    QLocale::setDefault(QLocale::system());
}
