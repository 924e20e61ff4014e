#include "dialogs/TaccesClipsBox.h"

TaccesClipsBox::TaccesClipsBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TaccesClipsBox");
    setWindowTitle(QStringLiteral("Définition du chemin d'accès aux clips"));
}
