#include "dialogs/TtailleImaBox.h"

TtailleImaBox::TtailleImaBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TtailleImaBox");
    setWindowTitle(QStringLiteral("Taille du clip"));
}
