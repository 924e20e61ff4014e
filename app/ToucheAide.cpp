#include "app/ToucheAide.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ToucheAide::ToucheAide(QWidget* fenetre, std::function<void(int)> ouvrir)
    : QObject(fenetre)
    , fenetre_(fenetre)
    , ouvrir_(std::move(ouvrir)) {
    qApp->installEventFilter(this);
}

int ToucheAide::contexteDe(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        const int c = w->property("contexteAide").toInt();
        if (c > 0) return c;
    }
    return 0;
}

bool ToucheAide::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1)
        return false;
    auto* w = qobject_cast<QWidget*>(objet);
    if (w == nullptr) return false;
    // Only this window and the windows it owns.
    const QWidget* proprietaire = w->window();
    while (proprietaire != nullptr && proprietaire != fenetre_)
        proprietaire =
            proprietaire->parentWidget() ? proprietaire->parentWidget()->window() : nullptr;
    if (proprietaire == nullptr) return false;
    const int c = contexteDe(w);
    if (c > 0) ouvrir_(c);
    return true;
}
