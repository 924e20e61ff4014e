#include "export/FichiersMesures.h"
#include "export/Releve.h"

#include <gtest/gtest.h>

namespace {

// Expected file content written as UTF-8 lines: "\n" becomes CR LF, "<7F>" the byte 0x7F,
// and every character is one byte of Windows-1252 (Latin-1 for those used here).
QByteArray attendu(const char* texte) {
    QString t = QString::fromUtf8(texte);
    t.replace(QStringLiteral("<7F>"), QString(QChar(0x7F)));
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t.toLatin1();
}

// A table of N images and n points; rows given from image 1 on, each "t x1 y1 ..." as
// cells separated by '|' (empty cells allowed).
Releve releve(int n, int t0, QChar sep, const std::vector<QString>& lignes) {
    Releve rel;
    rel.n = n;
    rel.t0 = t0;
    rel.N = static_cast<int>(lignes.size());
    rel.separateur = sep;
    rel.entetes << QStringLiteral("t");
    for (int k = 1; k <= n; ++k) {
        const QString suffixe = n == 1 ? QString() : QString::number(k);
        rel.entetes << "x" + suffixe << "y" + suffixe;
    }
    QStringList entetesVisibles{QStringLiteral("t(s)")};
    rel.lignes.push_back(entetesVisibles);
    for (const QString& l : lignes)
        rel.lignes.push_back(l.split(QLatin1Char('|')));
    return rel;
}

const char kDebutWindows1[] = R"(EVARISTE REGRESSI WINDOWS 1.0
£3 NOM VAR
t
x
y
£3 GENRE VAR
0
0
0
£3 UNITE VAR
s
m
m
£3 INCERTITUDE



£1 TRIGO
0
£1 LOG
0
£1 MEMO GRANDEURS
'Pointages Kinopix
£2 ACQUISITION
CLAVIER

£0 GRAPHE VAR
&5 X
x




&5 Y
y




&5 MONDE
1
1
1
1
1
&3 GRADUATION
0
0
0
&3 ZERO
1
1
1
&7 OPTIONS
12
2
1
3
3
0
0
£1 PAGE COMMENT

)";

const char kDebutDos1[] = R"(EVARISTE REGRESSI 2.0
Pointages Kinopix
 t x y



û3 EXPR VARIABLE



û3 INCERT VARIABLE



û3 UNITE VARIABLE
s
m
m
û17 CFG
x
y
t


FALSE
FALSE
FALSE
0
1
TRUE
TRUE
TRUE
RAD
FALSE
FALSE
TRUE
û1 INTERFACE
Clavier
<7F>
)";

} // namespace

TEST(FichiersMesures, OnePointInTheThreeLayouts) {
    const Releve rel =
        releve(1, 1, '.',
               {"0.000| 1.00E-2|-2.00E-1", "0.040| 1.50E-2|-1.90E-1", "0.080| 0.00E+0| 3.25E+1"});
    EXPECT_EQ(fichiersMesures::regressiWindows(rel),
              attendu(kDebutWindows1) + attendu(R"(&3 VALEUR VAR
0.000 1.00E-2 -2.00E-1
0.040 1.50E-2 -1.90E-1
0.080 0.00E+0 3.25E+1
&2 OPTIONS
1
1
)"));
    EXPECT_EQ(fichiersMesures::regressiDos(rel),
              attendu(kDebutDos1) + attendu(R"(0.000 1.00E-2 -2.00E-1
0.040 1.50E-2 -1.90E-1
0.080 0.00E+0 3.25E+1
)"));
    EXPECT_EQ(fichiersMesures::regressi(rel, "rw3"), fichiersMesures::regressiWindows(rel));
    EXPECT_EQ(fichiersMesures::regressi(rel, "rrr"), fichiersMesures::regressiDos(rel));
    EXPECT_EQ(fichiersMesures::texte(rel, "Pointages Kinopix", "\t"), attendu(R"(Pointages Kinopix
t	x	y
(s)	(m)	(m)
0.000	1.00E-2	-2.00E-1
0.040	1.50E-2	-1.90E-1
0.080	0.00E+0	3.25E+1
)"));
}

// Two points, t = 0 at image 3, a point missing on image 4: rows 1 and 2 (no date) and 4
// are left out everywhere, and the Windows file still counts the five images of the clip.
TEST(FichiersMesures, TwoPointsTimeOriginAndMissingPoint) {
    const Releve rel =
        releve(2, 3, '.',
               {"| 1.00E+0| 1.00E+0| 2.00E+0| 2.00E+0", "| 1.10E+0| 1.00E+0| 2.10E+0| 2.00E+0",
                "0.000| 1.20E+0| 1.00E+0|-2.20E+0| 2.00E+0", "0.040| 1.30E+0| 1.00E+0|| 2.00E+0",
                "0.080| 1.40E+0|-1.00E+0| 2.40E+0|-2.00E+0"});
    EXPECT_EQ(fichiersMesures::regressiWindows(rel), attendu(R"(EVARISTE REGRESSI WINDOWS 1.0
£5 NOM VAR
t
x1
y1
x2
y2
£5 GENRE VAR
0
0
0
0
0
£5 UNITE VAR
s
m
m
m
m
£5 INCERTITUDE





£1 TRIGO
0
£1 LOG
0
£1 MEMO GRANDEURS
'Pointages Kinopix
£2 ACQUISITION
CLAVIER

£0 GRAPHE VAR
&5 X
x1




&5 Y
y1




&5 MONDE
1
1
1
1
1
&3 GRADUATION
0
0
0
&3 ZERO
1
1
1
&7 OPTIONS
12
2
1
3
3
0
0
£1 PAGE COMMENT

&5 VALEUR VAR
0.000 1.20E+0 1.00E+0 -2.20E+0 2.00E+0
0.080 1.40E+0 -1.00E+0 2.40E+0 -2.00E+0
&2 OPTIONS
1
1
)"));
    EXPECT_EQ(fichiersMesures::regressiDos(rel), attendu(R"(EVARISTE REGRESSI 2.0
Pointages Kinopix
 t x1 y1 x2 y2





û5 EXPR VARIABLE





û5 INCERT VARIABLE





û5 UNITE VARIABLE
s
m
m
m
m
û17 CFG
x1
y1
t


FALSE
FALSE
FALSE
0
1
TRUE
TRUE
TRUE
RAD
FALSE
FALSE
TRUE
û1 INTERFACE
Clavier
<7F>
0.000 1.20E+0 1.00E+0 -2.20E+0 2.00E+0
0.080 1.40E+0 -1.00E+0 2.40E+0 -2.00E+0
)"));
    EXPECT_EQ(fichiersMesures::texte(rel, "Chute libre", ";"), attendu(R"(Chute libre
t;x1;y1;x2;y2
(s);(m);(m);(m);(m)
0.000;1.20E+0;1.00E+0;-2.20E+0;2.00E+0
0.080;1.40E+0;-1.00E+0;2.40E+0;-2.00E+0
)"));
}

TEST(FichiersMesures, NoCompleteRowLeavesOnlyTheHeadings) {
    const Releve rel = releve(1, 1, '.', {"0.000||", "0.040| 1.00E+0|", "0.080|| 2.00E+0"});
    EXPECT_EQ(fichiersMesures::regressiWindows(rel),
              attendu(kDebutWindows1) + attendu("&3 VALEUR VAR\n&2 OPTIONS\n1\n1\n"));
    EXPECT_EQ(fichiersMesures::regressiDos(rel), attendu(kDebutDos1));
    EXPECT_TRUE(fichiersMesures::regressiDos(rel).endsWith("\r\n\x7F\r\n"));
    EXPECT_EQ(fichiersMesures::texte(rel, "", " "), attendu("\nt x y\n(s) (m) (m)\n"));

    // A clip without images (an empty snapshot) still gives well-formed files.
    const Releve vide = releve(1, 1, '.', {});
    EXPECT_TRUE(fichiersMesures::regressiWindows(vide).endsWith(
        attendu("&0 VALEUR VAR\n&2 OPTIONS\n1\n1\n")));
    EXPECT_EQ(fichiersMesures::regressiDos(vide), attendu(kDebutDos1));
}

// With a comma as the locale's separator the Regressi files carry points and the text file
// keeps the commas, even when the comma also separates the cells.
TEST(FichiersMesures, CommaLocaleSeparator) {
    const Releve rel = releve(1, 1, ',', {"0,000| 5,00E-1|-4,56E-1", "0,040| 1,23E-2|-1,00E+0"});
    EXPECT_EQ(fichiersMesures::ligneDonnees(rel, 1), QStringLiteral("0.000 5.00E-1 -4.56E-1"));
    EXPECT_TRUE(fichiersMesures::regressiWindows(rel).contains(
        attendu("&2 VALEUR VAR\n0.000 5.00E-1 -4.56E-1\n0.040 1.23E-2 -1.00E+0\n&2 OPTIONS\n")));
    EXPECT_TRUE(fichiersMesures::regressiDos(rel).endsWith(
        attendu("<7F>\n0.000 5.00E-1 -4.56E-1\n0.040 1.23E-2 -1.00E+0\n")));
    EXPECT_EQ(fichiersMesures::texte(rel, "Pointages Kinopix", ","), attendu(R"(Pointages Kinopix
t,x,y
(s),(m),(m)
0,000,5,00E-1,-4,56E-1
0,040,1,23E-2,-1,00E+0
)"));
    EXPECT_EQ(fichiersMesures::remplacerSeparateur("1,2,3", ',', '.'), "1.2,3");
    EXPECT_EQ(fichiersMesures::remplacerSeparateur("12", ',', '.'), "12");
    EXPECT_FALSE(fichiersMesures::ligneDonnees(rel, 0)); // the heading row is no data
    EXPECT_FALSE(fichiersMesures::ligneDonnees(rel, 3)); // past the table
}

TEST(FichiersMesures, NinePointsAndAccentedTitle) {
    QString ligne = QStringLiteral("0.000");
    for (int c = 1; c <= 18; ++c)
        ligne += QStringLiteral("| %1.00E-1").arg(c % 10);
    const Releve rel = releve(9, 1, '.', {ligne});

    const QByteArray windows = fichiersMesures::regressiWindows(rel);
    EXPECT_TRUE(windows.startsWith(attendu("EVARISTE REGRESSI WINDOWS 1.0\n£19 NOM VAR\nt\nx1\n")));
    EXPECT_TRUE(windows.contains(attendu("x9\ny9\n£19 GENRE VAR\n")));
    EXPECT_TRUE(windows.contains(attendu("&5 X\nx1\n\n\n\n\n&5 Y\ny1\n")));
    EXPECT_TRUE(windows.contains(attendu("£19 UNITE VAR\ns\nm\nm\nm\nm\nm\nm\nm\nm\nm\nm\nm\nm\n"
                                         "m\nm\nm\nm\nm\nm\n£19 INCERTITUDE\n")));
    const QString donnees = QStringLiteral(
        "0.000 1.00E-1 2.00E-1 3.00E-1 4.00E-1 5.00E-1 6.00E-1 7.00E-1 8.00E-1 9.00E-1 "
        "0.00E-1 1.00E-1 2.00E-1 3.00E-1 4.00E-1 5.00E-1 6.00E-1 7.00E-1 8.00E-1");
    EXPECT_TRUE(windows.endsWith(attendu("&1 VALEUR VAR\n") + donnees.toLatin1() +
                                 attendu("\n&2 OPTIONS\n1\n1\n")));
    EXPECT_TRUE(fichiersMesures::regressiDos(rel).contains(
        attendu("Pointages Kinopix\n t x1 y1 x2 y2 x3 y3 x4 y4 x5 y5 x6 y6 x7 y7 x8 y8 x9 y9\n"
                "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\nû19 EXPR VARIABLE\n")));

    const QByteArray texte = fichiersMesures::texte(rel, "Mesures du réfractomètre à 20 °C", "\t");
    EXPECT_TRUE(texte.startsWith(QByteArray("Mesures du r\xE9"
                                            "fractom\xE8tre \xE0 20 \xB0"
                                            "C\r\nt\tx1\ty1\tx2\ty2\t")));
    EXPECT_TRUE(texte.contains("\tx9\ty9\r\n(s)\t(m)\t(m)\t"));
    EXPECT_TRUE(texte.endsWith("\t7.00E-1\t8.00E-1\r\n"));
}
