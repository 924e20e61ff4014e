#include "dialogs/TAboutBox.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle(QStringLiteral("A propos..."));
}
