#pragma once

#include <QString>
#include <functional>

struct Releve;

namespace automation {
class Fabrique;
}

// Pours the measurement table, cell by cell, into the active sheet of a spreadsheet driven
// by automation: "OpenOffice.Calc" (service manager "com.sun.star.ServiceManager") or
// "Microsoft Excel" ("Excel.Application").
namespace tableur {

inline constexpr char kCalc[] = "OpenOffice.Calc";
inline constexpr char kExcel[] = "Microsoft Excel";

// What the transfer asks of the user. A line break inside a message is "\r".
struct Dialogue {
    std::function<bool(const QString&)> confirmer; // Yes/No box: true for Yes
    std::function<void(const QString&)> informer;  // plain box with OK
    std::function<void(const QString&)> erreur;    // error box with OK
    // Rows sent out of the rows to send, after each row (and 0 before the first); optional.
    std::function<void(int envoyees, int aEnvoyer)> progression;
};

enum class Issue {
    Ecrit,   // every cell written
    Abandon, // the user said No: nothing written, no message
    Echec    // a message told why
};

// Number format of the t column for Excel: "0", the separator, then one "0" per decimal.
QString formatTableurT(int decimales, QChar separateur);
// Number format of the x and y columns for Excel: what the table's formatter writes for 0.
QString formatTableurXY(int decimales, QChar separateur);

// `choix` is the spreadsheet line of the configuration, compared exactly.
Issue transfererTableur(const Releve& releve, const QString& choix, automation::Fabrique& fabrique,
                        const Dialogue& dialogue);

} // namespace tableur
