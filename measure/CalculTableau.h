#pragma once

#include <QChar>
#include <QString>
#include <vector>

class Seance;
class GrilleTexte;

// The recomputations of the visible table from the pixel table and the document's clip, calibration
// and formats, without widgets: the controller calls them and repaints.
namespace calcul {

// True when some image's presentation time differs from its index × periode by more than
// a quarter of a period: the time column then follows the images' own times.
bool espacementInegal(const std::vector<long double>& dates, long double periode);

// t of image row r (1..N) for the time origin t0: from the images' own times for an
// unevenly spaced clip, (r − t0) × periode otherwise; both as filmed (× facteurTemps()).
long double dateImage(const Seance& s, int r, int t0);

// t of image row r (1..N) for the time origin t0, as written in the t column.
QString texteT(const Seance& s, int r, int t0, int decimalesT, QChar separateur);

// Rewrites, for rows 1..nbImages, the t cell of every row from t0 on and the metre cells
// of every recorded point k = 1..n from its pixels. Rows before t0 and points without
// pixels keep their visible cells. A pixel cell that does not hold an integer leaves its
// point's visible cells as they are.
void recalculer(const GrilleTexte& pixels, GrilleTexte& mesures, const Seance& s, int n, int t0,
                QChar separateur);

// The t column for a new time origin: empty before t0, t from t0 on.
void colonneT(GrilleTexte& mesures, const Seance& s, int t0, QChar separateur);

// The x, y texts of a point recorded at pixel (px, py), by the calibration in force.
QString texteX(const Seance& s, int px, QChar separateur);
QString texteY(const Seance& s, int py, QChar separateur);

} // namespace calcul
