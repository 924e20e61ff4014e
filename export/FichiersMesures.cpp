#include "export/FichiersMesures.h"

#include "export/Releve.h"
#include "platform/Cp1252.h"

#include <QStringList>
#include <algorithm>

namespace fichiersMesures {

namespace {

const QString& entete(const Releve& rel, int c) {
    static const QString vide;
    return c >= 0 && c < rel.entetes.size() ? rel.entetes[c] : vide;
}

// A section head of the Windows layout: the mark, the number of lines that follow, the name.
QString tete(const char* marque, int nombre, const char* nom) {
    return QString::fromUtf8(marque) + QString::number(nombre) + QLatin1Char(' ') +
           QLatin1String(nom);
}

void repeter(QStringList& lignes, int fois, const QString& ligne) {
    for (int i = 0; i < fois; ++i)
        lignes << ligne;
}

void lignesDonnees(QStringList& lignes, const Releve& rel) {
    for (int r = std::max(1, rel.t0); r <= rel.N; ++r)
        if (auto ligne = ligneDonnees(rel, r)) lignes << *ligne;
}

} // namespace

QString remplacerSeparateur(const QString& texte, QChar ancien, QChar nouveau) {
    const qsizetype i = texte.indexOf(ancien);
    if (i < 0) return texte;
    QString resultat = texte;
    resultat[i] = nouveau;
    return resultat;
}

std::optional<QString> ligneDonnees(const Releve& rel, int r) {
    if (!rel.ligneExportable(r)) return std::nullopt;
    QString ligne = remplacerSeparateur(rel.cellule(0, r), rel.separateur, QLatin1Char('.'));
    for (int c = 1; c <= 2 * rel.n; ++c) {
        const QString& cellule = rel.cellule(c, r);
        // A non-negative value already carries its leading space.
        if (cellule.startsWith(QLatin1Char('-'))) ligne += QLatin1Char(' ');
        ligne += remplacerSeparateur(cellule, rel.separateur, QLatin1Char('.'));
    }
    return ligne;
}

QByteArray regressiWindows(const Releve& rel) {
    const int V = 2 * rel.n + 1;
    QStringList l;
    l.reserve(80 + rel.N);
    l << QStringLiteral("EVARISTE REGRESSI WINDOWS 1.0");
    l << tete("£", V, "NOM VAR") << QStringLiteral("t");
    for (int c = 1; c < V; ++c)
        l << entete(rel, c);
    l << tete("£", V, "GENRE VAR");
    repeter(l, V, QStringLiteral("0"));
    l << tete("£", V, "UNITE VAR") << QStringLiteral("s");
    repeter(l, V - 1, QStringLiteral("m"));
    l << tete("£", V, "INCERTITUDE");
    repeter(l, V, QString());
    l << QStringLiteral("£1 TRIGO") << QStringLiteral("0") << QStringLiteral("£1 LOG")
      << QStringLiteral("0") << QStringLiteral("£1 MEMO GRANDEURS")
      << QStringLiteral("'Pointages Kinopix") << QStringLiteral("£2 ACQUISITION")
      << QStringLiteral("CLAVIER") << QString() << QStringLiteral("£0 GRAPHE VAR");
    l << QStringLiteral("&5 X") << entete(rel, 1);
    repeter(l, 4, QString());
    l << QStringLiteral("&5 Y") << entete(rel, 2);
    repeter(l, 4, QString());
    l << QStringLiteral("&5 MONDE");
    repeter(l, 5, QStringLiteral("1"));
    l << QStringLiteral("&3 GRADUATION");
    repeter(l, 3, QStringLiteral("0"));
    l << QStringLiteral("&3 ZERO");
    repeter(l, 3, QStringLiteral("1"));
    l << QStringLiteral("&7 OPTIONS");
    for (const char* o : {"12", "2", "1", "3", "3", "0", "0"})
        l << QLatin1String(o);
    l << QStringLiteral("£1 PAGE COMMENT") << QString();
    // Regressi reads the number of images of the clip here, not the number of lines below.
    l << tete("&", rel.N, "VALEUR VAR");
    lignesDonnees(l, rel);
    l << QStringLiteral("&2 OPTIONS") << QStringLiteral("1") << QStringLiteral("1");
    return cp1252::lignesCRLF(l);
}

QByteArray regressiDos(const Releve& rel) {
    const int V = 2 * rel.n + 1;
    QStringList l;
    l.reserve(60 + rel.N);
    l << QStringLiteral("EVARISTE REGRESSI 2.0") << QStringLiteral("Pointages Kinopix");
    QString noms = QStringLiteral(" t");
    for (int c = 1; c < V; ++c)
        noms += QLatin1Char(' ') + entete(rel, c);
    l << noms;
    repeter(l, V, QString());
    l << tete("û", V, "EXPR VARIABLE");
    repeter(l, V, QString());
    l << tete("û", V, "INCERT VARIABLE");
    repeter(l, V, QString());
    l << tete("û", V, "UNITE VARIABLE") << QStringLiteral("s");
    repeter(l, V - 1, QStringLiteral("m"));
    l << QStringLiteral("û17 CFG") << entete(rel, 1) << entete(rel, 2) << entete(rel, 0);
    repeter(l, 2, QString());
    repeter(l, 3, QStringLiteral("FALSE"));
    l << QStringLiteral("0") << QStringLiteral("1");
    repeter(l, 3, QStringLiteral("TRUE"));
    l << QStringLiteral("RAD") << QStringLiteral("FALSE") << QStringLiteral("FALSE")
      << QStringLiteral("TRUE");
    l << QStringLiteral("û1 INTERFACE") << QStringLiteral("Clavier") << QString(QChar(0x7F));
    lignesDonnees(l, rel);
    return cp1252::lignesCRLF(l);
}

QByteArray regressi(const Releve& rel, const QString& extension) {
    return extension == QLatin1String("rw3") ? regressiWindows(rel) : regressiDos(rel);
}

QByteArray texte(const Releve& rel, const QString& titre, const QString& separateur) {
    const int colonnes = 2 * rel.n + 1;
    QStringList l;
    l.reserve(3 + rel.N);
    l << titre;
    QString noms = QStringLiteral("t");
    QString unites = QStringLiteral("(s)");
    for (int c = 1; c < colonnes; ++c) {
        noms += separateur + entete(rel, c);
        unites += separateur + QStringLiteral("(m)");
    }
    l << noms << unites;
    for (int r = 1; r <= rel.N; ++r) {
        if (!rel.ligneExportable(r)) continue;
        QString ligne = rel.cellule(0, r);
        for (int c = 1; c < colonnes; ++c) {
            const QString& cellule = rel.cellule(c, r);
            ligne += separateur;
            ligne += cellule.startsWith(QLatin1Char(' ')) ? cellule.mid(1) : cellule;
        }
        l << ligne;
    }
    return cp1252::lignesCRLF(l);
}

} // namespace fichiersMesures
