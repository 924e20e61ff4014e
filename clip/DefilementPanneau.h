#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QScrollArea;
class QWidget;

// The display area holds the clip panel where the user drags it, and scrolls over it: the
// area's surface always reaches the panel's right and bottom edges (and fills the area), so
// that the scroll bars appear when the panel is larger than the area and bring every pixel
// of it into view. A panel dragged past the left or top edge cannot stay at a negative
// place on the surface; the area scrolls by that much instead, and the panel stays where
// the user sees it.
class DefilementPanneau : public QObject {
    Q_OBJECT
public:
    // Gives `zone` its surface and puts `panneau` on it, at its present place.
    DefilementPanneau(QScrollArea* zone, QWidget* panneau);

    // The part of the surface that the area shows, in the surface's coordinates.
    static QRect partieVisible(const QScrollArea& zone);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void ajuster(bool panneauDeplace);
    void ramenerAuBord();

    QScrollArea* zone_;
    // Kept apart from the area: while the window is torn down, events still reach this
    // filter after the area has stopped being a scroll area.
    QPointer<QWidget> vue_;
    QWidget* panneau_;
    QWidget* surface_;
    bool enCours_ = false;
    bool aRefaire_ = false;
};
