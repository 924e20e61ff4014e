#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A model fitted by least squares to plotted pairs (x, y) of one point.
namespace modele {

enum class Forme { Aucun, Lineaire, Affine, Parabolique };

struct Ajustement {
    std::vector<long double> coefficients; // a, then b, then c
    long double r2 = 0;
};

// Nothing for "Aucun", or with too few points (or abscissas) to fix the coefficients.
// r² = 1 − SSres/SStot, SStot taken about the mean, or about zero for y = a·x.
std::optional<Ajustement> ajuster(Forme forme,
                                  const std::vector<std::pair<long double, long double>>& xy);

// "y = a·t² + b·t + c   a = -4.940E+0   b = 1.253E-1   c = 8.473E-1   r² = 0.9998", with the
// names of the quantities plotted; "Pas assez de points pour ce modèle" without a fit.
QString texte(Forme forme, const QString& x, const QString& y, const std::optional<Ajustement>& a,
              QChar separateur);

} // namespace modele
