#include "SessionTableau.h"

#include "aides/ReponseModale.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Three points on six images, every cell filled.
struct SessionPleine : SessionTableau {
    SessionPleine()
        : SessionTableau(6) {
        points(3);
        for (int k = 1; k <= 3; ++k)
            remplir(k);
    }
    bool vide(int c, int r) const {
        EXPECT_EQ(g0.cellule(c, r).isEmpty(), g1.cellule(c, r).isEmpty()) << c << "," << r;
        return g1.cellule(c, r).isEmpty();
    }
    int vides() const {
        int n = 0;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r)
                n += vide(c, r);
        return n;
    }
    void cliquer(const char* bouton) const { f->findChild<QPushButton*>(bouton)->click(); }
    // The current point follows the current column.
    int pointCourant() const { return ud("udPointNumero")->value(); }
};

const QString kAvant = QStringLiteral("Vous avez demandé l'effacement\n");
const QString kApres = QStringLiteral(" :\n\nconfirmez-vous cette demande ?");

TEST(Effacement, ColonneDepuisUneColonneY) {
    SessionPleine s;
    s.t.setCelluleCourante(4, 3); // y of point 2
    reponse::Vu vu;
    reponse::bouton(QMessageBox::No, &vu);
    s.cliquer("Button0");
    EXPECT_EQ(vu.texte, kAvant + "d'une colonne" + kApres);
    EXPECT_EQ(s.vides(), 0);
    EXPECT_EQ(s.g1.selection(), plage(3, 1, 4, 6)); // shown, kept

    reponse::bouton(QMessageBox::Yes, &vu);
    s.cliquer("Button0");
    for (int r = 1; r <= 6; ++r)
        EXPECT_TRUE(s.vide(3, r) && s.vide(4, r));
    EXPECT_EQ(s.vides(), 12);
    EXPECT_FALSE(s.g1.cellule(0, 1).isEmpty());
    EXPECT_EQ(s.g1.colonne(), 3);
    EXPECT_EQ(s.g1.ligne(), 1);
    EXPECT_EQ(s.g0.colonne(), 3);
    EXPECT_EQ(s.g0.ligne(), 1);
}

TEST(Effacement, Ligne) {
    SessionPleine s;
    s.t.setCelluleCourante(5, 4);
    EXPECT_EQ(s.pointCourant(), 3);
    reponse::Vu vu;
    reponse::bouton(QMessageBox::No, &vu);
    s.cliquer("Button1");
    EXPECT_EQ(vu.texte, kAvant + "d'une ligne" + kApres);
    EXPECT_EQ(s.vides(), 0);
    reponse::bouton(QMessageBox::Yes, &vu);
    s.cliquer("Button1");
    for (int c = 1; c <= 6; ++c)
        EXPECT_TRUE(s.vide(c, 4));
    EXPECT_EQ(s.vides(), 6);
    EXPECT_FALSE(s.g1.cellule(0, 4).isEmpty());
    EXPECT_EQ(s.pointCourant(), 1);
    EXPECT_EQ(s.g1.colonne(), 1);
    EXPECT_EQ(s.g1.ligne(), 4);
}

TEST(Effacement, Tableau) {
    SessionPleine s;
    s.t.setCelluleCourante(5, 4);
    reponse::Vu vu;
    reponse::bouton(QMessageBox::No, &vu);
    s.cliquer("Button2");
    EXPECT_EQ(vu.texte, kAvant + "du tableau" + kApres);
    EXPECT_TRUE(s.t.tableauOccupe());
    reponse::bouton(QMessageBox::Yes, &vu);
    s.cliquer("Button2");
    EXPECT_EQ(s.vides(), 36);
    EXPECT_FALSE(s.t.tableauOccupe());
    EXPECT_EQ(s.pointCourant(), 1);
    EXPECT_EQ(s.g1.colonne(), 1);
    EXPECT_EQ(s.g1.ligne(), 1);
    EXPECT_EQ(s.g1.cellule(0, 6), QString("0") + QLocale().decimalPoint() + "200");
}

TEST(Effacement, TableauAvecDesPointsCaches) {
    SessionPleine s;
    s.points(2);
    reponse::bouton(QMessageBox::No);
    s.cliquer("Button2");
    s.points(3);
    EXPECT_EQ(s.vides(), 0); // No: point 3 comes back with the others
    s.points(2);
    reponse::bouton(QMessageBox::Yes);
    s.cliquer("Button2");
    s.points(3);
    EXPECT_EQ(s.vides(), 36);
}

TEST(Effacement, TableauSansQuestionUneSeuleFois) {
    SessionPleine s;
    s.f->vue.effacerSansConfirmer = true;
    s.t.Button2Click(); // no box: the test would hang on one
    EXPECT_EQ(s.vides(), 36);
    EXPECT_FALSE(s.f->vue.effacerSansConfirmer);
}

TEST(Effacement, PlageElargieAuxPointsEntiers) {
    SessionPleine s;
    s.t.setCelluleCourante(6, 5);
    s.g1.setSelection(plage(2, 2, 3, 4)); // y1 and x2
    reponse::Vu vu;
    reponse::bouton(QMessageBox::No, &vu);
    s.t.StringGrid1KeyUp(Qt::Key_Delete);
    EXPECT_EQ(vu.texte, kAvant + "d'une plage du tableau" + kApres);
    EXPECT_EQ(s.vides(), 0);
    EXPECT_EQ(s.g1.selection(), plage(1, 2, 4, 4));

    s.g1.setSelection(plage(2, 2, 3, 4));
    s.g1.setFocus();
    reponse::bouton(QMessageBox::Yes, &vu);
    QTest::keyClick(&s.g1, Qt::Key_Delete);
    EXPECT_TRUE(vu.ouvert);
    for (int c = 1; c <= 4; ++c)
        for (int r = 2; r <= 4; ++r)
            EXPECT_TRUE(s.vide(c, r));
    EXPECT_EQ(s.vides(), 12);
    EXPECT_FALSE(s.g1.cellule(0, 2).isEmpty());
    EXPECT_EQ(s.pointCourant(), 1);
    EXPECT_EQ(s.g1.colonne(), 1);
    EXPECT_EQ(s.g1.ligne(), 2);
    EXPECT_EQ(s.g0.colonne(), 1);
    EXPECT_EQ(s.g0.ligne(), 2);
    // Other keys erase nothing and ask nothing.
    s.t.StringGrid1KeyUp(Qt::Key_Backspace);
    EXPECT_EQ(s.vides(), 12);
}

} // namespace
