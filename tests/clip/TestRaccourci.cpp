#include "clip/ImpressionQt.h"
#include "clip/Raccourci.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray u16(uint16_t v) {
    QByteArray o(2, '\0');
    qToLittleEndian<quint16>(v, o.data());
    return o;
}
QByteArray u32(uint32_t v) {
    QByteArray o(4, '\0');
    qToLittleEndian<quint32>(v, o.data());
    return o;
}
QByteArray utf16z(const QString& t) {
    QByteArray o(reinterpret_cast<const char*>(t.utf16()), t.size() * 2);
    return o + QByteArray(2, '\0');
}

// A shortcut as the shell writes it: header, an item list, the link information with the
// local base path, and the relative path string.
struct Lien {
    QByteArray base;     // 8-bit local base path; empty: no link information
    QString baseUnicode; // also written in UTF-16 when not empty
    QByteArray suffixe;  // common path suffix
    QString relatif;     // relative path; empty: none
    bool unicode = true; // strings of the string data section in UTF-16
    bool avecListeId = true;

    QByteArray octets() const {
        uint32_t drapeaux = (avecListeId ? 0x1 : 0) | (base.isEmpty() ? 0 : 0x2) | 0x4 |
                            (relatif.isEmpty() ? 0 : 0x8) | (unicode ? 0x80 : 0);
        QByteArray o = u32(0x4C);
        o += QByteArray::fromHex("0114020000000000c000000000000046");
        o += u32(drapeaux) + u32(0x20) + QByteArray(76 - 28, '\0');
        if (avecListeId) o += u16(6) + QByteArray("\x04\x00\xAA\xBB\x00\x00", 6);
        if (!base.isEmpty()) o += infoLien();
        o += chaine("commentaire");
        if (!relatif.isEmpty()) o += chaine(relatif);
        return o + u32(0); // terminal block
    }

private:
    QByteArray chaine(const QString& t) const {
        if (unicode) return u16(uint16_t(t.size())) + utf16z(t).chopped(2);
        return u16(uint16_t(t.size())) + t.toLatin1();
    }
    QByteArray infoLien() const {
        const bool u = !baseUnicode.isEmpty();
        const uint32_t tailleEnTete = u ? 0x24 : 0x1C;
        const QByteArray volume = u32(16) + u32(3) + u32(0x1234) + u32(16) + QByteArray(4, '\0');
        const uint32_t oVolume = tailleEnTete;
        const uint32_t oBase = oVolume + volume.size();
        const uint32_t oSuffixe = oBase + base.size() + 1;
        const uint32_t oBaseU = oSuffixe + suffixe.size() + 1;
        const uint32_t oSuffixeU = oBaseU + (u ? (baseUnicode.size() + 1) * 2 : 0);
        QByteArray corps = volume + base + '\0' + suffixe + '\0';
        if (u) corps += utf16z(baseUnicode) + utf16z(QString::fromLatin1(suffixe));
        QByteArray entete =
            u32(tailleEnTete) + u32(1) + u32(oVolume) + u32(oBase) + u32(0) + u32(oSuffixe);
        if (u) entete += u32(oBaseU) + u32(oSuffixeU);
        const QByteArray tout = entete + corps;
        return u32(uint32_t(tout.size() + 4)) + tout;
    }
};

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

} // namespace

TEST(Raccourci, LocalBasePathPlusSuffixIsTheTarget) {
    QTemporaryDir dossier;
    QDir(dossier.path()).mkpath("clips");
    const QString clip = dossier.filePath("clips/chute été.avi");
    ecrire(clip, "x");
    Lien l;
    l.base = (dossier.path() + "/clips/").toLocal8Bit();
    l.suffixe = QString("chute été.avi").toLatin1(); // 8-bit text is Windows-1252
    l.relatif = "..\\ailleurs\\rien.avi";
    const QString lien = dossier.filePath("raccourci.lnk");
    ecrire(lien, l.octets());
    EXPECT_EQ(raccourci::cible(lien), clip);

    // The UTF-16 base path wins over the 8-bit one when the link has both.
    l.base = "C:\\inexistant\\";
    l.baseUnicode = dossier.path() + "/clips/";
    ecrire(lien, l.octets());
    EXPECT_EQ(raccourci::lireChemins(l.octets()).local, dossier.path() + "/clips/chute été.avi");
    EXPECT_EQ(raccourci::cible(lien), clip);
}

TEST(Raccourci, RelativePathIsTakenFromTheShortcutsFolder) {
    QTemporaryDir dossier;
    QDir(dossier.path()).mkpath("liens");
    QDir(dossier.path()).mkpath("clips");
    const QString clip = dossier.filePath("clips/balle.avi");
    ecrire(clip, "x");
    for (bool unicode : {true, false}) {
        Lien l;
        l.base = "D:\\Clips\\balle.avi"; // a Windows machine's path: not found here
        l.relatif = "..\\clips\\balle.avi";
        l.unicode = unicode;
        l.avecListeId = unicode;
        const QString lien = dossier.filePath("liens/balle.lnk");
        ecrire(lien, l.octets());
        EXPECT_EQ(raccourci::cible(lien), clip) << unicode;
    }
}

TEST(Raccourci, UnresolvableShortcutsGiveNothing) {
    QTemporaryDir dossier;
    const QString lien = dossier.filePath("x.lnk");
    EXPECT_EQ(raccourci::cible(lien), ""); // no file

    Lien l;
    l.base = (dossier.path() + "/absent.avi").toLocal8Bit();
    l.relatif = "absent.avi";
    ecrire(lien, l.octets());
    EXPECT_EQ(raccourci::cible(lien), ""); // target missing

    ecrire(lien, "ceci n'est pas un raccourci, mais un texte assez long pour un en-tête......");
    EXPECT_EQ(raccourci::cible(lien), "");

    // Every truncation of a valid link is refused or read safely, never past its end.
    ecrire(dossier.filePath("cible.avi"), "x");
    l.base = (dossier.path() + "/cible.avi").toLocal8Bit();
    const QByteArray complet = l.octets();
    for (int n = 0; n < complet.size() - 4; ++n) {
        const raccourci::Chemins c = raccourci::lireChemins(complet.left(n));
        if (c.valide) {
            EXPECT_TRUE(c.local.isEmpty() || c.local == dossier.path() + "/cible.avi");
        }
    }
    EXPECT_FALSE(raccourci::lireChemins(complet.left(80)).valide);

    // Offsets pointing outside the link information are refused.
    QByteArray abime = complet;
    const int debutInfo = 76 + 2 + 6;
    abime.replace(debutInfo + 16, 4, u32(0xFFFFFF00));
    EXPECT_TRUE(raccourci::lireChemins(abime).local.isEmpty());
}
