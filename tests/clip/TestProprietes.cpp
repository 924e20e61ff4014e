#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "clip/AviFabrique.h"
#include "clip/ControleurClip.h"
#include "clip/ImpressionQt.h"
#include "clip/LienFabrique.h"
#include "clip/TailleFichier.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kLabels[] = {
    "lblFile", "lblOctets", "lblNbImages", "lblDurTot", "lblFrequence", "lblPeriode", "lblDim",
    "lblDimL", "lblDimH",   "lblAdapt",    "lblCodec1", "lblCodec2",    "lblCodec3"};

QString texte(TForm1& f, const char* nom) {
    auto* l = f.controle<QLabel>(nom);
    return l != nullptr ? l->text() : QStringLiteral("<absent>");
}

QStringList textes(TForm1& f) {
    QStringList t;
    for (const char* nom : kLabels)
        t << texte(f, nom);
    return t;
}

QString ecrire(const QTemporaryDir& d, const QString& nom, const QByteArray& octets) {
    const QString chemin = d.filePath(nom);
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
    return chemin;
}

class Proprietes : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    QTemporaryDir dossier;
};

} // namespace

TEST_F(Proprietes, TabShowsTheDesignTextsInAScrollBox) {
    auto f = demarrer();
    EXPECT_EQ(textes(*f),
              (QStringList{"Fichier : ?", "Taille : ?", "Nombre d'images : 0",
                           "Durée du clip : 0 s", "Fréquence : ? images / s", "Durée / image : 0 s",
                           "Dimensions", "Largeur : 0 pixel", "Hauteur : 0 pixel", "Adaptation : ?",
                           "Compression / décompression :", "fourcc ?", "codec ?"}));
    auto* defilement = f->tsProClip->findChild<QScrollArea*>();
    ASSERT_NE(defilement, nullptr);
    EXPECT_EQ(defilement->statusTip(), "Propriétés du clip");
    EXPECT_TRUE(defilement->isAncestorOf(f->controle<QLabel>("lblCodec3")));

    // Without a clip, the tab returns to its "?" texts (one "image" in the singular).
    f->clip->RAZProClip();
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : ? image / s");
    EXPECT_EQ(texte(*f, "lblCodec2"), "?");
    EXPECT_EQ(texte(*f, "lblCodec3"), "?");
}

TEST_F(Proprietes, PreviewOfAHeader) {
    auto f = demarrer();
    fabrique::Champs c; // 250 images, 1/25 s, 320 x 240, DIVX
    const QByteArray octets = fabrique::canonique(c);
    const QString chemin = ecrire(dossier, "balle.avi", octets);
    f->clip->afficherApercu(chemin);
    EXPECT_EQ(textes(*f),
              (QStringList{"Fichier : balle.avi", "Taille : " + texteTaille(octets.size()),
                           "Nombre d'images : 250", "Durée du clip : 10,000 s",
                           "Fréquence : 25 images / s", "Durée / image : 40 ms", "Dimensions",
                           "Largeur : 320 pixels", "Hauteur : 240 pixels", "Adaptation : ?",
                           "Compression / décompression :", "DIVX", "DivX Codec"}));

    c.echelle = 1001;
    c.cadence = 30000;
    c.code = QByteArray(4, '\0');
    f->clip->afficherApercu(ecrire(dossier, "ntsc.avi", fabrique::canonique(c)));
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : 30 images / s");
    EXPECT_EQ(texte(*f, "lblPeriode"), "Durée / image : 33 ms");
    EXPECT_EQ(texte(*f, "lblDurTot"), "Durée du clip : 8,342 s");
    EXPECT_EQ(texte(*f, "lblCodec2"), "");
    EXPECT_EQ(texte(*f, "lblCodec3"), "Non compressé");
}

TEST_F(Proprietes, HeadersThatMakeNoSenseKeepThePreviousTexts) {
    auto f = demarrer();
    f->clip->afficherApercu(ecrire(dossier, "bon.avi", fabrique::canonique({})));
    const QStringList avant = textes(*f);
    for (auto abimer : std::initializer_list<void (*)(fabrique::Champs&)>{
             [](fabrique::Champs& c) { c.images = 0; }, [](fabrique::Champs& c) { c.largeur = -1; },
             [](fabrique::Champs& c) { c.hauteur = 0; }, [](fabrique::Champs& c) { c.cadence = 0; },
             [](fabrique::Champs& c) { c.echelle = 0; },
             [](fabrique::Champs& c) { c.echelle = -5; }}) {
        fabrique::Champs c;
        abimer(c);
        f->clip->afficherApercu(ecrire(dossier, "mauvais.avi", fabrique::canonique(c)));
        EXPECT_EQ(textes(*f), avant);
    }

    // A long enough file that is not RIFF is read at the same offsets: zeros, no preview.
    f->clip->afficherApercu(ecrire(dossier, "zeros.avi", QByteArray(300, '\0')));
    EXPECT_EQ(textes(*f), avant);
    QByteArray brut(200, '\0');
    qToLittleEndian<qint32>(5, brut.data() + 48);
    qToLittleEndian<qint32>(8, brut.data() + 64);
    qToLittleEndian<qint32>(6, brut.data() + 68);
    qToLittleEndian<qint32>(1, brut.data() + 128);
    qToLittleEndian<qint32>(10, brut.data() + 132);
    f->clip->afficherApercu(ecrire(dossier, "brut.avi", brut));
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 5");
    EXPECT_EQ(texte(*f, "lblFrequence"), "Fréquence : 10 images / s");
}

TEST_F(Proprietes, ShortOrMissingFilesPreviewQuietlyAsNoClip) {
    auto f = demarrer();
    f->clip->afficherApercu(ecrire(dossier, "bon.avi", fabrique::canonique({})));
    // Merely selecting a file too short for a header asks nothing of the user: the tab
    // shows what it shows with no clip (opening the file will tell what is wrong).
    reponse::Vu vu;
    reponse::bouton(QMessageBox::Ok, &vu, 300);
    f->clip->OpenDialog1SelectionChange(
        ecrire(dossier, "court.avi", fabrique::canonique({}).left(135)));
    QTest::qWait(400);
    EXPECT_FALSE(vu.ouvert);
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : ?");
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 0");

    f->clip->afficherApercu(ecrire(dossier, "bon.avi", fabrique::canonique({})));
    f->clip->afficherApercu(dossier.filePath("absent.avi"));
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : ?");
}

TEST_F(Proprietes, FileOfAnotherKindShowsNoCodeFromItsBytes) {
    // Not RIFF, but with sensible values at the usual offsets: previewed, and the bytes
    // where an AVI keeps its code are not taken for one.
    auto f = demarrer();
    QByteArray octets = fabrique::canonique({});
    octets.replace(0, 4, "FORM");
    f->clip->afficherApercu(ecrire(dossier, "autre.avi", octets));
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 250");
    EXPECT_EQ(texte(*f, "lblCodec2"), "?");
    EXPECT_EQ(texte(*f, "lblCodec3"), "inconnu");
}

TEST_F(Proprietes, SelectionChangeFollowsShortcutsAndIgnoresOtherFiles) {
    auto f = demarrer();
    fabrique::Champs c;
    c.images = 42;
    const QString clip = ecrire(dossier, "cible.avi", fabrique::canonique(c));

    // Shortcut holding only a relative path "cible.avi" in 8-bit strings.
    const QByteArray lnk = lienRelatif("cible.avi");
    const QString lien = ecrire(dossier, "vers cible.LNK", lnk);
    f->clip->OpenDialog1SelectionChange(lien);
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 42");
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : cible.avi");

    // Other extensions change nothing; a folder or nothing returns to the "?" texts.
    const QStringList avant = textes(*f);
    f->clip->OpenDialog1SelectionChange(ecrire(dossier, "notes.txt", fabrique::canonique({})));
    EXPECT_EQ(textes(*f), avant);
    f->clip->OpenDialog1SelectionChange(dossier.path());
    EXPECT_EQ(texte(*f, "lblFile"), "Fichier : ?");
    f->clip->OpenDialog1SelectionChange(clip);
    f->clip->OpenDialog1SelectionChange(QString());
    EXPECT_EQ(texte(*f, "lblNbImages"), "Nombre d'images : 0");

    // A shortcut that cannot be resolved: "Cible introuvable" and no preview.
    f->clip->OpenDialog1SelectionChange(clip);
    const QStringList apres = textes(*f);
    QFile::remove(clip);
    reponse::Vu vu;
    reponse::bouton(QMessageBox::Ok, &vu);
    f->clip->OpenDialog1SelectionChange(lien);
    EXPECT_TRUE(vu.ouvert);
    EXPECT_EQ(vu.texte, "Cible introuvable");
    EXPECT_EQ(textes(*f), apres);

    // A shortcut to a folder has no clip for target either.
    QDir(dossier.path()).mkdir("dossier.avi");
    const QString versDossier = ecrire(dossier, "vers dossier.lnk", lienRelatif("dossier.avi"));
    reponse::Vu vu2;
    reponse::bouton(QMessageBox::Ok, &vu2);
    EXPECT_EQ(f->clip->cibleRaccourci(versDossier), "");
    EXPECT_TRUE(vu2.ouvert);
    EXPECT_EQ(vu2.texte, "Cible introuvable");
}
