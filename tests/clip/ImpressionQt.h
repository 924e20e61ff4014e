#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable QString values in the failure messages of these tests.
static inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
static inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}
