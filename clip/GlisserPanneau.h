#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Lets the user move a panel inside its parent with the mouse, as a window is dragged by
// its title bar: a left press on the panel itself (its frame: the children over it take
// their own presses) starts the move, the release ends it. The panel stays inside its
// parent as far as its size allows.
class GlisserPanneau : public QObject {
    Q_OBJECT
public:
    // `permis` says whether a move may start now.
    GlisserPanneau(QWidget* panneau, std::function<bool()> permis);

    bool enCours() const { return actif; }

signals:
    void survol(); // mouse moving over the panel, no move under way
    void debut();  // a move starts
    void fin();    // the move ended

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget* panneau;
    std::function<bool()> permis;
    bool actif = false;
    QPoint departSouris;  // global position of the press
    QPoint departPanneau; // panel position at the press
};
