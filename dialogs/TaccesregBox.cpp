#include "dialogs/TaccesregBox.h"

TaccesregBox::TaccesregBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TaccesregBox");
    setWindowTitle(QStringLiteral("Définition du chemin d'accès à Regressi"));
}
