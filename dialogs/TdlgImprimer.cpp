#include "dialogs/TdlgImprimer.h"

TdlgImprimer::TdlgImprimer(QWidget* parent) : QDialog(parent) {
    setObjectName("TdlgImprimer");
    setWindowTitle(QStringLiteral("Impression des points et des axes"));
}
