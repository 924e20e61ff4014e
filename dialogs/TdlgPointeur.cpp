#include "dialogs/TdlgPointeur.h"

TdlgPointeur::TdlgPointeur(QWidget* parent) : QDialog(parent) {
    setObjectName("TdlgPointeur");
    setWindowTitle(QStringLiteral("Aspect du pointeur"));
}
