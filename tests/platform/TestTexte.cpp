#include "platform/Bulles.h"
#include "platform/Cp1252.h"
#include "platform/Nombres.h"

#include <gtest/gtest.h>

TEST(Cp1252, AccentsEuroAndUnmappableCharacters) {
    EXPECT_EQ(cp1252::encoder(QStringLiteral("accès ?")), QByteArray("acc\xE8s ?"));
    EXPECT_EQ(cp1252::encoder(QString::fromUtf8("€ œ – …")), QByteArray("\x80 \x9C \x96 \x85"));
    EXPECT_EQ(cp1252::encoder(QString::fromUtf8("漢")), QByteArray("?"));
    // Every byte comes back as it was, the five the code page leaves undefined included.
    QByteArray tous;
    for (int i = 0; i < 256; ++i)
        tous.append(char(i));
    EXPECT_EQ(cp1252::encoder(cp1252::decoder(tous)), tous);
    EXPECT_EQ(cp1252::decoder("\x81\x8D\x8F\x90\x9D"),
              QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
    EXPECT_EQ(cp1252::encoder(QString(QChar(0x9F))), QByteArray("?")); // not U+0178
}

TEST(Cp1252, LinesWithAndWithoutFinalBreak) {
    EXPECT_EQ(cp1252::lignesCRLF({"a", "b"}, false), QByteArray("a\r\nb"));
    EXPECT_EQ(cp1252::lignesCRLF({"a", "b"}, true), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(cp1252::decouperLignes("a\r\nb\nc\rd\r\n"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(cp1252::decouperLignes("a\r\n\r\nb"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(cp1252::decouperLignes("").isEmpty());
}

TEST(Nombres, RoundHalvesToEvenAndTruncTowardZero) {
    EXPECT_EQ(nombres::arrondi(2.5L), 2);
    EXPECT_EQ(nombres::arrondi(3.5L), 4);
    EXPECT_EQ(nombres::arrondi(-2.5L), -2);
    EXPECT_EQ(nombres::arrondi(24.975L), 25);
    EXPECT_EQ(nombres::arrondi(29.97L), 30);
    EXPECT_EQ(nombres::tronquer(-3.9L), -3);
    EXPECT_EQ(nombres::tronquer(3.9L), 3);
}

TEST(Bulles, ShortAndLongParts) {
    auto b = bulles::decouper("Ouvrir clip avi|Ouvrir un clip vidéo au format *.avi");
    EXPECT_EQ(b.courte, "Ouvrir clip avi");
    EXPECT_EQ(b.longue, QStringLiteral("Ouvrir un clip vidéo au format *.avi"));
    b = bulles::decouper("Aide");
    EXPECT_EQ(b.courte, "Aide");
    EXPECT_EQ(b.longue, "Aide");
    b = bulles::decouper("|Zone de pointage");
    EXPECT_TRUE(b.courte.isEmpty());
    EXPECT_EQ(b.longue, "Zone de pointage");
}
