// The transfer into a real LibreOffice Calc, started without windows on a profile of its own;
// the cells are read back through the same automation objects.

#include "aides/OfficeEssai.h"
#include "export/TransfertFactice.h"
#include "platform/FabriqueSysteme.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using automation::PtrObjet;
using automation::Valeur;
using tableur::Issue;

class TableurCalc : public ::testing::Test {
protected:
    static inline OfficeEssai* office = nullptr;
    static inline FabriqueSysteme* fabrique = nullptr;
    static inline PtrObjet bureau;

    static void SetUpTestSuite() {
        office = new OfficeEssai;
        fabrique = new FabriqueSysteme;
        fabrique->office = office->options;
        bureau = office->bureau;
    }
    static void TearDownTestSuite() {
        bureau.reset();
        delete fabrique;
        delete office;
    }
    void SetUp() override {
        if (!OfficeEssai::present()) GTEST_SKIP() << "LibreOffice absent";
        ASSERT_TRUE(bureau) << office->erreur.toStdString();
        office->fermerDocuments(); // every test starts with no document open
    }

    Issue transferer(DialogueEnregistre& d, const Releve& r = releveExemple()) {
        return tableur::transfererTableur(r, "OpenOffice.Calc", *fabrique, d.dialogue());
    }
    static int fenetres() { return office->fenetres(); }
    static PtrObjet ouvrir(const char* fabrique) {
        return bureau->objet("loadComponentFromURL",
                             {fabrique, "_blank", 0, Valeur::tableauVide()});
    }
    static PtrObjet cellule(const PtrObjet& feuille, int c, int r) {
        return feuille->objet("getCellByPosition", {c, r});
    }
    static QString texte(const PtrObjet& feuille, int c, int r) {
        return cellule(feuille, c, r)->appeler("getString").texte();
    }
    static double valeur(const PtrObjet& feuille, int c, int r) {
        return cellule(feuille, c, r)->appeler("getValue").reel();
    }
    static int format(const PtrObjet& feuille, int c, int r) {
        return cellule(feuille, c, r)->appeler("NumberFormat").entier();
    }
    // The sheet holds the example's header and its rows 2 and 4, and nothing below.
    static void verifierExemple(const PtrObjet& f) {
        EXPECT_EQ(texte(f, 0, 0), "t(s)");
        EXPECT_EQ(texte(f, 1, 0), "x(m)");
        EXPECT_EQ(texte(f, 2, 0), "y(m)");
        const double attendu[2][3] = {{0, 0.015, -0.25}, {0.08, 0.03, 0.04}};
        for (int k = 1; k <= 2; ++k)
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(valeur(f, c, k), attendu[k - 1][c]) << c << "," << k;
                EXPECT_EQ(format(f, c, k), c == 0 ? 2 : 61) << c << "," << k;
                EXPECT_FALSE(texte(f, c, k).isEmpty());
            }
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(texte(f, c, 3), QString());
    }
    static PtrObjet feuilleActive() { return office->feuilleActive(); }
};

TEST_F(TableurCalc, AnEmptyOfficeGetsANewSpreadsheetWithTextsValuesAndFormats) {
    DialogueEnregistre d;
    EXPECT_EQ(transferer(d), Issue::Ecrit);
    EXPECT_TRUE(d.informations.isEmpty()) << d.informations.join("|").toStdString();
    EXPECT_EQ(d.questions.size(), 1);
    EXPECT_EQ(fenetres(), 1);
    verifierExemple(feuilleActive());
}

TEST_F(TableurCalc, TheOpenSheetIsReusedAndItsEarlierContentCleared) {
    DialogueEnregistre d;
    ASSERT_EQ(transferer(d), Issue::Ecrit);
    PtrObjet f = feuilleActive();
    cellule(f, 7, 40)->appeler("setString", {"ancien"});
    cellule(f, 0, 5)->appeler("setValue", {12.5});
    cellule(f, 3, 0)->appeler("setString", {"z"});

    // Time origin on image 5: images 1 to 4 are not sent, image 5 lands on row 1; a comma table.
    Releve r = releveExemple(',');
    r.N = 6;
    r.t0 = 5;
    r.lignes = {{"t(s)", "x(m)", "y(m)"},         {"", " 1,00E-2", " 1,00E-2"},
                {"", " 1,00E-2", " 1,00E-2"},     {"", " 1,00E-2", " 1,00E-2"},
                {"", " 1,00E-2", " 1,00E-2"},     {"0,000", " 5,00E-1", " 6,00E-1"},
                {"0,040", " 7,00E-1", " 8,00E-1"}};
    DialogueEnregistre deux;
    EXPECT_EQ(transferer(deux, r), Issue::Ecrit);
    EXPECT_EQ(deux.questions.size(), 1);
    EXPECT_EQ(fenetres(), 1); // the same document
    f = feuilleActive();
    EXPECT_EQ(texte(f, 7, 40), QString());
    EXPECT_EQ(texte(f, 0, 5), QString());
    EXPECT_EQ(texte(f, 3, 0), QString());
    EXPECT_EQ(valeur(f, 0, 1), 0);
    EXPECT_EQ(valeur(f, 1, 1), 0.5);
    EXPECT_EQ(valeur(f, 2, 2), 0.8);
    EXPECT_EQ(texte(f, 0, 3), QString());
}

TEST_F(TableurCalc, ATableWithoutCompleteRowLeavesTheHeaderAlone) {
    DialogueEnregistre d;
    ASSERT_EQ(transferer(d), Issue::Ecrit);
    Releve r = releveExemple();
    for (int i = 1; i <= r.N; ++i)
        r.lignes[size_t(i)][1] = QString();
    DialogueEnregistre vide;
    EXPECT_EQ(transferer(vide, r), Issue::Ecrit);
    PtrObjet f = feuilleActive();
    EXPECT_EQ(texte(f, 1, 0), "x(m)");
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(texte(f, c, 1), QString()) << c;
}

TEST_F(TableurCalc, OneTextDocumentIsLeftForANewSpreadsheetWithoutQuestion) {
    ouvrir("private:factory/swriter");
    ASSERT_EQ(fenetres(), 1);
    DialogueEnregistre d;
    EXPECT_EQ(transferer(d), Issue::Ecrit);
    EXPECT_EQ(d.questions.size(), 1);
    EXPECT_EQ(fenetres(), 2);
    verifierExemple(feuilleActive());
}

TEST_F(TableurCalc, TwoTextDocumentsAskBeforeCreatingASpreadsheet) {
    ouvrir("private:factory/swriter");
    PtrObjet actif = ouvrir("private:factory/swriter");
    ASSERT_EQ(fenetres(), 2);
    const QString question = "Le document OpenOffice actif n'est pas un classeur "
                             ":\r\rsouhaitez-vous créer un classeur ?";

    DialogueEnregistre non;
    non.reponses = {true, false};
    EXPECT_EQ(transferer(non), Issue::Abandon);
    EXPECT_EQ(non.questions.value(1), question);
    EXPECT_TRUE(non.informations.isEmpty());
    EXPECT_EQ(fenetres(), 2);
    EXPECT_FALSE(bureau->objet("CurrentComponent")
                     ->appeler("supportsService", {"com.sun.star.sheet.SpreadsheetDocument"})
                     .booleen());

    DialogueEnregistre oui;
    EXPECT_EQ(transferer(oui), Issue::Ecrit);
    EXPECT_EQ(oui.questions.value(1), question);
    EXPECT_EQ(fenetres(), 3);
    verifierExemple(feuilleActive());
}

// Needs no office: the one named is not there.
TEST(TableurCalcAbsent, AMissingOfficeIsNotFound) {
    FabriqueSysteme f;
    f.office.programme = "/nulle/part/soffice";
    f.office.tube = QStringLiteral("kinopix_absent_%1").arg(QCoreApplication::applicationPid());
    DialogueEnregistre d;
    EXPECT_EQ(tableur::transfererTableur(releveExemple(), "OpenOffice.Calc", f, d.dialogue()),
              Issue::Echec);
    EXPECT_EQ(d.informations, QStringList{"OpenOffice.Calc n'a pas été trouvé"});
}

// An office whose start program ends before its pipe answers is there, but did not start:
// the user reads why, from the last line it wrote or from how it ended.
TEST(TableurCalcAbsent, AnOfficeThatEndsBeforeAnsweringSaysWhy) {
    if (!officeUno::pris()) GTEST_SKIP() << "construction sans LibreOffice";
    QTemporaryDir dossier;
    int numero = 0;
    auto essayer = [&](const QByteArray& corps) {
        const QString soffice = dossier.filePath(QStringLiteral("soffice%1").arg(++numero));
        QFile script(soffice);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + corps);
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        FabriqueSysteme f;
        f.office.programme = soffice;
        f.office.tube = QStringLiteral("kinopix_arret_%1").arg(QCoreApplication::applicationPid());
        DialogueEnregistre d;
        EXPECT_EQ(tableur::transfererTableur(releveExemple(), "OpenOffice.Calc", f, d.dialogue()),
                  Issue::Echec);
        return d.informations;
    };
    const QString debut = QStringLiteral("LibreOffice n'a pas pu démarrer :\r");
    EXPECT_EQ(essayer("echo Lancement\necho 'javaldx: profil illisible' >&2\necho\nexit 1\n"),
              QStringList{debut + "javaldx: profil illisible"});
    EXPECT_EQ(essayer("exit 81\n"),
              QStringList{debut + QStringLiteral("le programme s'est terminé avec le code 81")});
    EXPECT_EQ(
        essayer("kill -SEGV $$\n"),
        QStringList{debut + QStringLiteral("le programme s'est arrêté brutalement (signal 11)")});
}
