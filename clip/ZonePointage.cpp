#include "clip/ZonePointage.h"

#include <QPainter>

ZonePointage::ZonePointage(QWidget* parent)
    : QWidget(parent) {
    setObjectName("PaintBox1");
    setMouseTracking(true);
}

void ZonePointage::paintEvent(QPaintEvent*) {
    if (calque.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, calque);
}

void ZonePointage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    raise(); // over the video, whatever was created after it
    emit repeintDemande();
}

void ZonePointage::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    emit repeintDemande();
}
