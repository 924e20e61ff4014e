// The transfer into a real LibreOffice Calc, started without windows on a profile of its own;
// the cells are read back through the same automation objects.

#include "export/TransfertFactice.h"
#include "platform/FabriqueSysteme.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using automation::PtrObjet;
using automation::Valeur;
using tableur::Issue;

class TableurCalc : public ::testing::Test {
protected:
    static inline QTemporaryDir* profil = nullptr;
    static inline FabriqueSysteme* fabrique = nullptr;
    static inline PtrObjet bureau;

    static void SetUpTestSuite() {
        if (officeUno::programme().isEmpty()) return;
        profil = new QTemporaryDir;
        fabrique = new FabriqueSysteme;
        fabrique->office.invisible = true;
        fabrique->office.profil = profil->filePath("profil");
        fabrique->office.tube =
            QStringLiteral("kinopix_essai_%1").arg(QCoreApplication::applicationPid());
        try {
            bureau = fabrique->creer("com.sun.star.ServiceManager")
                         ->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
        } catch (const automation::Erreur& e) {
            ADD_FAILURE() << e.what();
        }
    }
    static void TearDownTestSuite() {
        if (bureau) {
            try {
                bureau->appeler("terminate");
            } catch (const automation::Erreur&) {
            }
        }
        bureau.reset();
        delete fabrique;
        delete profil;
    }
    void SetUp() override {
        if (officeUno::programme().isEmpty()) GTEST_SKIP() << "LibreOffice absent";
        ASSERT_TRUE(bureau);
        // Every test starts with no document open.
        PtrObjet e = bureau->objet("Components")->objet("createEnumeration");
        while (e->appeler("hasMoreElements").booleen())
            e->objet("nextElement")->appeler("close", {true});
    }

    Issue transferer(DialogueEnregistre& d, const Releve& r = releveExemple()) {
        return tableur::transfererTableur(r, "OpenOffice.Calc", *fabrique, d.dialogue());
    }
    static PtrObjet feuilleActive() {
        return bureau->objet("CurrentComponent")->objet("CurrentController")->objet("getActiveSheet");
    }
};

TEST_F(TableurCalc, EmptyOfficeGetsANewSpreadsheet) {
    DialogueEnregistre d;
    EXPECT_EQ(transferer(d), Issue::Ecrit);
    EXPECT_TRUE(d.informations.isEmpty()) << d.informations.join("|").toStdString();
    PtrObjet f = feuilleActive();
    auto cellule = [&](int c, int r) { return f->objet("getCellByPosition", {c, r}); };
    EXPECT_EQ(cellule(0, 0)->appeler("getString").texte(), "t(s)");
    EXPECT_EQ(cellule(1, 1)->appeler("getValue").reel(), 0.015);
    EXPECT_EQ(cellule(1, 1)->appeler("NumberFormat").entier(), 61);
    EXPECT_EQ(cellule(0, 2)->appeler("NumberFormat").entier(), 2);
}
