#pragma once

// The picture of image i of a test clip: a light background, the index band at the top
// (MotifIndex.h) and a dark disc on a known trajectory, so that tests know what each image
// shows and where the disc is.
//
// Header-only so that tests of every room can know where the disc is in image i.

#include "tools/clipgen/MotifIndex.h"

#include <QPoint>
#include <QtMath>
#include <algorithm>

namespace imagetest {

// Radius of the disc in pixels.
inline int rayonDisque(QSize taille) {
    return std::max(3, std::min(taille.width(), taille.height()) / 24);
}

// Centre of the disc in image i of n, in whole pixels: left to right at constant speed,
// and a bounce (down, then up) vertically, always below the index band.
inline QPoint centreDisque(int i, int n, QSize taille) {
    const double u = n > 1 ? double(i) / (n - 1) : 0.0;
    const double x = taille.width() * (0.1 + 0.8 * u);
    const double v = 2 * u - 1;
    const double y = taille.height() * (0.3 + 0.55 * v * v);
    return QPoint(qRound(x), qRound(y));
}

inline QColor couleurFond() {
    return QColor(200, 200, 200);
}
inline QColor couleurDisque() {
    return QColor(120, 20, 20);
}

inline void dessinerImage(QPainter& p, int i, int n, QSize taille) {
    p.fillRect(QRect(QPoint(0, 0), taille), couleurFond());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(couleurDisque());
    const int r = rayonDisque(taille);
    p.drawEllipse(QPointF(centreDisque(i, n, taille)) + QPointF(0.5, 0.5), r, r);
    p.restore();
    motif::dessinerIndex(p, i, taille);
}

} // namespace imagetest
