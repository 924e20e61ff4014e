#include "dialogs/TFormatTxtBox.h"

TFormatTxtBox::TFormatTxtBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TFormatTxtBox");
    setWindowTitle(QStringLiteral("Enregistrement au format Texte (*.txt)"));
}
