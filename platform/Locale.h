#pragma once

#include <QChar>

// Decimal separator of the user's locale (QLocale's default, which tests may change).
QChar separateurDecimal();
