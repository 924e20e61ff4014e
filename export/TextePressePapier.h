#pragma once

#include <QString>

struct Releve;

// The measurement table as plain text for the clipboard: the title, the header "t x y ...",
// the units "s m m ...", then one line per complete row from the time origin on, cells
// joined by the chosen separator, lines ended by CR LF except the last.
namespace textePressePapier {

// The text with every space removed.
QString oterEspaces(const QString& texte);

// Separator of each item of the separator choice: 0 tab, 1 ";", 2 ",", 3 one space.
QString separateur(int item);

// Why an item cannot separate cells whose numbers are written with this decimal separator
// (no program could split "0,040,1,23E-2"); empty when it can.
QString separateurIndisponible(int item, QChar separateurDecimal);
// The item offered instead of one that cannot be used.
inline constexpr int kItemRemplacant = 1;

QString texte(const Releve& releve, const QString& titre, const QString& separateur);

} // namespace textePressePapier
