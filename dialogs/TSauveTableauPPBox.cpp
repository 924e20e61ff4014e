#include "dialogs/TSauveTableauPPBox.h"

TSauveTableauPPBox::TSauveTableauPPBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TSauveTableauPPBox");
    setWindowTitle(QStringLiteral("Tableau de mesures >>> Presse-papier"));
}
