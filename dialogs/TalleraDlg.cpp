#include "dialogs/TalleraDlg.h"

TalleraDlg::TalleraDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TalleraDlg");
    setWindowTitle(QStringLiteral("Aller à l'image..."));
}
