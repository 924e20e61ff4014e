#include "platform/ExcelXlsx.h"

#include <QDir>
#include <QFile>
#include <map>
#include <utility>
#include <xlsxwriter.h>

using automation::Arguments;
using automation::Erreur;
using automation::Objet;
using automation::PtrObjet;
using automation::Valeur;

namespace excelXlsx {

namespace {

constexpr int kLignesMax = 1048576;
constexpr int kColonnesMax = 16384;

bool est(const QString& nom, const char* attendu) {
    return nom.compare(QLatin1String(attendu), Qt::CaseInsensitive) == 0;
}

[[noreturn]] void inconnu(const char* objet, const QString& nom) {
    throw Erreur(QStringLiteral("%1 : membre inconnu « %2 »").arg(QLatin1String(objet), nom));
}

int indice(const Arguments& a, size_t i, int max) {
    if (a.size() <= i) throw Erreur(QStringLiteral("argument manquant"));
    const int v = a[i].entier();
    if (v < 1 || v > max) throw Erreur(QStringLiteral("indice hors limites : %1").arg(v));
    return v;
}

// The one sheet of the workbook: values by (row, column), 1-based, and column formats.
struct Feuille {
    std::map<std::pair<int, int>, Valeur> cellules;
    std::map<int, QString> formatsColonnes;
};

struct Modele {
    bool classeur = false; // a workbook was added
    bool visible = false;
    Feuille feuille;
};

class CelluleXlsx : public Objet {
public:
    CelluleXlsx(std::shared_ptr<Modele> m, int l, int c)
        : m_(std::move(m))
        , l_(l)
        , c_(c) {}
    Valeur appeler(const QString& nom, const Arguments&) override {
        if (!est(nom, "Value")) inconnu("Range", nom);
        auto it = m_->feuille.cellules.find({l_, c_});
        return it == m_->feuille.cellules.end() ? Valeur() : it->second;
    }
    void affecter(const QString& nom, const Valeur& v) override {
        if (!est(nom, "Value")) inconnu("Range", nom);
        if (v.genre() == Valeur::Genre::Objet || v.genre() == Valeur::Genre::TableauVide)
            throw Erreur(QStringLiteral("valeur de cellule refusée"));
        if (v.estVide())
            m_->feuille.cellules.erase({l_, c_});
        else
            m_->feuille.cellules[{l_, c_}] = v;
    }

private:
    std::shared_ptr<Modele> m_;
    int l_, c_;
};

class ColonneXlsx : public Objet {
public:
    ColonneXlsx(std::shared_ptr<Modele> m, int c)
        : m_(std::move(m))
        , c_(c) {}
    Valeur appeler(const QString& nom, const Arguments&) override {
        if (!est(nom, "NumberFormat")) inconnu("Range", nom);
        return m_->feuille.formatsColonnes[c_];
    }
    void affecter(const QString& nom, const Valeur& v) override {
        if (!est(nom, "NumberFormat")) inconnu("Range", nom);
        m_->feuille.formatsColonnes[c_] = v.texte();
    }

private:
    std::shared_ptr<Modele> m_;
    int c_;
};

// sheet.Cells / sheet.cells: Item(row, column) and ClearContents.
class CellulesXlsx : public Objet {
public:
    explicit CellulesXlsx(std::shared_ptr<Modele> m)
        : m_(std::move(m)) {}
    Valeur appeler(const QString& nom, const Arguments& a) override {
        if (est(nom, "Item"))
            return PtrObjet(std::make_shared<CelluleXlsx>(m_, indice(a, 0, kLignesMax),
                                                          indice(a, 1, kColonnesMax)));
        if (est(nom, "ClearContents")) {
            m_->feuille.cellules.clear(); // formats stay, as in Excel
            return {};
        }
        inconnu("Range", nom);
    }
    void affecter(const QString& nom, const Valeur&) override { inconnu("Range", nom); }

private:
    std::shared_ptr<Modele> m_;
};

class FeuilleXlsx : public Objet {
public:
    explicit FeuilleXlsx(std::shared_ptr<Modele> m)
        : m_(std::move(m)) {}
    Valeur appeler(const QString& nom, const Arguments& a) override {
        if (est(nom, "Cells")) return PtrObjet(std::make_shared<CellulesXlsx>(m_));
        if (est(nom, "Columns"))
            return PtrObjet(std::make_shared<ColonneXlsx>(m_, indice(a, 0, kColonnesMax)));
        inconnu("Worksheet", nom);
    }
    void affecter(const QString& nom, const Valeur&) override { inconnu("Worksheet", nom); }

private:
    std::shared_ptr<Modele> m_;
};

class ClasseurXlsx : public Objet {
public:
    explicit ClasseurXlsx(std::shared_ptr<Modele> m)
        : m_(std::move(m)) {}
    Valeur appeler(const QString& nom, const Arguments&) override {
        if (est(nom, "ActiveSheet")) return PtrObjet(std::make_shared<FeuilleXlsx>(m_));
        inconnu("Workbook", nom);
    }
    void affecter(const QString& nom, const Valeur&) override { inconnu("Workbook", nom); }

private:
    std::shared_ptr<Modele> m_;
};

class ClasseursXlsx : public Objet {
public:
    explicit ClasseursXlsx(std::shared_ptr<Modele> m)
        : m_(std::move(m)) {}
    Valeur appeler(const QString& nom, const Arguments&) override {
        if (est(nom, "Count")) return m_->classeur ? 1 : 0;
        if (est(nom, "Add")) {
            // One workbook per application: a second Add starts it afresh.
            m_->classeur = true;
            m_->feuille = Feuille{};
            return PtrObjet(std::make_shared<ClasseurXlsx>(m_));
        }
        inconnu("Workbooks", nom);
    }
    void affecter(const QString& nom, const Valeur&) override { inconnu("Workbooks", nom); }

private:
    std::shared_ptr<Modele> m_;
};

bool ecrireClasseur(const Feuille& f, const QString& chemin) {
    const QByteArray nom = QFile::encodeName(chemin);
    lxw_workbook* classeur = workbook_new(nom.constData());
    if (classeur == nullptr) return false;
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, "Feuil1");
    std::map<int, lxw_format*> formats;
    for (const auto& [c, motif] : f.formatsColonnes) {
        lxw_format* format = workbook_add_format(classeur);
        format_set_num_format(format, motif.toUtf8().constData());
        formats[c] = format;
        worksheet_set_column(feuille, static_cast<lxw_col_t>(c - 1), static_cast<lxw_col_t>(c - 1),
                             LXW_DEF_COL_WIDTH, format);
    }
    for (const auto& [position, v] : f.cellules) {
        const auto [l, c] = position;
        // A value typed into a formatted column takes the column's format.
        auto it = formats.find(c);
        lxw_format* format = it == formats.end() ? nullptr : it->second;
        const auto ligne = static_cast<lxw_row_t>(l - 1);
        const auto colonne = static_cast<lxw_col_t>(c - 1);
        if (v.genre() == Valeur::Genre::Texte)
            worksheet_write_string(feuille, ligne, colonne, v.texte().toUtf8().constData(), format);
        else
            worksheet_write_number(feuille, ligne, colonne, v.reel(), format);
    }
    return workbook_close(classeur) == LXW_NO_ERROR;
}

class ApplicationXlsx : public Objet {
public:
    explicit ApplicationXlsx(Options o)
        : o_(std::move(o)) {}
    ~ApplicationXlsx() override {
        if (!m_->visible || !m_->classeur) return;
        const QString chemin = reserverNom(o_.dossier);
        if (!chemin.isEmpty() && ecrireClasseur(m_->feuille, chemin)) {
            if (o_.ouvrir) o_.ouvrir(chemin);
            return;
        }
        if (!chemin.isEmpty()) QFile::remove(chemin);
        if (o_.echec)
            o_.echec(QStringLiteral("Le classeur n'a pas pu être enregistré dans\r%1")
                         .arg(QDir::toNativeSeparators(o_.dossier)));
    }
    Valeur appeler(const QString& nom, const Arguments&) override {
        if (est(nom, "Workbooks")) return PtrObjet(std::make_shared<ClasseursXlsx>(m_));
        if (est(nom, "ActiveWorkbook")) {
            if (!m_->classeur) throw Erreur(QStringLiteral("aucun classeur ouvert"));
            return PtrObjet(std::make_shared<ClasseurXlsx>(m_));
        }
        if (est(nom, "Visible")) return m_->visible;
        inconnu("Application", nom);
    }
    void affecter(const QString& nom, const Valeur& v) override {
        if (!est(nom, "Visible")) inconnu("Application", nom);
        m_->visible = v.booleen();
    }

private:
    Options o_;
    std::shared_ptr<Modele> m_ = std::make_shared<Modele>();
};

} // namespace

PtrObjet creerApplication(const Options& options) {
    return std::make_shared<ApplicationXlsx>(options);
}

QString reserverNom(const QString& dossier) {
    const QDir d(dossier);
    if (dossier.isEmpty() || !d.exists()) return {};
    for (int i = 1; i < 10000; ++i) {
        const QString nom =
            i == 1 ? QStringLiteral("mesures.xlsx") : QStringLiteral("mesures (%1).xlsx").arg(i);
        QFile f(d.filePath(nom));
        if (f.exists()) continue;
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return f.fileName();
        if (!f.exists()) return {}; // the folder refuses new files
    }
    return {};
}

} // namespace excelXlsx
