#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

// Lets the user move a panel inside its parent with the mouse, as a window is dragged by
// its title bar: a left press on the panel itself (its frame: the children over it take
// their own presses) starts the move, the release ends it. The panel stays inside a zone
// of its parent, by default the whole parent: a smaller panel stays wholly inside, a
// larger one keeps covering it.
class GlisserPanneau : public QObject {
    Q_OBJECT
public:
    // `permis` says whether a move may start now; `zone`, when given, is the zone in the
    // parent's coordinates at each move.
    GlisserPanneau(QWidget* panneau, std::function<bool()> permis,
                   std::function<QRect()> zone = {});

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
    std::function<QRect()> zone;
    bool actif = false;
    QPoint departSouris;  // global position of the press
    QPoint departPanneau; // global position of the panel's corner at the press: the parent
                          // itself may move under the panel while it is dragged
};
