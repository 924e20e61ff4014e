#include "platform/DispositionFluide.h"

#include <QWidget>
#include <algorithm>

DispositionFluide::DispositionFluide(QWidget* parent, int espaceH, int espaceV)
    : QLayout(parent)
    , espaceH_(espaceH)
    , espaceV_(espaceV) {
    setContentsMargins(0, 0, 0, 0);
}

DispositionFluide::~DispositionFluide() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void DispositionFluide::addItem(QLayoutItem* item) { items_.append(item); }

int DispositionFluide::count() const { return int(items_.size()); }

QLayoutItem* DispositionFluide::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* DispositionFluide::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations DispositionFluide::expandingDirections() const { return {}; }

bool DispositionFluide::hasHeightForWidth() const { return true; }

int DispositionFluide::heightForWidth(int largeur) const {
    return disposer(QRect(0, 0, largeur, 0), false);
}

// As narrow as the widest item: every item then stands on a line of its own.
QSize DispositionFluide::minimumSize() const {
    QSize s;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty()) s = s.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return s + QSize(m.left() + m.right(), m.top() + m.bottom());
}

// One line holding every item.
QSize DispositionFluide::sizeHint() const {
    int largeur = 0, hauteur = 0, n = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize s = item->sizeHint();
        largeur += s.width() + (n++ > 0 ? espaceH_ : 0);
        hauteur = std::max(hauteur, s.height());
    }
    const QMargins m = contentsMargins();
    return QSize(largeur + m.left() + m.right(), hauteur + m.top() + m.bottom());
}

void DispositionFluide::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    disposer(rect, true);
}

int DispositionFluide::disposer(const QRect& rect, bool placer) const {
    const QRect zone = rect.marginsRemoved(contentsMargins());
    int x = zone.x(), y = zone.y(), hauteurLigne = 0;
    bool ligneVide = true;
    // Items of a line are placed once the line is complete, centred on its height.
    struct Place {
        QLayoutItem* item;
        QPoint coin;
        QSize taille;
    };
    QList<Place> ligne;
    auto finirLigne = [&] {
        if (placer)
            for (const Place& p : ligne)
                p.item->setGeometry(QRect(
                    p.coin + QPoint(0, (hauteurLigne - p.taille.height()) / 2), p.taille));
        ligne.clear();
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        QSize s = item->sizeHint();
        s.setWidth(std::min(s.width(), std::max(zone.width(), item->minimumSize().width())));
        if (item->hasHeightForWidth()) s.setHeight(item->heightForWidth(s.width()));
        if (!ligneVide && x + s.width() > zone.x() + zone.width()) {
            finirLigne();
            x = zone.x();
            y += hauteurLigne + espaceV_;
            hauteurLigne = 0;
        }
        ligne.append({item, QPoint(x, y), s});
        x += s.width() + espaceH_;
        hauteurLigne = std::max(hauteurLigne, s.height());
        ligneVide = false;
    }
    finirLigne();
    const QMargins m = contentsMargins();
    return y + hauteurLigne - zone.y() + m.top() + m.bottom();
}
