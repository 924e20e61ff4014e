#include "measure/Modele.h"

#include "measure/Nbreels.h"

#include <array>
#include <cmath>
#include <set>

namespace modele {

namespace {

int nbCoefficients(Forme f) {
    switch (f) {
    case Forme::Lineaire:
        return 1;
    case Forme::Affine:
        return 2;
    case Forme::Parabolique:
        return 3;
    default:
        return 0;
    }
}

// The powers of x each coefficient multiplies: a·x², b·x, c for the parabola.
std::vector<int> puissances(Forme f) {
    switch (f) {
    case Forme::Lineaire:
        return {1};
    case Forme::Affine:
        return {1, 0};
    default:
        return {2, 1, 0};
    }
}

// Solves the m × m system by Gaussian elimination with partial pivoting; nothing when it
// is singular.
std::optional<std::vector<long double>> resoudre(std::array<std::array<long double, 4>, 3> m,
                                                 int n) {
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(m[size_t(r)][size_t(c)]) > std::fabs(m[size_t(pivot)][size_t(c)]))
                pivot = r;
        if (std::fabs(m[size_t(pivot)][size_t(c)]) < 1e-300L) return std::nullopt;
        std::swap(m[size_t(c)], m[size_t(pivot)]);
        for (int r = 0; r < n; ++r) {
            if (r == c) continue;
            const long double k = m[size_t(r)][size_t(c)] / m[size_t(c)][size_t(c)];
            for (int j = c; j <= n; ++j)
                m[size_t(r)][size_t(j)] -= k * m[size_t(c)][size_t(j)];
        }
    }
    std::vector<long double> x(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        x[size_t(i)] = m[size_t(i)][size_t(n)] / m[size_t(i)][size_t(i)];
    return x;
}

} // namespace

std::optional<Ajustement> ajuster(Forme forme,
                                  const std::vector<std::pair<long double, long double>>& xy) {
    const int m = nbCoefficients(forme);
    if (m == 0) return std::nullopt;
    // One more point than coefficients, and as many distinct abscissas as coefficients.
    std::set<long double> abscisses;
    for (const auto& [x, y] : xy)
        abscisses.insert(x);
    if (int(xy.size()) < m + 1 || int(abscisses.size()) < m) return std::nullopt;

    const std::vector<int> p = puissances(forme);
    std::array<std::array<long double, 4>, 3> normales{};
    for (const auto& [x, y] : xy)
        for (int i = 0; i < m; ++i) {
            const long double xi = std::pow(x, p[size_t(i)]);
            for (int j = 0; j < m; ++j)
                normales[size_t(i)][size_t(j)] += xi * std::pow(x, p[size_t(j)]);
            normales[size_t(i)][size_t(m)] += xi * y;
        }
    const auto c = resoudre(normales, m);
    if (!c) return std::nullopt;

    long double moyenne = 0;
    for (const auto& pt : xy)
        moyenne += pt.second;
    moyenne = forme == Forme::Lineaire ? 0 : moyenne / xy.size();
    long double ssRes = 0, ssTot = 0;
    for (const auto& [x, y] : xy) {
        long double f = 0;
        for (int i = 0; i < m; ++i)
            f += (*c)[size_t(i)] * std::pow(x, p[size_t(i)]);
        ssRes += (y - f) * (y - f);
        ssTot += (y - moyenne) * (y - moyenne);
    }
    Ajustement a;
    a.coefficients = *c;
    a.r2 = ssTot > 0 ? 1 - ssRes / ssTot : 1;
    return a;
}

QString texte(Forme forme, const QString& x, const QString& y, const std::optional<Ajustement>& a,
              QChar separateur) {
    if (forme == Forme::Aucun) return QString();
    if (!a) return QStringLiteral("Pas assez de points pour ce modèle");
    QString equation;
    switch (forme) {
    case Forme::Lineaire:
        equation = QStringLiteral("%1 = a·%2").arg(y, x);
        break;
    case Forme::Affine:
        equation = QStringLiteral("%1 = a·%2 + b").arg(y, x);
        break;
    default:
        equation = QStringLiteral("%1 = a·%2² + b·%2 + c").arg(y, x);
        break;
    }
    static const char* const noms[] = {"a", "b", "c"};
    for (size_t i = 0; i < a->coefficients.size(); ++i)
        equation += QStringLiteral("   %1 = %2")
                        .arg(QLatin1String(noms[i]),
                             formatReel(3, a->coefficients[i], separateur).trimmed());
    QString r2 = QString::number(double(a->r2), 'f', 4);
    r2.replace(QLatin1Char('.'), separateur);
    return equation + QStringLiteral("   r² = ") + r2;
}

} // namespace modele
