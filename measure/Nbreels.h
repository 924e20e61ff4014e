#pragma once

#include <QChar>
#include <QString>

// x < 0; negative zero and non-numbers are not negative.
bool estNegatif(long double x);

// x in scientific notation: one integer digit, `decimales` decimals rounded to the nearest
// with halves away from zero, "E" and the exponent with its sign always written, and a
// leading blank when x is not negative. formatReel(2, 0.0123) == " 1.23E-2",
// formatReel(2, 9.999) == " 1.00E+1", formatReel(0, 0.0123) == " 1E-2".
// The separator is the locale's decimal separator.
QString formatReel(int decimales, long double x);

// The same with the separator given, for loops that format many cells.
QString formatReel(int decimales, long double x, QChar separateur);

// x in plain notation with `decimales` decimals (halves away from zero), no thousands
// separator: the number patterns "0", "0.0" … "0.000000" of the t column.
QString formatFixe(int decimales, long double x, QChar separateur);

// Number of decimals of a pattern "0", "0.0", "0.00" …
int decimalesMotif(const QString& motif);

// Reads back a number this program wrote with formatFixe or formatReel (either separator).
// Returns false when the text is not such a number.
bool lireReel(const QString& texte, long double& x);
