#include "clip/GlisserPanneau.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

GlisserPanneau::GlisserPanneau(QWidget* p, std::function<bool()> ok, std::function<QRect()> z)
    : QObject(p)
    , panneau(p)
    , permis(std::move(ok))
    , zone(std::move(z)) {
    panneau->setMouseTracking(true);
    panneau->installEventFilter(this);
}

bool GlisserPanneau::eventFilter(QObject* objet, QEvent* e) {
    if (objet != panneau) return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton || !permis()) return false;
        actif = true;
        departSouris = m->globalPosition().toPoint();
        departPanneau = panneau->mapToGlobal(QPoint(0, 0));
        emit debut();
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!actif) {
            if (permis()) emit survol();
            return false;
        }
        const QPoint global = departPanneau + m->globalPosition().toPoint() - departSouris;
        QWidget* parent = panneau->parentWidget();
        QPoint p = parent != nullptr ? parent->mapFromGlobal(global) : global;
        if (parent != nullptr) {
            // Keep at least the frame's corner reachable: never beyond the zone's edges.
            const QRect z = zone ? zone() : parent->rect();
            const int finX = z.x() + z.width() - panneau->width();
            const int finY = z.y() + z.height() - panneau->height();
            p.setX(std::clamp(p.x(), std::min(z.x(), finX), std::max(z.x(), finX)));
            p.setY(std::clamp(p.y(), std::min(z.y(), finY), std::max(z.y(), finY)));
        }
        panneau->move(p);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!actif) return false;
        actif = false;
        emit fin();
        return true;
    default:
        return false;
    }
}
