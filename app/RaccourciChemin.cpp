#include "app/RaccourciChemin.h"

#include <QFontMetrics>
#include <QStringList>

QString raccourcirChemin(const QString& chemin, const QFontMetrics& mesure, int largeur) {
    auto tient = [&](const QString& t) { return mesure.horizontalAdvance(t) <= largeur; };
    if (chemin.isEmpty() || tient(chemin)) return chemin;

    const QChar sep = chemin.contains('\\') && !chemin.contains('/') ? QChar('\\') : QChar('/');
    QString racine;
    QString reste = chemin;
    if (reste.size() >= 2 && reste[1] == ':') { // drive letter
        racine = reste.left(2);
        reste = reste.mid(2);
    }
    if (reste.startsWith(sep)) {
        racine += sep;
        reste = reste.mid(1);
    }
    QStringList parties = reste.split(sep);
    const QString fichier = parties.takeLast();
    const QString points = QStringLiteral("...");

    // Drop folders from the left until the path fits.
    for (qsizetype n = 1; n <= parties.size(); ++n) {
        const QStringList gardes = parties.mid(n);
        QString t = racine + points + sep;
        if (!gardes.isEmpty()) t += gardes.join(sep) + sep;
        t += fichier;
        if (tient(t)) return t;
    }
    const QString sansRacine = points + sep + fichier;
    if (tient(sansRacine)) return sansRacine;
    return mesure.elidedText(fichier, Qt::ElideRight, largeur);
}
