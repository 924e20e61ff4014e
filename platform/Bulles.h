#pragma once

#include <QString>

class QAction;
class QWidget;

// Hints are "short|long": the short part is the bubble, the long part the status bar.
namespace bulles {

struct Bulle {
    QString courte; // tool tip; empty when the hint begins with the bar
    QString longue; // status tip
};

Bulle decouper(const QString& hint);

// Gives a widget or an action both parts of a hint. A "\r" in the short part is a line break.
void appliquer(QWidget* w, const QString& hint);
void appliquer(QAction* a, const QString& hint);

} // namespace bulles
