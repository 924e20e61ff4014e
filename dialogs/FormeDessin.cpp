#include "dialogs/FormeDessin.h"

#include <QPainter>

FormeDessin::FormeDessin(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void FormeDessin::setTropGrand(bool oui) {
    tropGrand_ = oui;
    update();
}

void FormeDessin::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (!tropGrand_) {
        p.fillRect(rect(), QColor(255, 255, 0));
        p.setPen(Qt::black);
        p.drawRect(r);
        return;
    }
    // What lies under the widget is already in the window's picture: mix with it.
    p.setCompositionMode(QPainter::RasterOp_NotSourceOrNotDestination);
    p.fillRect(rect().adjusted(1, 1, -1, -1), QColor(0, 255, 255));
    p.setPen(QColor(255, 0, 0));
    p.drawRect(r);
}
