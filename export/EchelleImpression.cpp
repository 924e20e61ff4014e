#include "export/EchelleImpression.h"

#include "measure/Nbreels.h"
#include "platform/Nombres.h"

#include <cmath>

namespace echelleImpression {

using nombres::arrondi;
using nombres::tronquer;

long double echelleProposee(long double largeurReelle, long double hauteurReelle,
                            long double largeurFeuilleCm, long double hauteurFeuilleCm) {
    if (!(largeurFeuilleCm > 0) || !(hauteurFeuilleCm > 0)) return 1;
    const long double g =
        std::max(largeurReelle / largeurFeuilleCm, hauteurReelle / hauteurFeuilleCm);
    if (!(g > 0) || !std::isfinite(g)) return 1; // no image or no calibration yet
    const long double l = std::log10(g);
    return std::pow(10.0L, static_cast<long double>(g < 1 ? tronquer(l) : tronquer(l + 1)));
}

int positionCurseur(long double a, long double reference) {
    if (a >= 10 * reference) return 0;
    if (a <= 0.1L * reference) return 200;
    return int(arrondi((std::log10(reference / a) + 1) * 100));
}

long double echelleCurseur(int position, long double reference) {
    return reference / std::pow(10.0L, position * 0.01L - 1);
}

Lecture lireNombre(const QString& texte) {
    const int n = int(texte.size());
    int i = 0;
    while (i < n && texte[i] == u' ')
        ++i;
    const int debut = i;
    auto chiffres = [&]() {
        const int d = i;
        while (i < n && texte[i] >= u'0' && texte[i] <= u'9')
            ++i;
        return i - d;
    };
    Lecture l;
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) ++i;
    int nb = chiffres();
    if (i < n && texte[i] == u'.') {
        ++i;
        nb += chiffres();
    }
    if (nb == 0) { // no digit before the exponent
        l.position = i + 1;
        return l;
    }
    if (i < n && (texte[i] == u'E' || texte[i] == u'e')) {
        ++i;
        if (i < n && (texte[i] == u'+' || texte[i] == u'-')) ++i;
        if (chiffres() == 0) {
            l.position = i + 1;
            return l;
        }
    }
    if (i < n) {
        l.position = i + 1;
        return l;
    }
    bool ok = false;
    l.valeur = texte.mid(debut).toDouble(&ok); // the C locale's reader: the syntax is checked
    if (!ok) l.position = n + 1;
    return l;
}

bool lireEchelle(const QString& texte, long double& valeur) {
    Lecture l = lireNombre(texte);
    if (l.position != 0 && l.position <= texte.size() && texte[l.position - 1] == u',') {
        QString t = texte;
        t[l.position - 1] = u'.';
        l = lireNombre(t);
    }
    if (l.position != 0 || l.valeur == 0) return false;
    valeur = l.valeur;
    return true;
}

QChar toucheEchelle(QChar c, QChar separateur) {
    if (c == u'\r' || c == u'\n') return {};
    if (c == u'e') c = u'E';
    if (c == u',' || c == u'.') c = separateur;
    const bool chiffre = c >= u'0' && c <= u'9';
    if (c == u'\b' || c == u'+' || c == u'-' || chiffre || c == u'E' || c == separateur) return c;
    return {};
}

namespace {
// The pattern "##.0": at least one decimal, no leading zero before the separator.
QString motifUneDecimale(long double x, QChar sep) {
    QString t = formatFixe(1, x, sep);
    if (t.startsWith(QStringLiteral("0")) && t.size() > 1 && t[1] == sep) t.remove(0, 1);
    if (t.startsWith(QStringLiteral("-0")) && t.size() > 2 && t[2] == sep) t.remove(1, 1);
    return t;
}
} // namespace

QString formatFeuille(long double largeurCm, long double hauteurCm, QChar sep) {
    return motifUneDecimale(largeurCm, sep) + QStringLiteral("x") +
           motifUneDecimale(hauteurCm, sep) + QStringLiteral("cm");
}

QSize apercuFeuille(int largeurPoints, int hauteurPoints) {
    if (largeurPoints <= 0 || hauteurPoints <= 0) return {90, 90};
    if (largeurPoints > hauteurPoints)
        return {90, int(arrondi(static_cast<long double>(hauteurPoints) * 90 / largeurPoints))};
    return {int(arrondi(static_cast<long double>(largeurPoints) * 90 / hauteurPoints)), 90};
}

ApercuDessin apercuDessin(QSize feuille, long double lD, long double hD, long double lF,
                          long double hF) {
    ApercuDessin a{QSize(0, 0), true};
    if (!(lD > 0) || !(hD > 0)) return a; // nothing to draw
    if (lD <= lF && hD <= hF) {
        a.taille = QSize(int(arrondi(feuille.width() * lD / lF)),
                         int(arrondi(feuille.height() * hD / hF)));
        return a;
    }
    a.tient = false;
    if (lD <= lF) { // only the height overflows
        const int h = feuille.height() + 10;
        a.taille = QSize(int(arrondi(h * lD / hD)), h);
    } else {
        const int w = feuille.width() + 10;
        a.taille = QSize(w, int(arrondi(w * hD / lD)));
    }
    return a;
}

} // namespace echelleImpression
