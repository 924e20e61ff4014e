// The OpenOffice.Calc transfer against recording automation objects: the exact order of the
// calls, the questions, and every way it can stop.

#include "export/TransfertFactice.h"

#include <gtest/gtest.h>

using automation::PtrObjet;
using automation::Valeur;
using tableur::Issue;

namespace {

Valeur obj(const std::shared_ptr<factice::Objet>& o) {
    return Valeur(PtrObjet(o));
}

// An office whose desktop holds `fenetres` windows, the active one a spreadsheet or not.
struct Office {
    std::shared_ptr<factice::Journal> j = std::make_shared<factice::Journal>();
    factice::Fabrique fabrique{j};
    std::shared_ptr<factice::Objet> gestionnaire = factice::objet(j, "gestionnaire"),
                                    bureau = factice::objet(j, "bureau"),
                                    fenetres = factice::objet(j, "fenetres"),
                                    cadre = factice::objet(j, "cadre"),
                                    controleur = factice::objet(j, "controleur"),
                                    document = factice::objet(j, "document"),
                                    nouveau = factice::objet(j, "nouveau"),
                                    vue = factice::objet(j, "vue"),
                                    feuille = factice::objet(j, "feuille"),
                                    plage = factice::objet(j, "plage"),
                                    cellule = factice::objet(j, "cellule"),
                                    curseur = factice::objet(j, "curseur");
    int nbFenetres = 0;
    bool classeur = true;
    DialogueEnregistre d;

    Office() {
        fabrique.nouveaux["com.sun.star.ServiceManager"] = [this] { return gestionnaire; };
        gestionnaire->repondre("CreateInstance", obj(bureau));
        bureau->repondre("Frames", obj(fenetres));
        fenetres->repondre("GetCount", [this](const auto&) { return Valeur(nbFenetres); });
        bureau->repondre("ActiveFrame", obj(cadre));
        cadre->repondre("Controller", obj(controleur));
        controleur->repondre("Model", obj(document));
        document->repondre("SupportsService", [this](const auto&) { return Valeur(classeur); });
        bureau->repondre("LoadComponentFromURL", obj(nouveau));
        document->repondre("CurrentController", obj(vue));
        nouveau->repondre("CurrentController", obj(vue));
        vue->repondre("getActiveSheet", obj(feuille));
        feuille->repondre("getCellRangeByName", obj(plage));
        feuille->repondre("GetCellByPosition", obj(cellule));
        cellule->repondre("CreateTextCursor", obj(curseur));
    }

    Issue transferer(const Releve& r = releveExemple()) {
        return tableur::transfererTableur(r, QStringLiteral("OpenOffice.Calc"), fabrique,
                                          d.dialogue());
    }
};

const QStringList kDebut = {"creer(com.sun.star.ServiceManager)",
                            "gestionnaire.CreateInstance(\"com.sun.star.frame.Desktop\")",
                            "bureau.Frames()", "fenetres.GetCount()"};
const QStringList kNouveauClasseur = {
    "bureau.LoadComponentFromURL(\"private:factory/scalc\", \"_blank\", 0, [])",
    "nouveau.CurrentController()"};
const QStringList kEcriture = {"vue.getActiveSheet()",
                               "feuille.getCellRangeByName(\"A1:IV32000\")",
                               "plage.ClearContents(511)",
                               "feuille.GetCellByPosition(0, 0)",
                               "cellule.CreateTextCursor()",
                               "cellule.InsertString(objet, \"t(s)\", false)",
                               "feuille.GetCellByPosition(1, 0)",
                               "cellule.CreateTextCursor()",
                               "cellule.InsertString(objet, \"x(m)\", false)",
                               "feuille.GetCellByPosition(2, 0)",
                               "cellule.CreateTextCursor()",
                               "cellule.InsertString(objet, \"y(m)\", false)",
                               "feuille.GetCellByPosition(0, 1)",
                               "cellule.NumberFormat := 2",
                               "cellule.SetValue(0)",
                               "feuille.GetCellByPosition(1, 1)",
                               "cellule.NumberFormat := 61",
                               "cellule.SetValue(0.015)",
                               "feuille.GetCellByPosition(2, 1)",
                               "cellule.NumberFormat := 61",
                               "cellule.SetValue(-0.25)",
                               "feuille.GetCellByPosition(0, 2)",
                               "cellule.NumberFormat := 2",
                               "cellule.SetValue(0.08)",
                               "feuille.GetCellByPosition(1, 2)",
                               "cellule.NumberFormat := 61",
                               "cellule.SetValue(0.03)",
                               "feuille.GetCellByPosition(2, 2)",
                               "cellule.NumberFormat := 61",
                               "cellule.SetValue(0.04)"};

const QString kConfirmation = "Vous avez demandé le transfert des\rdonnées vers le tableur "
                              "OpenOffice.Calc :\r\rconfirmez-vous cette demande ?";
const QString kAbsent = "OpenOffice.Calc n'a pas été trouvé";

} // namespace

TEST(TransfertCalc, WithoutWindowANewSpreadsheetReceivesTheCompleteRowsPacked) {
    for (QChar sep : {QChar('.'), QChar(',')}) {
        Office o;
        EXPECT_EQ(o.transferer(releveExemple(sep)), Issue::Ecrit);
        EXPECT_EQ(o.j->entrees, kDebut + kNouveauClasseur + kEcriture);
        EXPECT_EQ(o.d.questions, QStringList{kConfirmation});
        EXPECT_TRUE(o.d.informations.isEmpty());
        EXPECT_EQ(o.d.progression, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
    }
}

TEST(TransfertCalc, TheActiveSpreadsheetIsReusedAndATextDocumentReplacedAlone) {
    Office tableur;
    tableur.nbFenetres = 1;
    EXPECT_EQ(tableur.transferer(), Issue::Ecrit);
    const QStringList actif = {
        "bureau.ActiveFrame()", "cadre.Controller()", "controleur.Model()",
        "document.SupportsService(\"com.sun.star.sheet.SpreadsheetDocument\")"};
    EXPECT_EQ(tableur.j->entrees,
              kDebut + actif + QStringList{"document.CurrentController()"} + kEcriture);

    // One window holding a text document: a new spreadsheet without a question.
    Office texte;
    texte.nbFenetres = 1;
    texte.classeur = false;
    EXPECT_EQ(texte.transferer(), Issue::Ecrit);
    EXPECT_EQ(texte.j->entrees, kDebut + actif +
                                    QStringList({"bureau.Frames()", "fenetres.GetCount()"}) +
                                    kNouveauClasseur + kEcriture);
    EXPECT_EQ(texte.d.questions.size(), 1);
}

TEST(TransfertCalc, SeveralWindowsOnATextDocumentAskFirst) {
    const QString question = "Le document OpenOffice actif n'est pas un classeur "
                             ":\r\rsouhaitez-vous créer un classeur ?";
    Office oui;
    oui.nbFenetres = 2;
    oui.classeur = false;
    EXPECT_EQ(oui.transferer(), Issue::Ecrit);
    EXPECT_EQ(oui.d.questions, (QStringList{kConfirmation, question}));
    EXPECT_TRUE(oui.j->entrees.contains(kNouveauClasseur[0]));
    EXPECT_EQ(oui.j->entrees.mid(oui.j->entrees.size() - kEcriture.size()), kEcriture);

    Office non;
    non.nbFenetres = 2;
    non.classeur = false;
    non.d.reponses = {true, false};
    EXPECT_EQ(non.transferer(), Issue::Abandon);
    EXPECT_EQ(non.d.questions, (QStringList{kConfirmation, question}));
    EXPECT_TRUE(non.d.informations.isEmpty());
    EXPECT_EQ(non.j->entrees.last(), "fenetres.GetCount()"); // nothing loaded, nothing written
}

TEST(TransfertCalc, AnUnreachableDocumentIsReportedAndNothingWritten) {
    const QString inactif =
        "Le document OpenOffice ouvert n'est pas actif :\r\rActivez-le dans la barre des "
        "tâches\rpar un clic sur son icône\rpuis encore un clic sur celle de Kinopix.";
    for (const char* casse : {"bureau.ActiveFrame()", "cadre.Controller()", "controleur.Model()"}) {
        Office o;
        o.nbFenetres = 1;
        o.j->echouerSi = [casse](const QString& e) { return e == QLatin1String(casse); };
        EXPECT_EQ(o.transferer(), Issue::Echec) << casse;
        EXPECT_EQ(o.d.informations, QStringList{inactif}) << casse;
        EXPECT_EQ(o.j->entrees.last(), QLatin1String(casse));
    }
    // A window without an active frame (an empty result) is the same case.
    Office vide;
    vide.nbFenetres = 1;
    vide.bureau->repondre("ActiveFrame", Valeur());
    EXPECT_EQ(vide.transferer(), Issue::Echec);
    EXPECT_EQ(vide.d.informations, QStringList{inactif});
}

TEST(TransfertCalc, AnyOtherFailureSaysNotFoundAndKeepsWhatWasWritten) {
    // Every call of the sequence in turn.
    Office modele;
    modele.transferer();
    const QStringList tout = modele.j->entrees;
    for (int i = 0; i < tout.size(); ++i) {
        Office o;
        int n = 0;
        o.j->echouerSi = [&n, i](const QString&) { return n++ == i; };
        EXPECT_EQ(o.transferer(), Issue::Echec) << tout[i].toStdString();
        EXPECT_EQ(o.d.informations, QStringList{kAbsent}) << tout[i].toStdString();
        EXPECT_EQ(o.j->entrees, tout.mid(0, i + 1));
    }
    // A non-numeric answer where a count is expected.
    Office bizarre;
    bizarre.fenetres->repondre("GetCount", Valeur("deux"));
    EXPECT_EQ(bizarre.transferer(), Issue::Echec);
    EXPECT_EQ(bizarre.d.informations, QStringList{kAbsent});
}

TEST(TransfertCalc, NoToTheConfirmationDoesNothing) {
    Office o;
    o.d.reponses = {false};
    EXPECT_EQ(o.transferer(), Issue::Abandon);
    EXPECT_TRUE(o.j->entrees.isEmpty());
    EXPECT_TRUE(o.d.informations.isEmpty());
}

TEST(TransfertCalc, ATableWithoutCompleteRowSendsTheHeaderAlone) {
    Releve r = releveExemple();
    for (int i = 1; i <= r.N; ++i)
        r.lignes[size_t(i)][2] = QString();
    Office o;
    EXPECT_EQ(o.transferer(r), Issue::Ecrit);
    EXPECT_EQ(o.j->entrees, kDebut + kNouveauClasseur + kEcriture.mid(0, 12));
    EXPECT_EQ(o.d.progression, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST(TransfertTableur, OnlyTheTwoExactNamesChooseASpreadsheet) {
    const QString pasChoisi =
        "Tableur non précisé.\r\rChoisissez le menu\r  Fichiers/Tableur/Choisir le tableur";
    for (const char* choix : {"tableur ?", "", "MICROSOFT EXCEL", "openoffice.calc"}) {
        Office o;
        EXPECT_EQ(tableur::transfererTableur(releveExemple(), choix, o.fabrique, o.d.dialogue()),
                  Issue::Echec);
        EXPECT_EQ(o.d.erreurs, QStringList{pasChoisi}) << choix;
        EXPECT_TRUE(o.d.questions.isEmpty());
        EXPECT_TRUE(o.j->entrees.isEmpty());
    }
}

TEST(TransfertTableur, ExcelFormatsFollowTheSpinnersAndTheSeparator) {
    EXPECT_EQ(tableur::formatTableurT(3, '.'), "0.000");
    EXPECT_EQ(tableur::formatTableurT(3, ','), "0,000");
    EXPECT_EQ(tableur::formatTableurT(0, '.'), "0.");
    EXPECT_EQ(tableur::formatTableurT(0, ','), "0,");
    EXPECT_EQ(tableur::formatTableurT(6, '.'), "0.000000");
    EXPECT_EQ(tableur::formatTableurXY(2, '.'), " 0.00E+0");
    EXPECT_EQ(tableur::formatTableurXY(0, ','), " 0E+0");
    EXPECT_EQ(tableur::formatTableurXY(4, ','), " 0,0000E+0");
}
