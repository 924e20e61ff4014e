#include "export/TextePressePapier.h"

#include "export/Releve.h"
#include "measure/Nbreels.h"

#include <QStringList>

namespace textePressePapier {

QString oterEspaces(const QString& texte) {
    QString t = texte;
    t.remove(QLatin1Char(' '));
    return t;
}

QString separateur(int item) {
    switch (item) {
    case 1:
        return QStringLiteral(";");
    case 2:
        return QStringLiteral(",");
    case 3:
        return QStringLiteral(" ");
    default:
        return QStringLiteral("\t");
    }
}

QString separateurIndisponible(int item, QChar separateurDecimal) {
    if (separateur(item) == QLatin1String(",") && separateurDecimal == QLatin1Char(','))
        return QStringLiteral("La virgule sert déjà de séparateur décimal");
    return {};
}

namespace {

// A number cell keeps its sign's place: one space before a value that is not negative, so
// that columns line up in a fixed-width font as they do in the table.
QString celluleNombre(const QString& brute) {
    const QString t = oterEspaces(brute);
    long double v = 0;
    const bool negatif = lireReel(t, v) && estNegatif(v);
    return negatif ? t : QLatin1Char(' ') + t;
}

} // namespace

QString texte(const Releve& r, const QString& titre, const QString& sep) {
    const int colonnes = 2 * r.n + 1;
    QStringList lignes;
    lignes << titre;

    QString entete = QStringLiteral("t");
    QString unites = QStringLiteral("s");
    for (int c = 1; c < colonnes; ++c) {
        entete += sep + r.entetes.value(c);
        unites += sep + QStringLiteral("m");
    }
    lignes << entete << unites;

    for (int l = 1; l <= r.N; ++l) {
        QString ligne;
        bool complete = true;
        for (int c = 0; c < colonnes && complete; ++c) {
            const QString& cellule = r.cellule(c, l);
            if (cellule.isEmpty()) {
                complete = false; // rows before the time origin, or with a point missing
                break;
            }
            if (c == 0)
                ligne = oterEspaces(cellule);
            else
                ligne += sep + celluleNombre(cellule);
        }
        if (complete) lignes << ligne;
    }
    return lignes.join(QStringLiteral("\r\n"));
}

} // namespace textePressePapier
