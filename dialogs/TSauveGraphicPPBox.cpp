#include "dialogs/TSauveGraphicPPBox.h"

TSauveGraphicPPBox::TSauveGraphicPPBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TSauveGraphicPPBox");
    setWindowTitle(QStringLiteral("Graphique >>> Presse-papier"));
}
