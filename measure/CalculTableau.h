#pragma once

#include <QChar>
#include <QString>

struct EtatSession;
class GrilleTexte;

// The recomputations of the visible table from the pixel table and the session state,
// without widgets: the controller calls them and repaints.
namespace calcul {

// t of image row r (1..N) for the time origin t0, as written in the t column.
QString texteT(int r, int t0, long double periode, int decimalesT, QChar separateur);

// Rewrites, for rows 1..nbImages, the t cell of every row from t0 on and the metre cells
// of every recorded point k = 1..n from its pixels. Rows before t0 and points without
// pixels keep their visible cells. A pixel cell that does not hold an integer leaves its
// point's visible cells as they are.
void recalculer(const GrilleTexte& pixels, GrilleTexte& mesures, const EtatSession& e, int n,
                int t0, QChar separateur);

// The t column for a new time origin: empty before t0, t from t0 on.
void colonneT(GrilleTexte& mesures, const EtatSession& e, int t0, QChar separateur);

// The x, y texts of a point recorded at pixel (px, py), by the calibration in force.
QString texteX(const EtatSession& e, int px, QChar separateur);
QString texteY(const EtatSession& e, int py, QChar separateur);

} // namespace calcul
