#include "measure/Nbreels.h"

#include "platform/Locale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

bool estNegatif(long double x) {
    return x < 0;
}

QString formatReel(int decimales, long double x) {
    decimales = std::clamp(decimales, 0, 18);
    const QString signe = estNegatif(x) ? QStringLiteral("-") : QStringLiteral(" ");
    if (std::isnan(x)) return QStringLiteral(" NAN");
    if (std::isinf(x)) return signe + QStringLiteral("INF");

    // Enough exact digits to round by hand: a half goes away from zero, which printf's
    // own rounding (to even on exact ties) would not do.
    char tampon[96];
    std::snprintf(tampon, sizeof tampon, "%.40Le", std::fabs(x));
    const std::string s(tampon);
    const size_t e = s.find('e');
    std::string chiffres = s.substr(0, 1) + s.substr(2, e - 2); // 41 significant digits
    int exposant = std::stoi(s.substr(e + 1));

    const size_t garde = size_t(decimales) + 1;
    std::string mantisse = chiffres.substr(0, garde);
    if (chiffres[garde] >= '5') {
        int i = int(garde) - 1;
        for (; i >= 0; --i) {
            if (mantisse[size_t(i)] == '9') {
                mantisse[size_t(i)] = '0';
            } else {
                ++mantisse[size_t(i)];
                break;
            }
        }
        if (i < 0) { // 9.99… rounded up to 10: one more power of ten
            mantisse.insert(mantisse.begin(), '1');
            mantisse.pop_back();
            ++exposant;
        }
    }
    if (x == 0) exposant = 0;

    QString texte = signe + QChar(mantisse[0]);
    if (decimales > 0)
        texte += separateurDecimal() + QString::fromLatin1(mantisse.substr(1).c_str());
    texte += exposant < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    texte += QString::number(std::abs(exposant));
    return texte;
}
