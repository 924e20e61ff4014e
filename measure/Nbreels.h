#pragma once

#include <QString>

// The real-number formatter every coordinate goes through: scientific notation with one
// integer digit, the given number of decimals, an exponent with its sign always written,
// the locale's decimal separator, and a leading space when the value is not negative.
// formatReel(2, 0.04) = " 4.00E-2"; formatReel(0, -125) = "-1E+2".
QString formatReel(int decimales, long double x);

// x < 0; negative zero and non-numbers are not negative.
bool estNegatif(long double x);
