#include "calibration/SaisieDistance.h"

#include "calibration/Conversion.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <string>

namespace saisie {

Reparation reparerSeparateur(const QString& texte, QChar separateur) {
    const QChar etranger = separateur == QChar(',') ? QChar('.') : QChar(',');
    const qsizetype p = texte.indexOf(etranger);
    if (p < 0) return {texte, -1};
    QString repare = texte;
    repare[p] = separateur;
    return {repare, int(p + 1)};
}

namespace {
bool blanc(QChar c) {
    return c == QChar(' ') || c == QChar('\t');
}
bool chiffre(QChar c) {
    return c >= QChar('0') && c <= QChar('9');
}
} // namespace

std::optional<long double> lireReel(const QString& texte, QChar separateur) {
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && blanc(texte[debut]))
        ++debut;
    while (fin > debut && blanc(texte[fin - 1]))
        --fin;

    // The syntax is checked here, character by character, and the text rebuilt in the
    // form the standard reader takes (point separator, no "+", no blanks).
    std::string ascii;
    ascii.reserve(size_t(fin - debut));
    bool negatif = false;
    qsizetype i = debut;
    if (i < fin && (texte[i] == QChar('+') || texte[i] == QChar('-'))) {
        negatif = texte[i] == QChar('-');
        ++i;
    }
    int chiffresMantisse = 0;
    bool separateurVu = false;
    for (; i < fin; ++i) {
        const QChar c = texte[i];
        if (chiffre(c)) {
            ascii += char(c.unicode());
            ++chiffresMantisse;
        } else if (c == separateur && !separateurVu) {
            ascii += '.';
            separateurVu = true;
        } else {
            break;
        }
    }
    if (chiffresMantisse == 0) return std::nullopt;
    if (i < fin && (texte[i] == QChar('E') || texte[i] == QChar('e'))) {
        ascii += 'e';
        ++i;
        if (i < fin && (texte[i] == QChar('+') || texte[i] == QChar('-'))) {
            ascii += char(texte[i].unicode());
            ++i;
        }
        int chiffresExposant = 0;
        for (; i < fin && chiffre(texte[i]); ++i) {
            ascii += char(texte[i].unicode());
            ++chiffresExposant;
        }
        if (chiffresExposant == 0) return std::nullopt;
    }
    if (i != fin) return std::nullopt;

    long double v = 0;
    const auto [fin_lue, erreur] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (erreur != std::errc() || fin_lue != ascii.data() + ascii.size()) return std::nullopt;
    const long double a = std::fabs(v);
    if (!std::isfinite(v) || a > distanceMax || (a != 0 && a < distanceMin)) return std::nullopt;
    return negatif ? -v : v;
}

Evaluation evaluerDistance(const QString& texte, QChar separateur, QPoint p1, QPoint p2) {
    Evaluation ev;
    ev.reparation = reparerSeparateur(texte, separateur);
    const auto d = lireReel(ev.reparation.texte, separateur);
    if (!d) return ev;
    const auto e = conversion::echelleDepuisDistance(*d, p1, p2);
    if (!e) return ev;
    ev.accepte = true;
    ev.distance = *d;
    ev.echelle = *e;
    return ev;
}

QString texteAvertissement(QChar separateur) {
    const QString s(separateur);
    return QStringList{QStringLiteral("Entrez un nombre !"),
                       QString(),
                       QStringLiteral("caractères autorisés :"),
                       QStringLiteral("       0 1 2 3 4 5 6 7 8 9 . , E e"),
                       QString(),
                       QStringLiteral("formats possibles :"),
                       QStringLiteral("       - décimal ex : 0") + s + QStringLiteral("029"),
                       QStringLiteral("       - scientifique ex : 2") + s + QStringLiteral("9E-2")}
        .join(QChar('\r'));
}

QString texteIdentiques() {
    return QStringList{QStringLiteral("Les points 1 et 2 sont identiques !"), QString(),
                       QStringLiteral("Les sensibilités précédentes"),
                       QStringLiteral("vont être rétablies...")}
        .join(QChar('\r'));
}

} // namespace saisie
