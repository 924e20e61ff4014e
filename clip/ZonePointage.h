#pragma once

#include <QImage>
#include <QWidget>

// The pointing surface PaintBox1: lies exactly over the video that the media device draws
// in the clip panel, paints the overlay of axes and points (calque) over it, and reports
// the mouse to the rooms.
//
// Repaints that the platform asks for are announced by repeintDemande(), so that the
// navigation redraws image and overlay a moment later. With a backing store kept by the
// toolkit, those are the surface being shown and getting a new size; every other paint
// follows one of our own changes (a new image, a new overlay) and must not ask for another
// redraw, or each redraw would ask for the next.
class ZonePointage : public QWidget {
    Q_OBJECT
public:
    explicit ZonePointage(QWidget* parent = nullptr);

    QImage calque; // overlay, transparent where nothing is drawn

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
    void resizeEvent(QResizeEvent* e) override;
};
