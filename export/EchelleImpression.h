#pragma once

#include <QChar>
#include <QSize>
#include <QString>

// The calculations of the print dialog, apart from its widgets: the proposed scale, the
// slider, the reading of the scale box and the two previews of sheet and drawing.
namespace echelleImpression {

// The power of ten proposed for a drawing of largeurReelle x hauteurReelle metres on a
// page of largeurFeuilleCm x hauteurFeuilleCm: the smallest metres per cm that fit,
// rounded up to a power of ten (0.032 gives 0.1, 1 gives 10). 1 when nothing fits a rule.
long double echelleProposee(long double largeurReelle, long double hauteurReelle,
                            long double largeurFeuilleCm, long double hauteurFeuilleCm);

// Slider 0..200 for a scale a around the reference: 100 at the reference, 0 at ten times
// it or more, 200 at a tenth or less, logarithmic between.
int positionCurseur(long double a, long double reference);
// The scale the slider's position stands for.
long double echelleCurseur(int position, long double reference);

// A number read without the locale, point as decimal separator, after leading blanks:
// [sign] digits [. digits] [E [sign] digits]. `position` is 1 + the index of the first
// character that cannot be read, 0 when the whole text is a number.
struct Lecture {
    long double valeur = 0;
    int position = 0;
};
Lecture lireNombre(const QString& texte);

// The scale box's text as a scale: a comma where the reader stops is taken for a point.
// False for an unreadable text or zero.
bool lireEchelle(const QString& texte, long double& valeur);

// What a key typed in the scale box becomes: "e" an "E", "," and "." the locale's
// separator; a null character for a key that is refused (Enter, letters...).
QChar toucheEchelle(QChar touche, QChar separateur);

// "20.3x28.7cm": each side with the pattern "##.0" and the locale's separator.
QString formatFeuille(long double largeurCm, long double hauteurCm, QChar separateur);

// Preview of the sheet, longer side 90 pixels, from the printable size in dots.
QSize apercuFeuille(int largeurPoints, int hauteurPoints);

// Preview of the drawing on the sheet's preview; too large: 10 pixels past the sheet on
// the side that overflows (the width when both do).
struct ApercuDessin {
    QSize taille;
    bool tient = true;
};
ApercuDessin apercuDessin(QSize feuille, long double largeurDessinCm, long double hauteurDessinCm,
                          long double largeurFeuilleCm, long double hauteurFeuilleCm);

} // namespace echelleImpression
