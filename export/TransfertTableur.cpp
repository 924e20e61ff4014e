#include "export/TransfertTableur.h"

#include "export/Releve.h"
#include "measure/Nbreels.h"
#include "platform/Automation.h"

using automation::Erreur;
using automation::PtrObjet;
using automation::Valeur;

namespace tableur {

namespace {

const QString kPasChoisi = QStringLiteral(
    "Tableur non précisé.\r\rChoisissez le menu\r  Fichiers/Tableur/Choisir le tableur");
const QString kCalcAbsent = QStringLiteral("OpenOffice.Calc n'a pas été trouvé");
const QString kDocumentInactif =
    QStringLiteral("Le document OpenOffice ouvert n'est pas actif :\r\rActivez-le dans la barre "
                   "des tâches\rpar un clic sur son icône\rpuis encore un clic sur celle de "
                   "Kinopix.");
const QString kPasClasseur = QStringLiteral(
    "Le document OpenOffice actif n'est pas un classeur :\r\rsouhaitez-vous créer un classeur ?");
const QString kExcelAbsent = QStringLiteral("Excel n'a pas été trouvé");
const QString kExcelEcriture =
    QStringLiteral("Transfert des données impossible\rvers la feuille Excel spécifiée");

QString confirmation(const QString& nom) {
    return QStringLiteral("Vous avez demandé le transfert des\rdonnées vers le tableur %1 :\r\r"
                          "confirmez-vous cette demande ?")
        .arg(nom);
}

// The rows a spreadsheet receives, in order.
std::vector<int> lignesEnvoyees(const Releve& r) {
    std::vector<int> lignes;
    for (int i = 1; i <= r.N; ++i)
        if (r.ligneExportable(i)) lignes.push_back(i);
    return lignes;
}

double valeur(const Releve& r, int c, int i) {
    long double x = 0;
    if (!lireReel(r.cellule(c, i), x))
        throw Erreur(QStringLiteral("nombre illisible : %1").arg(r.cellule(c, i)));
    return static_cast<double>(x);
}

void progresser(const Dialogue& d, int envoyees, int total) {
    if (d.progression) d.progression(envoyees, total);
}

PtrObjet nouveauClasseur(automation::Objet& bureau) {
    return bureau.objet(QStringLiteral("LoadComponentFromURL"),
                        {"private:factory/scalc", "_blank", 0, Valeur::tableauVide()});
}

Issue versCalc(const Releve& r, automation::Fabrique& fabrique, const Dialogue& d) {
    if (!d.confirmer(confirmation(QString::fromLatin1(kCalc)))) return Issue::Abandon;
    const int C = 2 * r.n + 1;
    PtrObjet gestionnaire;
    try {
        gestionnaire = fabrique.creer(QStringLiteral("com.sun.star.ServiceManager"));
        PtrObjet bureau =
            gestionnaire->objet(QStringLiteral("CreateInstance"), {"com.sun.star.frame.Desktop"});
        auto fenetres = [&] {
            return bureau->objet(QStringLiteral("Frames"))->appeler(QStringLiteral("GetCount"));
        };
        PtrObjet document;
        if (fenetres().entier() > 0) {
            try {
                document = bureau->objet(QStringLiteral("ActiveFrame"))
                               ->objet(QStringLiteral("Controller"))
                               ->objet(QStringLiteral("Model"));
            } catch (const Erreur&) {
                gestionnaire.reset();
                d.informer(kDocumentInactif);
                return Issue::Echec;
            }
            const bool classeur = document
                                      ->appeler(QStringLiteral("SupportsService"),
                                                {"com.sun.star.sheet.SpreadsheetDocument"})
                                      .booleen();
            if (!classeur) {
                if (!fenetres().egal(1) && !d.confirmer(kPasClasseur)) return Issue::Abandon;
                document = nouveauClasseur(*bureau);
            }
        } else {
            document = nouveauClasseur(*bureau);
        }
        PtrObjet feuille = document->objet(QStringLiteral("CurrentController"))
                               ->objet(QStringLiteral("getActiveSheet"));
        feuille->objet(QStringLiteral("getCellRangeByName"), {"A1:IV32000"})
            ->appeler(QStringLiteral("ClearContents"), {511});

        for (int c = 0; c < C; ++c) {
            PtrObjet cellule = feuille->objet(QStringLiteral("GetCellByPosition"), {c, 0});
            PtrObjet curseur = cellule->objet(QStringLiteral("CreateTextCursor"));
            cellule->appeler(QStringLiteral("InsertString"), {curseur, r.cellule(c, 0), false});
        }
        const std::vector<int> lignes = lignesEnvoyees(r);
        const int total = static_cast<int>(lignes.size());
        progresser(d, 0, total);
        int k = 0;
        for (int i : lignes) {
            ++k;
            for (int c = 0; c < C; ++c) {
                PtrObjet cellule = feuille->objet(QStringLiteral("GetCellByPosition"), {c, k});
                cellule->affecter(QStringLiteral("NumberFormat"), c == 0 ? 2 : 61);
                cellule->appeler(QStringLiteral("SetValue"), {valeur(r, c, i)});
            }
            progresser(d, k, total);
        }
    } catch (const automation::ErreurDemarrage& e) {
        d.informer(QStringLiteral("LibreOffice n'a pas pu démarrer :\r") + e.raison());
        return Issue::Echec;
    } catch (const Erreur&) {
        gestionnaire.reset();
        d.informer(kCalcAbsent);
        return Issue::Echec;
    }
    return Issue::Ecrit;
}

Issue versExcel(const Releve& r, automation::Fabrique& fabrique, const Dialogue& d) {
    if (!d.confirmer(confirmation(QString::fromLatin1(kExcel)))) return Issue::Abandon;
    const int C = 2 * r.n + 1;
    PtrObjet application, classeur, feuille;
    try {
        try {
            application = fabrique.actif(QStringLiteral("Excel.Application"));
            if (!application->objet(QStringLiteral("Workbooks"))
                     ->appeler(QStringLiteral("Count"))
                     .egal(0))
                classeur = application->objet(QStringLiteral("ActiveWorkBook"));
            else
                classeur =
                    application->objet(QStringLiteral("Workbooks"))->objet(QStringLiteral("Add"));
        } catch (const Erreur&) {
            application = fabrique.creer(QStringLiteral("Excel.Application"));
            classeur =
                application->objet(QStringLiteral("Workbooks"))->objet(QStringLiteral("Add"));
        }
        application->affecter(QStringLiteral("Visible"), true);
        feuille = classeur->objet(QStringLiteral("ActiveSheet"));
    } catch (const Erreur&) {
        d.informer(kExcelAbsent);
        return Issue::Echec;
    }

    try {
        feuille->objet(QStringLiteral("cells"))->appeler(QStringLiteral("ClearContents"));
        feuille->objet(QStringLiteral("columns"), {1})
            ->affecter(QStringLiteral("NumberFormat"),
                       formatTableurT(r.positionFmtT, r.separateur));
        const QString formatXY = formatTableurXY(r.positionFmtXY, r.separateur);
        for (int j = 2; j <= C; ++j)
            feuille->objet(QStringLiteral("columns"), {j})
                ->affecter(QStringLiteral("NumberFormat"), formatXY);

        auto cellule = [&](int ligne, int colonne) {
            return feuille->objet(QStringLiteral("Cells"))
                ->objet(QStringLiteral("Item"), {ligne, colonne});
        };
        for (int c = 0; c < C; ++c)
            cellule(1, c + 1)->affecter(QStringLiteral("Value"), r.cellule(c, 0));
        const std::vector<int> lignes = lignesEnvoyees(r);
        const int total = static_cast<int>(lignes.size());
        progresser(d, 0, total);
        int k = 0;
        for (int i : lignes) {
            ++k;
            for (int c = 0; c < C; ++c)
                cellule(k + 1, c + 1)->affecter(QStringLiteral("Value"), valeur(r, c, i));
            progresser(d, k, total);
        }
    } catch (const Erreur&) {
        d.informer(kExcelEcriture);
        return Issue::Echec;
    }
    return Issue::Ecrit;
}

} // namespace

QString formatTableurT(int decimales, QChar separateur) {
    return QStringLiteral("0") + separateur + QString(decimales, QLatin1Char('0'));
}

QString formatTableurXY(int decimales, QChar separateur) {
    return formatReel(decimales, 0.0L, separateur);
}

Issue transfererTableur(const Releve& releve, const QString& choix, automation::Fabrique& fabrique,
                        const Dialogue& dialogue) {
    if (choix == QLatin1String(kCalc)) return versCalc(releve, fabrique, dialogue);
    if (choix == QLatin1String(kExcel)) return versExcel(releve, fabrique, dialogue);
    dialogue.erreur(kPasChoisi);
    return Issue::Echec;
}

} // namespace tableur
