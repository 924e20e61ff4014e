#include "dialogs/TaspectPointBox.h"

TaspectPointBox::TaspectPointBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TaspectPointBox");
    setWindowTitle(QStringLiteral("Aspect du point"));
}
