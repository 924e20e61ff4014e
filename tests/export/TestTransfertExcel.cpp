// The Microsoft Excel transfer against recording automation objects: a running Excel with or
// without a workbook, a new one, the formats per column, and every failure.

#include "export/TransfertFactice.h"

#include <gtest/gtest.h>

using automation::PtrObjet;
using automation::Valeur;
using tableur::Issue;

namespace {

Valeur obj(const std::shared_ptr<factice::Objet>& o) {
    return Valeur(PtrObjet(o));
}

struct Excel {
    std::shared_ptr<factice::Journal> j = std::make_shared<factice::Journal>();
    factice::Fabrique fabrique{j};
    std::shared_ptr<factice::Objet> application = factice::objet(j, "application"),
                                    classeurs = factice::objet(j, "classeurs"),
                                    classeur = factice::objet(j, "classeur"),
                                    actif = factice::objet(j, "actif"),
                                    feuille = factice::objet(j, "feuille"),
                                    cellules = factice::objet(j, "cellules"),
                                    colonne = factice::objet(j, "colonne"),
                                    cellule = factice::objet(j, "cellule");
    int nbClasseurs = 0;
    DialogueEnregistre d;

    explicit Excel(bool enCours) {
        auto donner = [this] { return application; };
        fabrique.nouveaux["Excel.Application"] = donner;
        if (enCours) fabrique.actifs["Excel.Application"] = donner;
        application->repondre("Workbooks", obj(classeurs));
        classeurs->repondre("Count", [this](const auto&) { return Valeur(nbClasseurs); });
        classeurs->repondre("Add", obj(classeur));
        application->repondre("ActiveWorkBook", obj(actif));
        classeur->repondre("ActiveSheet", obj(feuille));
        actif->repondre("ActiveSheet", obj(feuille));
        feuille->repondre("cells", obj(cellules));
        feuille->repondre("columns", obj(colonne));
        cellules->repondre("Item", obj(cellule));
    }

    Issue transferer(const Releve& r = releveExemple()) {
        return tableur::transfererTableur(r, QStringLiteral("Microsoft Excel"), fabrique,
                                          d.dialogue());
    }
};

QStringList ecriture(const QString& sheet, const QString& formatT, const QString& formatXY) {
    QStringList l = {sheet + ".ActiveSheet()",
                     "feuille.cells()",
                     "cellules.ClearContents()",
                     "feuille.columns(1)",
                     "colonne.NumberFormat := \"" + formatT + "\"",
                     "feuille.columns(2)",
                     "colonne.NumberFormat := \"" + formatXY + "\"",
                     "feuille.columns(3)",
                     "colonne.NumberFormat := \"" + formatXY + "\""};
    auto ecrire = [&l](int r, int c, const QString& v) {
        l << "feuille.Cells()" << QStringLiteral("cellules.Item(%1, %2)").arg(r).arg(c)
          << "cellule.Value := " + v;
    };
    ecrire(1, 1, "\"t(s)\"");
    ecrire(1, 2, "\"x(m)\"");
    ecrire(1, 3, "\"y(m)\"");
    ecrire(2, 1, "0");
    ecrire(2, 2, "0.015");
    ecrire(2, 3, "-0.25");
    ecrire(3, 1, "0.08");
    ecrire(3, 2, "0.03");
    ecrire(3, 3, "0.04");
    return l;
}

const QString kAbsent = "Excel n'a pas été trouvé";
const QString kImpossible = "Transfert des données impossible\rvers la feuille Excel spécifiée";

} // namespace

TEST(TransfertExcel, ANewExcelGetsAWorkbookFormatsPerColumnThenTheCells) {
    Excel e(false);
    EXPECT_EQ(e.transferer(), Issue::Ecrit);
    const QStringList debut = {"actif(Excel.Application)", "creer(Excel.Application)",
                               "application.Workbooks()", "classeurs.Add()",
                               "application.Visible := true"};
    EXPECT_EQ(e.j->entrees, debut + ecriture("classeur", "0.000", " 0.00E+0"));
    EXPECT_EQ(e.d.questions, QStringList{"Vous avez demandé le transfert des\rdonnées vers le "
                                         "tableur Microsoft Excel :\r\rconfirmez-vous cette "
                                         "demande ?"});
    EXPECT_TRUE(e.d.informations.isEmpty());

    // Comma locale: the formats carry the comma, the values are the same numbers.
    Excel virgule(false);
    Releve r = releveExemple(',');
    r.positionFmtT = 0;
    r.positionFmtXY = 1;
    EXPECT_EQ(virgule.transferer(r), Issue::Ecrit);
    EXPECT_EQ(virgule.j->entrees, debut + ecriture("classeur", "0,", " 0,0E+0"));
}

TEST(TransfertExcel, ARunningExcelAddsAWorkbookOnlyWhenItHasNone) {
    Excel sans(true);
    EXPECT_EQ(sans.transferer(), Issue::Ecrit);
    EXPECT_EQ(
        sans.j->entrees.mid(0, 6),
        (QStringList{"actif(Excel.Application)", "application.Workbooks()", "classeurs.Count()",
                     "application.Workbooks()", "classeurs.Add()", "application.Visible := true"}));
    EXPECT_EQ(sans.j->entrees.mid(6), ecriture("classeur", "0.000", " 0.00E+0"));

    Excel avec(true);
    avec.nbClasseurs = 2;
    EXPECT_EQ(avec.transferer(), Issue::Ecrit);
    EXPECT_EQ(
        avec.j->entrees.mid(0, 5),
        (QStringList{"actif(Excel.Application)", "application.Workbooks()", "classeurs.Count()",
                     "application.ActiveWorkBook()", "application.Visible := true"}));
    EXPECT_EQ(avec.j->entrees.mid(5), ecriture("actif", "0.000", " 0.00E+0"));
}

TEST(TransfertExcel, AFailureOfTheRunningExcelFallsBackOnANewOne) {
    for (const char* casse :
         {"application.Workbooks()", "classeurs.Count()", "application.ActiveWorkBook()"}) {
        Excel e(true);
        e.nbClasseurs = 1;
        bool une = false;
        e.j->echouerSi = [&une, casse](const QString& x) {
            return x == QLatin1String(casse) && !std::exchange(une, true);
        };
        EXPECT_EQ(e.transferer(), Issue::Ecrit) << casse;
        const int i = static_cast<int>(e.j->entrees.indexOf(QLatin1String(casse)));
        EXPECT_EQ(e.j->entrees.mid(i + 1, 4),
                  (QStringList{"creer(Excel.Application)", "application.Workbooks()",
                               "classeurs.Add()", "application.Visible := true"}))
            << casse;
        EXPECT_TRUE(e.d.informations.isEmpty());
    }
}

TEST(TransfertExcel, EveryFailureHasItsMessageAndKeepsWhatWasWritten) {
    Excel modele(false);
    modele.transferer();
    const QStringList tout = modele.j->entrees;
    // The first entry (no running Excel) is the expected failure that leads to a new one.
    for (int i = 1; i < tout.size(); ++i) {
        Excel e(false);
        int n = 0;
        e.j->echouerSi = [&n, i](const QString& x) {
            return n++ == i || x == QLatin1String("actif(Excel.Application)");
        };
        EXPECT_EQ(e.transferer(), Issue::Echec) << tout[i].toStdString();
        // Until the sheet is reached, Excel is missing; afterwards, the writing failed.
        const bool avantFeuille = i <= tout.indexOf("classeur.ActiveSheet()");
        EXPECT_EQ(e.d.informations, QStringList{avantFeuille ? kAbsent : kImpossible})
            << tout[i].toStdString();
        EXPECT_EQ(e.j->entrees, tout.mid(0, i + 1));
    }
}

TEST(TransfertExcel, NoToTheConfirmationDoesNothing) {
    Excel e(true);
    e.d.reponses = {false};
    EXPECT_EQ(e.transferer(), Issue::Abandon);
    EXPECT_TRUE(e.j->entrees.isEmpty());
    EXPECT_TRUE(e.d.informations.isEmpty());
}
