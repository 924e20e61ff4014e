#include "measure/PanneauPointage.h"

#include "platform/DispositionFluide.h"

#include <QHBoxLayout>
#include <QWidget>

namespace panneauPointage {

namespace {
QLayout* disposition(QWidget* pnlPointage) {
    if (QLayout* d = pnlPointage->layout()) return d;
    return new DispositionFluide(pnlPointage, 14, 2);
}
} // namespace

void ajouterBloc(QWidget* pnlPointage, std::initializer_list<QWidget*> controles) {
    auto* bloc = new QWidget(pnlPointage);
    auto* ligne = new QHBoxLayout(bloc);
    ligne->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : controles)
        ligne->addWidget(w);
    disposition(pnlPointage)->addWidget(bloc);
}

} // namespace panneauPointage
