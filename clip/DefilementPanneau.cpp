#include "clip/DefilementPanneau.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

DefilementPanneau::DefilementPanneau(QScrollArea* zone, QWidget* panneau)
    : QObject(zone)
    , zone_(zone)
    , vue_(zone->viewport())
    , panneau_(panneau)
    , surface_(new QWidget) {
    surface_->setObjectName(zone->objectName() + QStringLiteral("Surface"));
    zone_->setWidgetResizable(false);
    zone_->setWidget(surface_);
    // The area's own background shows around the panel, as before it had a surface.
    surface_->setAutoFillBackground(false);
    panneau_->setParent(surface_); // keeps its place
    panneau_->show();
    panneau_->installEventFilter(this);
    vue_->installEventFilter(this);
    ajuster(false);
}

QRect DefilementPanneau::partieVisible(const QScrollArea& zone) {
    const QWidget* surface = zone.widget();
    if (surface == nullptr) return zone.viewport()->rect();
    return QRect(-surface->pos(), zone.viewport()->size());
}

bool DefilementPanneau::eventFilter(QObject* objet, QEvent* e) {
    const bool deplace = e->type() == QEvent::Move, redimensionne = e->type() == QEvent::Resize;
    if (objet == panneau_ && (deplace || redimensionne))
        ajuster(deplace);
    else if (objet == vue_ && redimensionne)
        ajuster(false);
    return QObject::eventFilter(objet, e);
}

void DefilementPanneau::ajuster(bool panneauDeplace) {
    // Resizing the surface shows or hides scroll bars, which resizes the area's viewport,
    // which asks for this again: those requests are served by the loop below.
    if (enCours_) {
        aRefaire_ = true;
        return;
    }
    enCours_ = true;
    if (panneauDeplace) ramenerAuBord();
    // A few rounds settle the scroll bars (one of them can call for the other).
    for (int tour = 0; tour < 4; ++tour) {
        aRefaire_ = false;
        const QSize vue = vue_->size();
        const QRect g = panneau_->geometry();
        surface_->resize(std::max(vue.width(), g.x() + g.width()),
                         std::max(vue.height(), g.y() + g.height()));
        if (!aRefaire_) break;
    }
    enCours_ = false;
}

// Keeps the panel at the smallest place on the surface that shows it where it is: left of
// the surface's edge it would be cut off, and with the area scrolled, the space before it
// would be scrolled over for nothing.
void DefilementPanneau::ramenerAuBord() {
    QScrollBar* h = zone_->horizontalScrollBar();
    QScrollBar* v = zone_->verticalScrollBar();
    // On one axis: `place` on the surface, `defile` the scroll position.
    const auto axe = [](int& place, int& defile) {
        if (place >= 0 && (place == 0 || defile == 0)) return;
        const int vu = place - defile; // where the user sees it in the area
        place = std::max(0, vu);
        defile = std::max(0, -vu);
    };
    int x = panneau_->x(), y = panneau_->y(), dx = h->value(), dy = v->value();
    axe(x, dx);
    axe(y, dy);
    if (QPoint(x, y) == panneau_->pos()) return;
    panneau_->move(x, y);
    // Room for the new scroll position before the bars take it.
    const QSize vue = vue_->size();
    surface_->resize(std::max(vue.width() + dx, x + panneau_->width()),
                     std::max(vue.height() + dy, y + panneau_->height()));
    h->setValue(dx);
    v->setValue(dy);
}
