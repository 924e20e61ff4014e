#include "clip/GlisserPanneau.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

GlisserPanneau::GlisserPanneau(QWidget* p, std::function<bool()> ok)
    : QObject(p)
    , panneau(p)
    , permis(std::move(ok)) {
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
        departPanneau = panneau->pos();
        emit debut();
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!actif) {
            if (permis()) emit survol();
            return false;
        }
        QPoint p = departPanneau + m->globalPosition().toPoint() - departSouris;
        if (QWidget* parent = panneau->parentWidget()) {
            // Keep at least the frame's corner reachable: never beyond the parent's edges.
            const int maxX = std::max(0, parent->width() - panneau->width());
            const int maxY = std::max(0, parent->height() - panneau->height());
            p.setX(std::clamp(p.x(), std::min(0, parent->width() - panneau->width()), maxX));
            p.setY(std::clamp(p.y(), std::min(0, parent->height() - panneau->height()), maxY));
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
