#include "platform/EcranVideo.h"

#include <QPainter>

EcranVideo::EcranVideo(QWidget* parent) : QWidget(parent) {
    setObjectName("ecranVideo");
    // Opaque: a new image repaints this widget and what lies over it, never the window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EcranVideo::setImage(const QImage& image) {
    img = image;
    update();
}

void EcranVideo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (img.isNull()) p.fillRect(rect(), Qt::black);
    else if (img.size() == size()) p.drawImage(0, 0, img);
    else p.drawImage(rect(), img);
}
