#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

// What the printed page shows, copied from the session when the user prints: the
// calibration, the displayed image's size, the appearance of axes and points and the
// pixel position of every recorded point.
struct SujetImpression {
    struct Aspect {
        uint32_t couleur = 0xffffff; // 0x00BBGGRR
        bool dessine = true;
        int forme = 0;
    };

    long double echelle = 1; // metres per displayed pixel
    int xOrig = 0, yOrig = 0;
    int sensX = 1, sensY = 1;
    int largeurAff = 0, hauteurAff = 0;
    int taillePoints = 1;
    int nbImages = 0;
    int nbPoints = 1;
    int t0 = 1; // image number taken as t = 0
    Aspect axes;
    std::vector<Aspect> points; // points[k - 1] for point k

    // Pixel position of point k on image i (0-based); x == absent where none was recorded.
    static constexpr int absent = INT32_MIN;
    std::vector<QPoint> pixels;
    QPoint pixel(int i, int k) const {
        return pixels[size_t(i) * size_t(nbPoints) + size_t(k - 1)];
    }
};

struct OptionsImpression {
    int couleurs = 2;                  // 0 as on screen, 1 grey levels, 2 black
    bool grille = true;                // 1 cm grid
    bool grilleCouleurAxes = false;    // else grey (127, 127, 127)
    bool depuisT0 = true;              // points from the time origin on, else from image 1
    long double echelleImpression = 1; // metres per printed cm
};

// The printable area in dots and the resolution in dots per inch.
struct PageImpression {
    int resolutionX = 600, resolutionY = 600;
    int largeur = 0, hauteur = 0;
};

// Where everything lands on the page, in dots from the printable area's top-left corner.
class GeometrieImpression {
public:
    GeometrieImpression(const SujetImpression& s, const PageImpression& page,
                        long double echelleImpression);

    long double pointsParPixelX() const { return ppx_; }
    long double pointsParPixelY() const { return ppy_; }
    int largeurDessin() const; // the displayed image, printed
    int hauteurDessin() const;
    QPoint origine() const;
    int unite() const; // unit length of the axes' arrow heads
    int taillePoint() const;
    QPoint point(QPoint pixel) const;
    // Grid lines 1 cm apart, one through the origin, covering the drawing; those that fall
    // outside the page are left out, as paper would cut them off anyway.
    std::vector<int> lignesHorizontales() const; // y of each line
    std::vector<int> lignesVerticales() const;   // x of each line
    QPoint legende() const;                      // top-left corner of the legend's text

private:
    std::vector<int> lignes(int origine, int taillePixels, long double pointsParPixel,
                            int resolution, int limite) const;

    const SujetImpression& s_;
    PageImpression page_;
    long double k_; // printed cm per displayed pixel
    long double ppx_, ppy_;
};

namespace dessinImpression {

// A colour as printed: unchanged, its grey level, or black.
uint32_t couleurImprimee(uint32_t couleur, int mode);

// "1cm : " then the scale as the table writes reals, then "m".
QString legende(long double echelleImpression);

// The page: axes, grid, points, legend.
void dessiner(QPainter& p, const SujetImpression& s, const OptionsImpression& o,
              const PageImpression& page);

} // namespace dessinImpression
