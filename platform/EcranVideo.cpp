#include "platform/EcranVideo.h"

#include <QPainter>

EcranVideo::EcranVideo(QWidget* parent, Source s)
    : QWidget(parent)
    , source(std::move(s)) {
    setObjectName("ecranVideo");
    // Opaque: a new image repaints this widget and what lies over it, never the window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EcranVideo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& img = source();
    if (img.isNull())
        p.fillRect(rect(), Qt::black);
    else if (img.size() == size())
        p.drawImage(0, 0, img);
    else
        p.drawImage(rect(), img);
}
