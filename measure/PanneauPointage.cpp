#include "measure/PanneauPointage.h"

#include <QHBoxLayout>
#include <QWidget>

namespace panneauPointage {

QBoxLayout* disposition(QWidget* pnlPointage) {
    if (auto* d = qobject_cast<QBoxLayout*>(pnlPointage->layout())) return d;
    auto* d = new QHBoxLayout(pnlPointage);
    d->setContentsMargins(0, 0, 0, 0);
    d->setSpacing(6);
    return d;
}

} // namespace panneauPointage
