#include "platform/Bulles.h"

#include <QAction>
#include <QWidget>

namespace bulles {

Bulle decouper(const QString& hint) {
    const qsizetype barre = hint.indexOf('|');
    if (barre < 0) return {hint, hint};
    return {hint.left(barre), hint.mid(barre + 1)};
}

namespace {
QString bulleAffichee(const QString& courte) {
    QString t = courte;
    t.replace('\r', '\n');
    return t;
}
} // namespace

void appliquer(QWidget* w, const QString& hint) {
    const Bulle b = decouper(hint);
    w->setToolTip(bulleAffichee(b.courte));
    w->setStatusTip(b.longue);
}

void appliquer(QAction* a, const QString& hint) {
    const Bulle b = decouper(hint);
    a->setToolTip(bulleAffichee(b.courte));
    a->setStatusTip(b.longue);
}

} // namespace bulles
