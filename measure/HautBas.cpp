#include "measure/HautBas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace {
bool toucheDePas(int k) {
    return k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown;
}
} // namespace

HautBas::HautBas(QWidget* parent)
    : QSpinBox(parent) {
    // The position is shown by a label beside it; it is changed by the arrows only.
    lineEdit()->setReadOnly(true);
    setKeyboardTracking(false);
    setFocusPolicy(Qt::TabFocus);
}

void HautBas::stepBy(int pas) {
    const int avant = value();
    QSpinBox::stepBy(pas);
    if (value() != avant) emit clic();
}

void HautBas::mousePressEvent(QMouseEvent* e) {
    emit enfonce();
    QSpinBox::mousePressEvent(e);
}

void HautBas::mouseReleaseEvent(QMouseEvent* e) {
    QSpinBox::mouseReleaseEvent(e);
    emit relache();
}

void HautBas::keyPressEvent(QKeyEvent* e) {
    if (toucheDePas(e->key()) && !e->isAutoRepeat() && !toucheTenue) {
        toucheTenue = true;
        emit enfonce();
    }
    QSpinBox::keyPressEvent(e);
}

void HautBas::keyReleaseEvent(QKeyEvent* e) {
    QSpinBox::keyReleaseEvent(e);
    if (toucheDePas(e->key()) && !e->isAutoRepeat() && toucheTenue) {
        toucheTenue = false;
        emit relache();
    }
}

// The wheel would change the position without the release that completes a change.
void HautBas::wheelEvent(QWheelEvent* e) {
    e->ignore();
}

void HautBas::flechesSeules() {
    setFixedWidth(20);
}
