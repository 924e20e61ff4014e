#include "dialogs/TsauverMesuresBox.h"

TsauverMesuresBox::TsauverMesuresBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TsauverMesuresBox");
    setWindowTitle(QStringLiteral("Enregistrement des mesures"));
}
