#include "clip/GeometrieLoupe.h"

#include <QPainter>

namespace geometrieLoupe {

QImage agrandir(const QImage& video, const QImage& calque, int x, int y, QRgb fond) {
    QImage carre(kCote, kCote, QImage::Format_RGB32);
    carre.fill(fond);
    {
        QPainter p(&carre);
        const QPoint decalage(kDemiCote - x, kDemiCote - y);
        if (!video.isNull()) p.drawImage(decalage, video);
        if (!calque.isNull()) p.drawImage(decalage, calque);
    }
    QImage image(kImage, kImage, QImage::Format_RGB32);
    for (int j = 0; j < kCote; ++j) {
        const auto* source = reinterpret_cast<const QRgb*>(carre.constScanLine(j));
        for (int k = 0; k < kFacteur; ++k) {
            auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(j * kFacteur + k));
            for (int i = 0; i < kCote; ++i) {
                const QRgb c = source[i];
                ligne[i * kFacteur] = c;
                ligne[i * kFacteur + 1] = c;
                ligne[i * kFacteur + 2] = c;
            }
        }
    }
    return image;
}

QPoint coin(const Cadre& c, QPoint centre) {
    const int W = c.cote.width(), H = c.cote.height();
    bool haut, droite;
    if (H / 2 > centre.y()) {
        haut = true;
        droite = centre.x() > W / 2;
    } else {
        haut = false;
        droite = !(centre.x() < W / 2);
    }
    const int gauche = droite ? c.gaucheSeparateur - c.panneau.width() - kMarge
                              : c.cote.left() + kMarge;
    const int dessus = haut ? c.cote.top() + c.hauteurHaut + kMarge
                            : c.cote.top() + H - c.hauteurBas - c.panneau.height() - kMarge;
    return {gauche, dessus};
}

QPoint centre(const QRect& panneau, QPoint coinCote) {
    return {panneau.left() + panneau.width() / 2 - coinCote.x(),
            panneau.top() + panneau.height() / 2 - coinCote.y()};
}

} // namespace geometrieLoupe
