#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

// A paint device that keeps what the painter was asked to draw instead of pixels: the
// rectangles filled with their brush colour and the texts with their pen colour. Lets a
// test check the colours a drawing routine chooses whatever fonts the machine has and
// however it smooths them.
class EnregistreurDessin : public QPaintDevice {
public:
    struct Aplat {
        QRectF rect;
        QColor couleur;
    };
    struct Texte {
        QString texte;
        QColor couleur;
        QPointF position;
    };

    explicit EnregistreurDessin(QSize taille = QSize(200, 100));
    ~EnregistreurDessin() override;

    std::vector<Aplat> aplats;
    std::vector<Texte> textes;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    QSize taille;
    std::unique_ptr<QPaintEngine> moteur;
};
