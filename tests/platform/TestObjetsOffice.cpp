// Office objects reached by name: a name one object answered to is not taken for granted on an
// object of another kind, and failures keep their own messages.

#include "aides/OfficeEssai.h"

#include <gtest/gtest.h>

using automation::Erreur;
using automation::PtrObjet;
using automation::Valeur;

class ObjetsOffice : public ::testing::Test {
protected:
    static inline OfficeEssai* office = nullptr;

    static void SetUpTestSuite() { office = new OfficeEssai; }
    static void TearDownTestSuite() {
        delete office;
        office = nullptr;
    }
    void SetUp() override {
        if (!OfficeEssai::present()) GTEST_SKIP() << "LibreOffice absent";
        ASSERT_TRUE(office->bureau) << office->erreur.toStdString();
        office->fermerDocuments();
        bureau = office->bureau;
        bureau->objet("loadComponentFromURL",
                      {"private:factory/scalc", "_blank", 0, Valeur::tableauVide()});
        feuille = office->feuilleActive();
    }

    static QString echec(const std::function<void()>& f) {
        try {
            f();
        } catch (const Erreur& e) {
            return QString::fromStdString(e.what());
        }
        return QStringLiteral("aucun échec");
    }

    PtrObjet bureau, feuille;
};

TEST_F(ObjetsOffice, ANameKnownOnOneKindOfObjectIsAskedAgainOfAnother) {
    // A property and a method of the desktop's frames...
    ASSERT_EQ(bureau->objet("Frames")->appeler("GetCount").entier(), 1);
    // ...are no members of a sheet,
    EXPECT_EQ(echec([&] { feuille->appeler("Frames"); }), "membre inconnu « Frames »");
    EXPECT_EQ(echec([&] { feuille->appeler("GetCount"); }), "membre inconnu « GetCount »");
    // and still answer where they belong.
    EXPECT_EQ(bureau->objet("Frames")->appeler("GetCount").entier(), 1);

    PtrObjet cellule = feuille->objet("GetCellByPosition", {1, 2});
    cellule->affecter("NumberFormat", 61);
    EXPECT_EQ(echec([&] { bureau->affecter("NumberFormat", 2); }),
              "propriété inconnue « NumberFormat »");
    EXPECT_EQ(feuille->objet("GetCellByPosition", {1, 2})->appeler("NumberFormat").entier(), 61);
}

TEST_F(ObjetsOffice, AKnownMethodCalledWronglyFailsWithoutHarm) {
    feuille->objet("GetCellByPosition", {0, 0})->appeler("SetValue", {1.5});
    EXPECT_NE(echec([&] { feuille->appeler("GetCellByPosition", {0}); }), "aucun échec");
    EXPECT_NE(echec([&] { feuille->appeler("GetCellByPosition", {-1, 0}); }), "aucun échec");
    EXPECT_NE(echec([&] { feuille->appeler("GetCellByPosition", {"A", 0}); }), "aucun échec");
    EXPECT_EQ(feuille->objet("GetCellByPosition", {0, 0})->appeler("GetValue").reel(), 1.5);
}

TEST_F(ObjetsOffice, ACallByAKnownNameConvertsItsArgumentsAndReachesOnlyItsOwnKind) {
    // The names are met once, with arguments of their own types...
    PtrObjet premiere = feuille->objet("GetCellByPosition", {0, 0});
    premiere->affecter("NumberFormat", 2);
    premiere->appeler("SetValue", {1.5});
    // ...then given a text where a real is expected, and a real where an integer is.
    PtrObjet seconde = feuille->objet("GetCellByPosition", {0, 1});
    seconde->appeler("SetValue", {"2.5"});
    seconde->affecter("NumberFormat", 61.0);
    PtrObjet relue = feuille->objet("GetCellByPosition", {0, 1});
    EXPECT_EQ(relue->appeler("GetValue").reel(), 2.5);
    EXPECT_EQ(relue->appeler("NumberFormat").entier(), 61);

    // An object without any property set, and one whose set lacks the name, still refuse it.
    EXPECT_EQ(echec([&] { bureau->objet("Frames")->affecter("NumberFormat", 2); }),
              "propriété inconnue « NumberFormat »");
    EXPECT_EQ(echec([&] { bureau->affecter("NumberFormat", 2); }),
              "propriété inconnue « NumberFormat »");
    // A value the cell cannot take fails and leaves its format as it was.
    EXPECT_NE(echec([&] { premiere->affecter("NumberFormat", "deux"); }), "aucun échec");
    EXPECT_EQ(feuille->objet("GetCellByPosition", {0, 0})->appeler("NumberFormat").entier(), 2);
}
