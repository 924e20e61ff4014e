#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The help key F1, in the main window and in every dialog: opens the help context of the
// focused control or of its nearest enclosing control that has one (the int property
// "contexteAide"; a dialog without one falls back on its owner, the main window).
class ToucheAide : public QObject {
    Q_OBJECT
public:
    ToucheAide(QWidget* fenetre, std::function<void(int)> ouvrir);

    static int contexteDe(const QWidget* w); // 0 when neither w nor its ancestors have one

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget* fenetre_;
    std::function<void(int)> ouvrir_;
};
