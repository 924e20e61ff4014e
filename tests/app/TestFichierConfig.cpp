#include "DossierTest.h"
#include "app/FichierConfig.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QStringList>

using fichierConfig::Lignes;

namespace {

QByteArray fichier(const QStringList& lignes) {
    return cp1252::lignesCRLF(lignes, false);
}

} // namespace

class FichierConfig : public DossierTest {
protected:
    QString d() const { return dossier.path(); }
    QString sep() const { return QDir::separator(); }
    Lignes charger(const QStringList& lignes) {
        ecrire("kpconfig.txt", fichier(lignes));
        return fichierConfig::chargerEtReparer(d());
    }
    Lignes defauts() const { return fichierConfig::defauts(d()); }
    QString programme() {
        ecrire("regressi.exe", "MZ");
        return chemin("regressi.exe");
    }
};

TEST_F(FichierConfig, SansFichierLesDefautsEtLEcritureSansSautFinal) {
    const Lignes c = fichierConfig::chargerEtReparer(d());
    EXPECT_EQ(c[4], d() + sep());
    ASSERT_TRUE(fichierConfig::ecrire(config(), c));
    const QByteArray attendu =
        "[version]\r\n3.0\r\n[clips]\r\n0\r\n" + QFile::encodeName(d()) +
        "/\r\n[regressi]\r\nwin,dos ?\r\nacc\xE8s ?\r\n[tableur]\r\ntableur ?";
    EXPECT_EQ(lire("kpconfig.txt"), attendu);
}

TEST_F(FichierConfig, FichierValideResteTelQuel) {
    const QString prog = programme();
    const QStringList valide = {"[version]",  "3.0", "[clips]", "1",         d() + sep(),
                                "[regressi]", "DOS", prog,      "[tableur]", "Microsoft Excel"};
    const Lignes c = charger(valide);
    EXPECT_EQ(QStringList(c.begin(), c.end()), valide);
}

TEST_F(FichierConfig, ChaqueLigneRepareeSeule) {
    const QString prog = programme();
    const QStringList valide = {"[version]",  "3.0", "[clips]", "1",         d() + sep(),
                                "[regressi]", "win", prog,      "[tableur]", "OpenOffice.Calc"};
    // line index, bad value, value after repair (empty = the default)
    struct Cas {
        int ligne;
        QString lue;
    };
    const Cas cas[] = {{0, ""},
                       {1, "2.0"},
                       {2, "[CLIPS]"},
                       {3, ""},
                       {3, "2"},
                       {3, " 1"},
                       {4, ""},
                       {4, d() + "/absent/"},
                       {5, "x"},
                       {6, ""},
                       {6, "linux"},
                       {7, ""},
                       {7, d() + "/absent.exe"},
                       {8, ""},
                       {9, ""},
                       {9, "openoffice.calc"},
                       {9, "MICROSOFT EXCEL"}};
    for (const Cas& k : cas) {
        QStringList l = valide;
        l[k.ligne] = k.lue;
        const Lignes c = charger(l);
        for (int i = 0; i < 10; ++i) {
            QString attendu = valide[i];
            if (i == k.ligne || (k.ligne == 6 && i == 7) || (k.ligne == 7 && i == 6))
                attendu = (k.ligne == 3 && i == 3) ? "0" : defauts()[i];
            EXPECT_EQ(c[i], attendu)
                << "ligne " << k.ligne + 1 << " lue '" << k.lue.toStdString() << "', indice " << i;
        }
    }
    // Valid values in odd letter case: line 7 stays as written, the others must match exactly.
    QStringList l = valide;
    l[6] = "WiN";
    EXPECT_EQ(charger(l)[6], "WiN");
    l[6] = "dOs";
    EXPECT_EQ(charger(l)[6], "dOs");
}

TEST_F(FichierConfig, AncienneDispositionConvertie) {
    const QString prog = programme();
    const Lignes c = charger({prog, "WIN"});
    Lignes attendu = defauts();
    attendu[6] = "win";
    attendu[7] = prog;
    EXPECT_EQ(c, attendu);
    // A version alone, or a program that no longer exists, converts nothing.
    EXPECT_EQ(charger({d() + "/parti.exe", "dos"}), defauts());
}

TEST_F(FichierConfig, FichiersDe1_4_10Et25Lignes) {
    EXPECT_EQ(charger({"n'importe quoi"}), defauts());

    Lignes quatre = defauts();
    quatre[3] = "1";
    EXPECT_EQ(charger({"[version]", "3.0", "[clips]", "1"}), quatre);

    QStringList vingtCinq;
    for (int i = 0; i < 25; ++i)
        vingtCinq << QString("ligne %1").arg(i + 1);
    vingtCinq[3] = "1";
    vingtCinq[9] = "OpenOffice.Calc";
    vingtCinq[10] = "Microsoft Excel"; // past the tenth line: ignored
    const Lignes c = charger(vingtCinq);
    EXPECT_EQ(c[3], "1");
    EXPECT_EQ(c[9], "OpenOffice.Calc");

    const QStringList dix = {"a", "b", "c", "0", d(), "e", "dos", "x", "f", "OpenOffice.Calc"};
    const Lignes c10 = charger(dix);
    EXPECT_EQ(c10[4], d() + sep()); // a folder without its final separator gets one
    EXPECT_EQ(c10[9], "OpenOffice.Calc");
}

TEST_F(FichierConfig, DossierDesClips) {
    // A plain file is accepted as line 5 (only its existence is tested).
    ecrire("clip.avi", "RIFF");
    Lignes l = defauts();
    l[4] = chemin("clip.avi");
    EXPECT_EQ(charger(QStringList(l.begin(), l.end()))[4], chemin("clip.avi") + sep());

    // Two final separators lose one; the rest still ends with one and is tested as such.
    QDir(d()).mkdir("clips");
    l[4] = chemin("clips") + sep() + sep();
    EXPECT_EQ(charger(QStringList(l.begin(), l.end()))[4], chemin("clips") + sep() + sep());
    l[4] = d() + "/nulle/part" + sep() + sep();
    EXPECT_EQ(charger(QStringList(l.begin(), l.end()))[4], d() + sep());

    // The root folder survives.
    l[4] = sep();
    EXPECT_EQ(charger(QStringList(l.begin(), l.end()))[4], sep());
}

TEST_F(FichierConfig, CheminAccentueTraverseWindows1252) {
    const QString accents = chemin("Vidéos élèves à traiter");
    ASSERT_TRUE(QDir().mkpath(accents));
    Lignes l = defauts();
    l[4] = accents + sep();
    ASSERT_TRUE(fichierConfig::ecrire(config(), l));
    EXPECT_TRUE(lire("kpconfig.txt").contains("Vid\xE9os \xE9l\xE8ves \xE0 traiter/\r\n"));
    EXPECT_EQ(fichierConfig::chargerEtReparer(d())[4], accents + sep());
}

TEST_F(FichierConfig, LectureBorneeEtSauts) {
    // CR, LF and CR LF all end a line; a 100,000-character line costs nothing and is repaired.
    ecrire("kpconfig.txt", "a\rb\nc\r\n1\r\n" + QByteArray(100000, 'x') + "\n\n\n\n\n" +
                               QByteArray("OpenOffice.Calc"));
    const Lignes lues = fichierConfig::lire(config());
    EXPECT_EQ(lues[0], "a");
    EXPECT_EQ(lues[1], "b");
    EXPECT_EQ(lues[3], "1");
    EXPECT_LE(lues[4].size(), 100000);
    EXPECT_EQ(lues[9], "OpenOffice.Calc");
    const Lignes c = fichierConfig::reparer(lues, d());
    EXPECT_EQ(c[3], "1");
    EXPECT_EQ(c[4], d() + sep());
    EXPECT_EQ(c[9], "OpenOffice.Calc");
}

TEST_F(FichierConfig, EcritureImpossibleGardeLAncienContenu) {
    ASSERT_TRUE(QDir(d()).mkdir("kpconfig.txt"));
    EXPECT_FALSE(fichierConfig::existe(d()));
    EXPECT_FALSE(fichierConfig::ecrire(config(), defauts()));
    EXPECT_TRUE(QFileInfo(config()).isDir());
    EXPECT_EQ(fichierConfig::lire(config()), Lignes{});
}
