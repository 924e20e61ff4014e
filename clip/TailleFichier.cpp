#include "clip/TailleFichier.h"

#include "platform/Locale.h"

#include <QFileInfo>
#include <cmath>

QString texteTaille(uint64_t s) {
    if (s == 0) return QStringLiteral("?!*");
    // Number of digits by counting rather than log10, which can land just under a power of ten.
    int g = 0;
    for (uint64_t p = 10; p <= s && g < 19; p *= 10)
        ++g;
    const int k = g / 3;
    static const char* const prefixes[] = {"?", "k", "M", "G", "T"};
    const char* prefixe = (k >= 1 && k <= 4) ? prefixes[k] : "?";
    const long double v = (long double)s / 1.024L / std::pow(10.0L, 3 * k);
    QString texte = QString::number(double(v), 'f', 3);
    texte.replace(QLatin1Char('.'), separateurDecimal());
    return texte + QLatin1Char(' ') + QLatin1String(prefixe) + QLatin1Char('o');
}

QString texteTailleFichier(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists() || !info.isFile()) return QStringLiteral("?!*");
    // The whole 64-bit size: clips over 4 GB are common enough with OpenDML files.
    return texteTaille(static_cast<uint64_t>(info.size()));
}
