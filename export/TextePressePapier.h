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

QString texte(const Releve& releve, const QString& titre, const QString& separateur);

} // namespace textePressePapier
