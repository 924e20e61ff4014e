#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>

struct Releve;

// The three measurement files, as bytes ready to be written: the two layouts read by
// Regressi (Windows .rw3, DOS .rrr) and plain text. Windows-1252, CR LF after every line.
namespace fichiersMesures {

// The text up to the first `ancien`, then `nouveau`, then the rest; unchanged without `ancien`.
QString remplacerSeparateur(const QString& texte, QChar ancien, QChar nouveau);

// Regressi data line of row r ("0.040 1.23E-2 -4.56E-1"): points instead of the locale's
// separator, one space before every x and y. Nothing when the row is not written.
std::optional<QString> ligneDonnees(const Releve& releve, int r);

QByteArray regressiWindows(const Releve& releve);
QByteArray regressiDos(const Releve& releve);
// "rw3" gives the Windows layout, any other extension the DOS one.
QByteArray regressi(const Releve& releve, const QString& extension);

// Text file: the title, the names, the units, then every complete row with the cells joined
// by `separateur` (tab, ";", "," or a space) and the locale's decimal separator kept.
QByteArray texte(const Releve& releve, const QString& titre, const QString& separateur);

} // namespace fichiersMesures
