#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry of the magnifier: the enlarged picture of the square around the mouse and the
// corner of the clip side where the panel goes when it is shown.
namespace geometrieLoupe {

constexpr int kDemiCote = 20;                 // the square runs from x - 20 to x + 20
constexpr int kCote = 2 * kDemiCote + 1;      // 41 image pixels
constexpr int kFacteur = 3;                   // each becomes a 3 x 3 block
constexpr int kImage = kCote * kFacteur;      // 123: the picture
constexpr int kBord = 6;                      // frame around the picture
constexpr int kPanneau = kImage + 2 * kBord;  // 135: the panel
constexpr int kReticule = kDemiCote * kFacteur + 1; // 61: crosshair column and row of the picture
constexpr int kMarge = 6;                     // between the panel and the edges of the clip side

// The picture around pixel (x, y) of the displayed image: the video with the overlay of
// marks drawn over it (both in display pixels; the overlay may be null), enlarged three
// times. Pixel (x, y) covers picture pixels 60..62 both ways. Outside the video the
// square shows `fond`, the colour of the panel around the image.
QImage agrandir(const QImage& video, const QImage& calque, int x, int y, QRgb fond);

// Where the panel goes, in the coordinates of the window that holds it.
struct Cadre {
    QRect cote;            // the clip side (pnl1)
    int hauteurHaut = 0;   // its coordinate bar at the top
    int hauteurBas = 0;    // its navigation bar at the bottom
    int gaucheSeparateur = 0;
    QSize panneau{kPanneau, kPanneau};
};

// Top-left corner of the panel for a remembered centre (relative to the clip side's
// top-left corner): the corner of the clip side in the quarter where the centre lies.
QPoint coin(const Cadre& c, QPoint centre);

// The centre of a panel at `panneau`, relative to the clip side's top-left corner.
QPoint centre(const QRect& panneau, QPoint coinCote);

} // namespace geometrieLoupe
