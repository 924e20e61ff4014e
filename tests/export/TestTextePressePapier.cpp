#include "export/Releve.h"
#include "export/TextePressePapier.h"

#include <gtest/gtest.h>

using textePressePapier::texte;

namespace {

// A table of N images, n points per image, rows given as {t, x1, y1, ...}.
Releve releve(int n, std::vector<QStringList> lignes) {
    Releve r;
    r.n = n;
    r.N = int(lignes.size());
    r.entetes << "t";
    if (n == 1)
        r.entetes << "x"
                  << "y";
    else
        for (int k = 1; k <= n; ++k)
            r.entetes << QStringLiteral("x%1").arg(k) << QStringLiteral("y%1").arg(k);
    QStringList entete = r.entetes;
    r.lignes.push_back(entete);
    for (auto& l : lignes)
        r.lignes.push_back(l);
    return r;
}

} // namespace

TEST(TextePressePapier, OnePointWithSemicolonsKeepsTheSignsPlace) {
    const Releve r =
        releve(1, {{"0.00", " 1.20E-1", "-3.40E-2"}, {"0.04", "-1.25E+0", " 0.00E+0"}});
    EXPECT_EQ(texte(r, "Pointages Kinopix", ";"), "Pointages Kinopix\r\nt;x;y\r\ns;m;m\r\n"
                                                  "0.00; 1.20E-1;-3.40E-2\r\n"
                                                  "0.04;-1.25E+0; 0.00E+0");
}

TEST(TextePressePapier, SpaceSeparatorGivesTwoSpacesBeforeAPositiveValue) {
    const Releve r = releve(1, {{"1.5", " 2.00E+0", "-1.00E+0"}});
    EXPECT_EQ(texte(r, "T", " "), "T\r\nt x y\r\ns m m\r\n1.5  2.00E+0 -1.00E+0");
}

TEST(TextePressePapier, RowsWithAnEmptyCellAreLeftOutWholly) {
    // Rows before the time origin have no t; a row with one point missing is dropped even
    // when its first point is there; with no complete row only the three first lines remain.
    const Releve r = releve(2, {{"", " 1.00E+0", " 1.00E+0", " 2.00E+0", " 2.00E+0"},
                                {"0", " 1.00E+0", " 1.00E+0", "", ""},
                                {"0,1", " 3,00E+0", "-3,00E+0", " 4,00E+0", " 4,00E+0"},
                                {"0,2", "", "", " 5,00E+0", " 5,00E+0"}});
    EXPECT_EQ(texte(r, "Titre", "\t"), "Titre\r\nt\tx1\ty1\tx2\ty2\r\ns\tm\tm\tm\tm\r\n"
                                       "0,1\t 3,00E+0\t-3,00E+0\t 4,00E+0\t 4,00E+0");
    const Releve vide = releve(2, {{"", "", "", "", ""}, {"0", "", "", "", ""}});
    EXPECT_EQ(texte(vide, "Titre", ","), "Titre\r\nt,x1,y1,x2,y2\r\ns,m,m,m,m");
}

TEST(TextePressePapier, TitleIsWrittenAsTypedAndSpacesInsideCellsGo) {
    EXPECT_EQ(textePressePapier::oterEspaces(" 1 2 3 "), "123");
    const Releve r = releve(1, {{" 0.0", "  1.00E+0", " - 2.00E+0"}});
    EXPECT_EQ(texte(r, "a;b c\t", ";"), "a;b c\t\r\nt;x;y\r\ns;m;m\r\n0.0; 1.00E+0;-2.00E+0");
    EXPECT_EQ(textePressePapier::separateur(0), "\t");
    EXPECT_EQ(textePressePapier::separateur(1), ";");
    EXPECT_EQ(textePressePapier::separateur(2), ",");
    EXPECT_EQ(textePressePapier::separateur(3), " ");
}
