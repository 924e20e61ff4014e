#include "platform/Locale.h"

#include <QLocale>

QChar separateurDecimal() {
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}
