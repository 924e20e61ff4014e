#include "aides/EnregistreurDessin.h"

#include <QPaintEngine>
#include <QTextItem>

namespace {

class MoteurEnregistreur : public QPaintEngine {
public:
    explicit MoteurEnregistreur(EnregistreurDessin* d)
        : QPaintEngine(AllFeatures)
        , dessin(d) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& s) override {
        if (s.state() & DirtyPen) stylo = s.pen();
        if (s.state() & DirtyBrush) pinceau = s.brush();
    }
    void drawRects(const QRectF* r, int n) override {
        for (int i = 0; i < n; ++i)
            if (pinceau.style() != Qt::NoBrush) dessin->aplats.push_back({r[i], pinceau.color()});
    }
    void drawRects(const QRect* r, int n) override {
        for (int i = 0; i < n; ++i) {
            const QRectF f(r[i]);
            drawRects(&f, 1);
        }
    }
    void drawTextItem(const QPointF& p, const QTextItem& t) override {
        dessin->textes.push_back({t.text(), stylo.color(), p});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    EnregistreurDessin* dessin;
    QPen stylo;
    QBrush pinceau;
};

} // namespace

EnregistreurDessin::EnregistreurDessin(QSize t)
    : taille(t)
    , moteur(std::make_unique<MoteurEnregistreur>(this)) {}

EnregistreurDessin::~EnregistreurDessin() = default;

QPaintEngine* EnregistreurDessin::paintEngine() const {
    return moteur.get();
}

int EnregistreurDessin::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmWidth:
        return taille.width();
    case PdmHeight:
        return taille.height();
    case PdmWidthMM:
        return taille.width() * 254 / 960;
    case PdmHeightMM:
        return taille.height() * 254 / 960;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0xffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(m);
    }
}
