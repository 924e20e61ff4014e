#include "model/Cadence.h"

#include <cmath>

namespace cadence {

namespace {

// At most `decimales` decimals, trailing zeros and a bare separator dropped.
QString court(long double v, int decimales, QChar separateur) {
    QString t = QString::number(double(v), 'f', decimales);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    }
    return t.replace(QLatin1Char('.'), separateur);
}

} // namespace

std::optional<long double> retenue(long double fichier, std::optional<double> ecrite) {
    if (!ecrite || !(*ecrite > 0) || !(fichier > 0)) return std::nullopt;
    const long double rapport = (long double)*ecrite / fichier;
    if (rapport >= 1.5L || rapport <= 1 / 1.5L) return (long double)*ecrite;
    return std::nullopt;
}

QString texte(long double c, QChar separateur) {
    return court(c, 2, separateur);
}

std::optional<long double> lire(const QString& texte, QChar separateur) {
    QString t = texte.trimmed();
    t.replace(separateur, QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v <= 0 || v > 100000) return std::nullopt;
    return (long double)v;
}

QString ralenti(long double fichier, long double priseDeVue, QChar separateur) {
    if (!(fichier > 0) || !(priseDeVue > 0)) return QString();
    const long double rapport = priseDeVue > fichier ? priseDeVue / fichier : fichier / priseDeVue;
    const QString facteur = court(std::round(double(rapport) * 10) / 10, 1, separateur);
    if (facteur == QLatin1String("1")) return QString();
    return (priseDeVue > fichier ? QStringLiteral("ralenti × ") : QStringLiteral("accéléré × ")) +
           facteur;
}

int decimalesT(long double priseDeVue, int actuelles) {
    if (!(priseDeVue > 0)) return actuelles;
    const int utiles = int(std::ceil(double(std::log10(priseDeVue)))) + 1;
    return std::max(actuelles, std::min(utiles, 6));
}

} // namespace cadence
