// The workbook that stands for Excel: the transfer's calls give an .xlsx file beside the clips,
// read back from its XML parts; a second transfer never overwrites the first.

#include "export/TransfertFactice.h"
#include "platform/FabriqueSysteme.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tableur::Issue;

namespace {

QString partie(const QString& xlsx, const QString& nom) {
    QProcess p;
    p.start("unzip", {"-p", xlsx, nom});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Classeurs {
    QTemporaryDir dossier;
    FabriqueSysteme f;
    QStringList ouverts, echecs;
    Classeurs() {
        f.excel.dossier = dossier.path();
        f.excel.ouvrir = [this](const QString& c) { ouverts << c; };
        f.excel.echec = [this](const QString& m) { echecs << m; };
    }
    Issue transferer(DialogueEnregistre& d, const Releve& r = releveExemple()) {
        return tableur::transfererTableur(r, "Microsoft Excel", f, d.dialogue());
    }
};

} // namespace

TEST(ClasseurXlsx, TheTransferWritesHeadersNumbersAndColumnFormatsThenOpensTheFile) {
    Classeurs c;
    DialogueEnregistre d;
    ASSERT_EQ(c.transferer(d), Issue::Ecrit);
    EXPECT_TRUE(d.informations.isEmpty());
    ASSERT_EQ(c.ouverts, QStringList{QDir(c.dossier.path()).filePath("mesures.xlsx")});
    const QString feuille = partie(c.ouverts[0], "xl/worksheets/sheet1.xml");
    const QString styles = partie(c.ouverts[0], "xl/styles.xml");
    const QString chaines = partie(c.ouverts[0], "xl/sharedStrings.xml");

    // Column formats: the t column, then x and y, as custom number formats.
    EXPECT_TRUE(styles.contains(R"(formatCode="0.000")")) << styles.toStdString();
    EXPECT_TRUE(styles.contains(R"(formatCode=" 0.00E+0")")) << styles.toStdString();
    EXPECT_TRUE(feuille.contains(QRegularExpression(R"(<col min="1" max="1"[^>]* style="\d+")")));
    EXPECT_TRUE(feuille.contains(QRegularExpression(R"(<col min="2" max="2"[^>]* style="\d+")")));

    // Headers as shared strings, values as numbers, packed from row 2.
    for (const char* t : {"t(s)", "x(m)", "y(m)"})
        EXPECT_TRUE(chaines.contains(QStringLiteral("<t>%1</t>").arg(t))) << t;
    auto nombre = [&](const char* ref, const char* v) {
        const QRegularExpression re(QStringLiteral(R"(<c r="%1"[^>]*><v>%2</v></c>)").arg(ref, v));
        EXPECT_TRUE(feuille.contains(re)) << ref << " " << feuille.toStdString();
    };
    nombre("A2", "0");
    nombre("B2", "0.015");
    nombre("C2", "-0.25");
    nombre("A3", "0.08");
    nombre("B3", "0.03");
    nombre("C3", "0.04");
    EXPECT_TRUE(feuille.contains(QRegularExpression(R"(<c r="A1"[^>]* t="s")")));
    EXPECT_FALSE(feuille.contains(R"(r="A4")"));
    // Every value carries its column's format.
    EXPECT_FALSE(feuille.contains(QRegularExpression(R"(<c r="[A-C][2-3]"( t="n")?>)")));
}

TEST(ClasseurXlsx, ASecondTransferGetsANewNameAndACommaTableItsFormats) {
    Classeurs c;
    DialogueEnregistre d1, d2;
    ASSERT_EQ(c.transferer(d1), Issue::Ecrit);
    Releve r = releveExemple(',');
    r.positionFmtT = 0;
    ASSERT_EQ(c.transferer(d2, r), Issue::Ecrit);
    ASSERT_EQ(c.ouverts.size(), 2);
    EXPECT_EQ(QFileInfo(c.ouverts[1]).fileName(), "mesures (2).xlsx");
    const QString styles = partie(c.ouverts[1], "xl/styles.xml");
    EXPECT_TRUE(styles.contains(R"(formatCode="0,")"));
    EXPECT_TRUE(styles.contains(R"(formatCode=" 0,00E+0")"));
    EXPECT_TRUE(partie(c.ouverts[1], "xl/worksheets/sheet1.xml").contains("<v>0.015</v>"));
    EXPECT_TRUE(c.echecs.isEmpty());
}

TEST(ClasseurXlsx, AnUnwritableFolderIsToldAndNothingOpened) {
    Classeurs c;
    c.f.excel.dossier = QDir(c.dossier.path()).filePath("absent");
    DialogueEnregistre d;
    EXPECT_EQ(c.transferer(d), Issue::Ecrit);
    EXPECT_TRUE(c.ouverts.isEmpty());
    ASSERT_EQ(c.echecs.size(), 1);
    EXPECT_TRUE(c.echecs[0].startsWith("Le classeur n'a pas pu être enregistré"));
}
