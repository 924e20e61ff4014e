#include "measure/Nbreels.h"

#include "platform/Locale.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Rounding works on the decimal value of x, as a person reading its digits would: x is
// first written with 17 significant digits (far beyond what the table shows, and below
// the precision of an extended real), then those digits are rounded to what is shown,
// halves away from zero. So 0.0125, which no binary real holds exactly, shows as 1.3E-2
// with one decimal, whichever side of 0.0125 the computation landed.

namespace {

constexpr int kChiffres = 17;
constexpr uint64_t kPuissances[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL};
constexpr uint64_t kMin = kPuissances[kChiffres - 1]; // 10^16
constexpr uint64_t kMax = kPuissances[kChiffres];     // 10^17

// Powers of ten that an extended real holds exactly (5^27 < 2^64).
constexpr int kPuissanceExacteMax = 27;
const long double* puissancesReelles() {
    static long double p[kPuissanceExacteMax + 1];
    static const bool faites = [] {
        long double v = 1.0L;
        for (int i = 0; i <= kPuissanceExacteMax; ++i, v *= 10.0L)
            p[i] = v;
        return true;
    }();
    (void)faites;
    return p;
}

// The 17 significant digits of a (finite, > 0) as an integer in [10^16, 10^17), and the
// decimal exponent of the first digit: a ~ chiffres * 10^(exposant - 16).
void decomposer(long double a, uint64_t& chiffres, int& exposant) {
    const long double* p = puissancesReelles();
    // log10(2) slightly under, so that the estimate is the exponent or one below it.
    int e = static_cast<int>(std::floor((std::ilogb(a)) * 0.30102999566398L));
    for (int essai = 0; essai < 3; ++essai) {
        const int k = kChiffres - 1 - e;
        if (k > kPuissanceExacteMax || -k > kPuissanceExacteMax) break;
        const long double m = k >= 0 ? a * p[k] : a / p[-k];
        if (m >= static_cast<long double>(kMax)) {
            ++e;
            continue;
        }
        if (m < static_cast<long double>(kMin)) {
            --e;
            continue;
        }
        uint64_t n = static_cast<uint64_t>(m + 0.5L);
        if (n >= kMax) { // m rounded up to 10^17
            n = kMin;
            ++e;
        }
        chiffres = n;
        exposant = e;
        return;
    }
    // Very large or very small values: the C library's exact conversion.
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*Le", kChiffres - 1, a);
    uint64_t n = static_cast<uint64_t>(tampon[0] - '0');
    for (int i = 2; i < kChiffres + 1; ++i)
        n = n * 10 + static_cast<uint64_t>(tampon[i] - '0');
    chiffres = n;
    exposant = std::atoi(tampon + kChiffres + 2);
}

// Writes the decimal digits of v (no leading zeros, at least one digit).
char16_t* ecrireEntier(char16_t* o, uint64_t v) {
    char16_t inverse[24];
    int n = 0;
    do {
        inverse[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        *o++ = inverse[--n];
    return o;
}

// Writes exactly `largeur` digits of v, with leading zeros.
char16_t* ecrireChiffres(char16_t* o, uint64_t v, int largeur) {
    for (int i = largeur - 1; i >= 0; --i) {
        o[i] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    }
    return o + largeur;
}

QString texteNonFini(long double x) {
    if (std::isnan(x)) return QStringLiteral(" NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral(" INF");
}

} // namespace

bool estNegatif(long double x) {
    return x < 0;
}

QString formatReel(int decimales, long double x) {
    return formatReel(decimales, x, separateurDecimal());
}

QString formatReel(int decimales, long double x, QChar separateur) {
    if (!std::isfinite(x)) return texteNonFini(x);
    if (decimales < 0) decimales = 0;
    if (decimales > kChiffres - 1) decimales = kChiffres - 1;
    const int garde = decimales + 1; // significant digits shown

    uint64_t mantisse = 0; // `garde` digits
    int exposant = 0;
    const long double a = std::fabs(x);
    if (a != 0) {
        uint64_t chiffres;
        decomposer(a, chiffres, exposant);
        const uint64_t diviseur = kPuissances[kChiffres - garde];
        mantisse = chiffres / diviseur;
        if ((chiffres % diviseur) * 2 >= diviseur) ++mantisse;
        if (mantisse == kPuissances[garde]) { // 9.99… rounded up to 10
            mantisse = kPuissances[garde - 1];
            ++exposant;
        }
    }

    char16_t tampon[48];
    char16_t* o = tampon;
    *o++ = estNegatif(x) ? u'-' : u' ';
    const uint64_t tete = mantisse / kPuissances[decimales];
    *o++ = static_cast<char16_t>(u'0' + tete);
    if (decimales > 0) {
        *o++ = separateur.unicode();
        o = ecrireChiffres(o, mantisse % kPuissances[decimales], decimales);
    }
    *o++ = u'E';
    *o++ = exposant < 0 ? u'-' : u'+';
    o = ecrireEntier(o, static_cast<uint64_t>(exposant < 0 ? -exposant : exposant));
    return QString(reinterpret_cast<const QChar*>(tampon), o - tampon);
}

QString formatFixe(int decimales, long double x, QChar separateur) {
    if (!std::isfinite(x)) return texteNonFini(x).trimmed();
    if (decimales < 0) decimales = 0;
    if (decimales > kChiffres - 1) decimales = kChiffres - 1;
    const long double a = std::fabs(x);

    // Value rounded to `decimales` decimals, as an integer count of 10^-decimales:
    // entier + fraction. Values beyond 10^17 keep their 17 digits followed by zeros.
    uint64_t unites = 0; // when it fits
    bool grand = false;
    uint64_t chiffres = 0;
    int exposant = 0;
    if (a != 0) {
        decomposer(a, chiffres, exposant);
        const int gardes = exposant + 1 + decimales; // digits kept down to 10^-decimales
        if (gardes > kChiffres) {
            grand = true;
        } else if (gardes > 0) {
            const uint64_t diviseur = kPuissances[kChiffres - gardes];
            unites = chiffres / diviseur;
            if ((chiffres % diviseur) * 2 >= diviseur) ++unites;
        } else if (gardes == 0) {
            unites = chiffres * 2 >= kMax ? 1 : 0;
        }
    }

    char16_t tampon[64];
    char16_t* o = tampon;
    if (grand) {
        // Every one of the 17 digits is shown: no rounding, zeros fill the rest.
        if (estNegatif(x)) *o++ = u'-';
        if (exposant >= kChiffres - 1) { // longer than the buffer for huge values
            o = ecrireEntier(o, chiffres);
            QString t(reinterpret_cast<const QChar*>(tampon), o - tampon);
            t += QString(exposant + 1 - kChiffres, QLatin1Char('0'));
            if (decimales > 0) t += separateur + QString(decimales, QLatin1Char('0'));
            return t;
        } else {
            const int fraction = kChiffres - 1 - exposant; // digits after the separator
            o = ecrireEntier(o, chiffres / kPuissances[fraction]);
            *o++ = separateur.unicode();
            o = ecrireChiffres(o, chiffres % kPuissances[fraction], fraction);
            for (int i = fraction; i < decimales; ++i)
                *o++ = u'0';
        }
    } else {
        if (estNegatif(x) && unites != 0) *o++ = u'-';
        o = ecrireEntier(o, unites / kPuissances[decimales]);
        if (decimales > 0) {
            *o++ = separateur.unicode();
            o = ecrireChiffres(o, unites % kPuissances[decimales], decimales);
        }
    }
    return QString(reinterpret_cast<const QChar*>(tampon), o - tampon);
}

int decimalesMotif(const QString& motif) {
    const int point = motif.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(motif.size()) - point - 1;
}

bool lireReel(const QString& texte, long double& x) {
    QString t = texte.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (ok) x = v;
    return ok;
}
