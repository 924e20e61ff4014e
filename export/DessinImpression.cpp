#include "export/DessinImpression.h"

#include "export/Rgbhls.h"
#include "measure/CouleurBgr.h"
#include "measure/Dessin.h"
#include "measure/Nbreels.h"
#include "measure/Toile.h"
#include "platform/Nombres.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

using nombres::arrondi;
using nombres::tronquer;

namespace {

// Page coordinates stay far inside int's range whatever the scale: anything that far is
// off the paper.
constexpr long double kLimite = 1.0e8L;
// Marks and arrow heads are drawn dot by dot: beyond this size (4 cm at 600 dpi) a mark
// would only take ages to cover more than the paper, so it keeps this size.
constexpr int kTailleMax = 1000;
int borne(long double v) {
    if (!(v == v)) return 0;
    return int(arrondi(std::clamp(v, -kLimite, kLimite)));
}

// The marks and axes as hairlines and dots of the page's own resolution, gathered by
// colour so that a page of many thousands of marks is drawn in a few calls, and kept as
// lines so that a PDF holds strokes rather than a cloud of tiny squares.
class ToileTraits : public Toile {
public:
    explicit ToileTraits(QPainter& p)
        : p_(p) {}
    ~ToileTraits() override { vider(); }

    void pixel(int x, int y) override {
        suivre();
        points_.emplace_back(x, y);
    }
    void ligneH(int x0, int x1, int y) override {
        suivre();
        if (x0 == x1)
            points_.emplace_back(x0, y);
        else
            lignes_.emplace_back(x0, y, x1, y);
    }
    void ligneV(int x, int y0, int y1) override {
        suivre();
        if (y0 == y1)
            points_.emplace_back(x, y0);
        else
            lignes_.emplace_back(x, y0, x, y1);
    }

    void vider() {
        if (points_.empty() && lignes_.empty()) return;
        QPen stylo(QColor::fromRgba(lot_));
        stylo.setWidth(0); // one dot of the device, whatever its resolution
        stylo.setCapStyle(Qt::SquareCap);
        p_.setPen(stylo);
        if (!lignes_.empty()) p_.drawLines(lignes_.data(), int(lignes_.size()));
        if (!points_.empty()) p_.drawPoints(points_.data(), int(points_.size()));
        lignes_.clear();
        points_.clear();
    }

private:
    void suivre() {
        if (couleur_ == lot_) return;
        vider();
        lot_ = couleur_;
    }

    QPainter& p_;
    QRgb lot_ = 0xff000000;
    std::vector<QPoint> points_;
    std::vector<QLine> lignes_;
};

} // namespace

GeometrieImpression::GeometrieImpression(const SujetImpression& s, const PageImpression& page,
                                         long double echelleImpression)
    : s_(s)
    , page_(page)
    , k_(s.echelle / echelleImpression)
    , ppx_(k_ * page.resolutionX / 2.54L)
    , ppy_(k_ * page.resolutionY / 2.54L) {}

int GeometrieImpression::largeurDessin() const {
    return borne(s_.largeurAff * ppx_);
}
int GeometrieImpression::hauteurDessin() const {
    return borne(s_.hauteurAff * ppy_);
}
QPoint GeometrieImpression::origine() const {
    return {borne(s_.xOrig * ppx_), borne(s_.yOrig * ppy_)};
}
int GeometrieImpression::unite() const {
    return std::min(borne(ppx_ + 1), kTailleMax);
}
int GeometrieImpression::taillePoint() const {
    return std::min(borne(s_.taillePoints * ppx_), kTailleMax);
}
QPoint GeometrieImpression::point(QPoint pixel) const {
    return {borne(pixel.x() * ppx_), borne(pixel.y() * ppy_)};
}
QPoint GeometrieImpression::legende() const {
    return {10, hauteurDessin() + 5};
}

std::vector<int> GeometrieImpression::lignes(int origine, int taillePixels,
                                             long double pointsParPixel, int resolution,
                                             int limite) const {
    std::vector<int> v;
    const int64_t n1 = tronquer(std::clamp(origine * k_, -kLimite, kLimite));
    const int64_t n2 = tronquer(std::clamp((taillePixels - origine) * k_, -kLimite, kLimite));
    const long double cm = resolution / 2.54L;
    const long double depart =
        origine * pointsParPixel - static_cast<long double>(n1 * resolution) / 2.54L;
    const int64_t premier = depart < 0 ? int64_t(std::ceil(-depart / cm)) : 0;
    for (int64_t i = premier; i <= n1 + n2; ++i) {
        const long double c = depart + i * cm;
        if (c > limite) break;
        if (c < 0) continue;
        v.push_back(borne(c));
    }
    return v;
}

std::vector<int> GeometrieImpression::lignesHorizontales() const {
    return lignes(s_.yOrig, s_.hauteurAff, ppy_, page_.resolutionY,
                  std::max(page_.hauteur, hauteurDessin()));
}

std::vector<int> GeometrieImpression::lignesVerticales() const {
    return lignes(s_.xOrig, s_.largeurAff, ppx_, page_.resolutionX,
                  std::max(page_.largeur, largeurDessin()));
}

namespace dessinImpression {

uint32_t couleurImprimee(uint32_t couleur, int mode) {
    if (mode == 0) return couleur & 0xffffff;
    if (mode == 1) {
        const int g = rgbhls::niveauGris(couleur);
        return couleurBgr::depuisRgb(g, g, g);
    }
    return 0;
}

QString legende(long double echelleImpression) {
    return QStringLiteral("1cm : ") + formatReel(2, echelleImpression) + QStringLiteral("m");
}

void dessiner(QPainter& p, const SujetImpression& s, const OptionsImpression& o,
              const PageImpression& page) {
    const GeometrieImpression g(s, page, o.echelleImpression);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    const int W = g.largeurDessin(), H = g.hauteurDessin();

    if (s.axes.dessine) {
        ToileTraits t(p);
        const QPoint o0 = g.origine();
        dessinerAxes(t, couleurBgr::versPixel(couleurImprimee(s.axes.couleur, o.couleurs)), s.sensX,
                     s.sensY, o0.x(), o0.y(), H, W, g.unite());
    }

    if (o.grille) {
        const QColor couleur =
            o.grilleCouleurAxes ? couleurBgr::versCouleur(s.axes.couleur) : QColor(127, 127, 127);
        QPen pointille(couleur, 0, Qt::DotLine);
        p.setPen(pointille);
        for (int y : g.lignesHorizontales())
            p.drawLine(0, y, W, y);
        for (int x : g.lignesVerticales())
            p.drawLine(x, 0, x, H);
    }

    {
        ToileTraits t(p);
        const int premiere = o.depuisT0 ? std::max(0, s.t0 - 1) : 0;
        const int taille = g.taillePoint();
        // Marks wholly off the paper are left out: the printer would cut them off.
        auto horsPage = [&](QPoint q) {
            return page.largeur > 0 && page.hauteur > 0 &&
                   (q.x() + taille < 0 || q.y() + taille < 0 || q.x() - taille > page.largeur ||
                    q.y() - taille > page.hauteur);
        };
        for (int k = 1; k <= s.nbPoints && k <= int(s.points.size()); ++k) {
            const SujetImpression::Aspect& a = s.points[size_t(k - 1)];
            if (!a.dessine) continue;
            t.setCouleur(couleurBgr::versPixel(couleurImprimee(a.couleur, o.couleurs)));
            for (int i = premiere; i < s.nbImages; ++i) {
                const QPoint px = s.pixel(i, k);
                if (px.x() == SujetImpression::absent) continue;
                const QPoint q = g.point(px);
                if (horsPage(q)) continue;
                dessinerPoint(t, t.couleur(), taille, q.x(), q.y(), a.forme);
            }
        }
    }

    p.setPen(Qt::black);
    const QPoint l = g.legende();
    p.drawText(QRect(l.x(), l.y(), std::max(1, page.largeur - l.x()), std::max(1, page.hauteur)),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, legende(o.echelleImpression));
    p.restore();
}

} // namespace dessinImpression
