#pragma once

#include <QImage>
#include <QWidget>

// The pointing surface PaintBox1: lies exactly over the video that the media device draws
// in the clip panel, paints the overlay of axes and points (calque) over it, and reports
// the mouse to the rooms.
//
// A paint that the platform asks for (first show, new size, uncovering) is announced by
// repeintDemande(), so that the navigation redraws image and overlay later; paints that
// follow our own changes (a new image from the device, a new overlay) are not, or every
// redraw would ask for the next one.
class ZonePointage : public QWidget {
    Q_OBJECT
public:
    explicit ZonePointage(QWidget* parent = nullptr);

    QImage calque; // overlay, transparent where nothing is drawn

    // The next paint follows a change of ours: it asks for nothing.
    void marquerRepeintInterne() { interne = true; }

signals:
    void sourisEnfoncee(QMouseEvent* e);
    void sourisDeplacee(QMouseEvent* e);
    void sourisRelachee(QMouseEvent* e);
    void repeintDemande();

protected:
    void mousePressEvent(QMouseEvent* e) override { emit sourisEnfoncee(e); }
    void mouseMoveEvent(QMouseEvent* e) override { emit sourisDeplacee(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { emit sourisRelachee(e); }
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    bool interne = false;
    qint64 cleCalque = 0; // the overlay as last painted: a change means we drew on it
};
