#pragma once

// The demonstration clip: a ball thrown up and to the right falls back along a parabola in
// front of a vertical ruler one metre long. Everything a measurement should find is known
// here: the rate, g, the scale in pixels per metre, the ends of the ruler and the centre of
// the ball in every image.
//
// Header-only so that tests can compare a measurement made on the demo clip with the truth.
// Unlike the test clips, its images carry no index band: it is meant to be looked at. The
// ball, which moves by more than 16 pixels from one image to the next, tells them apart.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace demo {

constexpr int largeur = 640;
constexpr int hauteur = 480;
constexpr int cadence = 25;  // images per second
constexpr int nbImages = 21; // 0.8 s of flight
constexpr double g = 9.81;   // m/s²
constexpr double pixelsParMetre = 350.0;
constexpr double longueurRegle = 1.0; // metres between the two end marks
constexpr double vx0 = 1.2;           // m/s, to the right
constexpr double vy0 = 4.0;           // m/s, upward
constexpr double rayonBalle = 10.0;   // pixels

// Ends of the ruler's metre (pixel centres): the bottom mark is 0 m, the top mark 1 m.
inline QPointF regleBas() {
    return QPointF(60, 440);
}
inline QPointF regleHaut() {
    return QPointF(60, 440 - longueurRegle * pixelsParMetre);
}

// Where the ball is thrown from (pixel centre, image 0).
inline QPointF depart() {
    return QPointF(120, 430);
}

// Time of image i in seconds.
inline double temps(int i) {
    return double(i) / cadence;
}

// Centre of the ball in image i, in pixels (x to the right, y downward).
inline QPointF centreBalle(int i) {
    const double t = temps(i);
    const double x = vx0 * t;
    const double y = vy0 * t - g * t * t / 2; // metres upward
    return depart() + QPointF(x * pixelsParMetre, -y * pixelsParMetre);
}

inline void dessinerImage(QPainter& p, int i) {
    const QSize taille(largeur, hauteur);
    p.fillRect(QRect(QPoint(0, 0), taille), QColor(235, 232, 220));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // The ruler: a wooden strip with a mark every centimetre, longer marks every 10 cm.
    const QPointF bas = regleBas(), haut = regleHaut();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 200, 120));
    p.drawRect(QRectF(bas.x() - 4, haut.y() - 12, 40, bas.y() - haut.y() + 24));
    p.setPen(QPen(Qt::black, 1));
    for (int cm = 0; cm <= 100; ++cm) {
        const double y = bas.y() - cm / 100.0 * longueurRegle * pixelsParMetre;
        const double l = cm % 10 == 0 ? 18 : (cm % 5 == 0 ? 12 : 7);
        p.drawLine(QPointF(bas.x(), y), QPointF(bas.x() + l, y));
    }
    QFont police = p.font();
    police.setPixelSize(12);
    p.setFont(police);
    p.drawText(QPointF(bas.x() + 20, bas.y() + 4), QStringLiteral("0"));
    p.drawText(QPointF(bas.x() + 20, haut.y() + 4), QStringLiteral("1 m"));

    // The ball.
    p.setPen(QPen(QColor(90, 20, 0), 1));
    p.setBrush(QColor(220, 70, 20));
    p.drawEllipse(centreBalle(i) + QPointF(0.5, 0.5), rayonBalle, rayonBalle);
    p.restore();
}

} // namespace demo
