#pragma once

#include <QFileInfo>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <optional>
#include <vector>

// The facts of the open clip that the measures depend on.
struct FaitsClip {
    QString chemin;
    int32_t nbImages = 0;
    int32_t largeur = 0, hauteur = 0;
    long double periode = 0; // seconds per image
    // Each image's own time (s from the first image) for an unevenly spaced clip; empty
    // otherwise.
    std::vector<long double> dates;
    // The file's own rate (images per second, the stream's nominal rate); 0 when unknown.
    long double cadenceFichier = 0;
    QString nom() const { return QFileInfo(chemin).fileName(); }
    bool operator==(const FaitsClip&) const = default;
};

// Origin, axes and scale: what turns a pixel into metres.
struct Etalonnage {
    int32_t xOrig = 0, yOrig = 0;
    int8_t sensX = +1, sensY = +1;
    QPoint p1{1, 1}, p2{2, 2};
    QString distanceTexte;
    long double echelle = 1.0L; // metres per pixel
    bool operator==(const Etalonnage&) const = default;
};

// The measurement: the clip's facts, the calibration, the pixel table (for each image
// and each of the nine points, the recorded pixel or nothing), n, t0 and the two number
// formats. No widget: the window's rooms observe it through its signals and change it
// through the commands of its undo stack, whose clean state means "the measures have left
// the program" (saved, copied, printed, handed on).
class Seance : public QObject {
    Q_OBJECT
public:
    static constexpr int pointsMax = 9;

    explicit Seance(QObject* parent = nullptr);

    // --- The clip: a new one empties the table and the undo stack -----------------------
    const FaitsClip& clip() const { return clip_; }
    void setClip(const FaitsClip& faits);

    // --- Calibration --------------------------------------------------------------------
    const Etalonnage& etalonnage() const { return etalonnage_; }
    void setEtalonnage(const Etalonnage& e);
    // Quietly, while a gesture of the calibration tab runs (a distance being typed): new
    // points already take it, and the command that ends the gesture tells the views.
    void preparerEtalonnage(const Etalonnage& e) { etalonnage_ = e; }
    void annoncerEtalonnage() { emit etalonnageChange(); }

    // --- The pixel table: image 0..nbImages-1, point k 1..9 ------------------------------
    std::optional<QPoint> point(int image, int k) const;
    void setPoint(int image, int k, std::optional<QPoint> p);
    // Empties images premiere..derniere, points kMin..kMax, in one change.
    void effacer(int premiere, int derniere, int kMin, int kMax);
    // The points of that range, image by image, and their return in one change.
    std::vector<std::optional<QPoint>> plage(int premiere, int derniere, int kMin, int kMax) const;
    void restaurer(int premiere, int derniere, int kMin, int kMax,
                   const std::vector<std::optional<QPoint>>& valeurs);
    // Some point 1..n is recorded on some image.
    bool occupe() const;

    // --- Time: the rate the clip was filmed at (a clip fact the user may correct) ------
    // A new clip starts at the file's rate. The time of an image is its time in the file
    // × facteurTemps(): 8 for a slow-motion clip filmed at 240 and stored at 30 images/s.
    long double cadencePriseDeVue() const { return cadence_; }
    void setCadencePriseDeVue(long double c);
    long double facteurTemps() const {
        return clip_.cadenceFichier > 0 && cadence_ > 0 ? clip_.cadenceFichier / cadence_ : 1.0L;
    }

    // --- Shape and formats --------------------------------------------------------------
    int n() const { return n_; }
    void setN(int n);
    int t0() const { return t0_; }
    void setT0(int t0);
    int chiffresXY() const { return chiffresXY_; }
    void setChiffresXY(int c);
    int decimalesT() const { return decimalesT_; }
    void setDecimalesT(int d);

    // --- Undo ---------------------------------------------------------------------------
    QUndoStack& pile() { return pile_; }
    const QUndoStack& pile() const { return pile_; }
    // The unsaved-measures question is worth asking.
    bool nonEnregistre() const { return !pile_.isClean() && occupe(); }

    // Commands ask, when undone or redone, that the window shows this image (and, for
    // k >= 1, this point's cell); image -1 leaves the image shown as it is.
    void demanderVue(int image, int k) { emit vueDemandee(image, k); }

    // The whole measurement, for tests and saved sessions.
    bool memeMesure(const Seance& autre) const;

signals:
    void clipChange();
    void etalonnageChange();
    void pointChange(int image, int k);
    void pointsChange(int premiere, int derniere); // a range of images, every point
    void nChange();
    void optionsChange(); // t0 or a format
    void cadenceChange(); // the capture rate, hence every time
    void vueDemandee(int image, int k);

private:
    size_t indice(int image, int k) const {
        return static_cast<size_t>(image) * pointsMax + static_cast<size_t>(k - 1);
    }
    bool dansTable(int image, int k) const {
        return image >= 0 && image < clip_.nbImages && k >= 1 && k <= pointsMax;
    }

    FaitsClip clip_;
    Etalonnage etalonnage_;
    std::vector<std::optional<QPoint>> points_;
    int n_ = 1, t0_ = 1, chiffresXY_ = 3, decimalesT_ = 3;
    long double cadence_ = 0;
    QUndoStack pile_;
};
