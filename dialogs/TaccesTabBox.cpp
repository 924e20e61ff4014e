#include "dialogs/TaccesTabBox.h"

TaccesTabBox::TaccesTabBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TaccesTabBox");
    setWindowTitle(QStringLiteral("Choix du tableur"));
}
