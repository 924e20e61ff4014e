#pragma once

#include <QChar>
#include <QPoint>
#include <QString>
#include <optional>

// The distance box of the calibration tab, without its widget: separator repair, the
// accepted number syntax, and the scale that an accepted distance gives.
namespace saisie {

// The text after replacing the first "wrong" decimal separator by the locale's one.
// curseur is the caret position just after the replaced character, or -1 when the
// text needed no repair.
struct Reparation {
    QString texte;
    int curseur = -1;
};
Reparation reparerSeparateur(const QString& texte, QChar separateur);

// Reads a real written with the given decimal separator: optional blanks around it, an
// optional sign, digits with at most one separator, an optional exponent "E"/"e" with an
// optional sign and at least one digit. Nothing for any other text, and nothing for a
// value whose size lies outside [distanceMin, distanceMax] (zero excepted): such a text
// would overflow to an infinite scale or read as a silent zero, and even inside a double's
// range it would make coordinates that no export can carry.
inline constexpr long double distanceMin = 1e-100L;
inline constexpr long double distanceMax = 1e100L;
std::optional<long double> lireReel(const QString& texte, QChar separateur);

// What the box does with a new text: repaired text and caret, then either the distance
// and its scale (accepted) or nothing (refused).
struct Evaluation {
    Reparation reparation;
    bool accepte = false;
    long double distance = 0;
    long double echelle = 0;
};
Evaluation evaluerDistance(const QString& texte, QChar separateur, QPoint p1, QPoint p2);

// Texts of the boxes, lines separated by "\r".
QString texteAvertissement(QChar separateur);
QString texteIdentiques();
inline const QString texteErreurSensibilite = QStringLiteral("erreur ?"
                                                             "?!"); // "??!" split: not a trigraph

} // namespace saisie
