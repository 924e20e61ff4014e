#include "clip/ZonePointage.h"

ZonePointage::ZonePointage(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setMouseTracking(true);
}
