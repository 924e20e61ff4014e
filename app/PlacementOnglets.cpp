#include "app/PlacementOnglets.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {
// Room the page control keeps beside the row of titles (its frame).
constexpr int kMarge = 4;
} // namespace

PlacementOnglets::PlacementOnglets(QTabWidget* onglets)
    : QObject(onglets)
    , onglets_(onglets) {
    onglets->installEventFilter(this);
}

bool PlacementOnglets::eventFilter(QObject* objet, QEvent* e) {
    if (objet == onglets_ && e->type() == QEvent::Resize) ajuster();
    return QObject::eventFilter(objet, e);
}

void PlacementOnglets::ajuster() {
    const QSize titres = onglets_->tabBar()->sizeHint();
    const bool enLigne = onglets_->tabPosition() == QTabWidget::North ||
                         onglets_->tabPosition() == QTabWidget::South;
    // The length of the row of titles is the same in both places.
    const int longueur = enLigne ? titres.width() : titres.height();
    const auto place =
        onglets_->width() >= longueur + kMarge ? QTabWidget::North : QTabWidget::West;
    if (place != onglets_->tabPosition()) onglets_->setTabPosition(place);
}
