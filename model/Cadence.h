#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The rate a clip was filmed at, beside the rate its file is stored at.
namespace cadence {

// The rate a phone wrote in the clip, kept only when it differs from the file's by a
// factor of at least 1.5 either way: ordinary clips carry it too, at about their own rate.
std::optional<long double> retenue(long double fichier, std::optional<double> ecrite);

// "240", "29,97": at most two decimals, trailing zeros and the separator dropped.
QString texte(long double cadence, QChar separateur);

// A positive real up to 100,000 images per second, with the locale's separator or a point.
std::optional<long double> lire(const QString& texte, QChar separateur);

// "ralenti × 8" when filmed faster than stored, "accéléré × 30" when slower: the larger
// rate over the smaller, one decimal at most; empty when the rates are equal.
QString ralenti(long double fichier, long double priseDeVue, QChar separateur);

// The decimals of t that show two significant digits of an image's duration, never fewer
// than `actuelles`.
int decimalesT(long double priseDeVue, int actuelles);

} // namespace cadence
