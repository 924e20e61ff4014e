#include "app/GestionBulles.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kDelaiAvant = 400;
constexpr int kDuree = 4000;
constexpr int kDelaiEntre = 200;

// The two delays Qt reads from the style.
class StyleBulles : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kDelaiAvant;
        if (hint == SH_ToolTip_FallAsleepDelay) return kDelaiEntre;
        return QProxyStyle::styleHint(hint, option, widget, retour);
    }
};

} // namespace

GestionBulles::GestionBulles(std::function<void(const QString&)> surHint, QObject* parent)
    : QObject(parent)
    , surHint_(std::move(surHint)) {
    qApp->installEventFilter(this);
}

void GestionBulles::reglerApparence() {
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(p);
    if (dynamic_cast<StyleBulles*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new StyleBulles);
}

bool GestionBulles::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        surHint_(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    if (e->type() == QEvent::ToolTip) {
        if (!bulles_) {
            QToolTip::hideText();
            return true;
        }
        auto* w = qobject_cast<QWidget*>(objet);
        if (w == nullptr || w->toolTip().isEmpty()) return false; // the parent's hint, if any
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), w->toolTip(), w, QRect(),
                           kDuree);
        return true;
    }
    return QObject::eventFilter(objet, e);
}
