#pragma once

#include <QImage>
#include <QWidget>

// The pointing surface PaintBox1: shows the image the media device decoded, with the
// overlay of axes and points drawn over it, and reports the mouse to the rooms.
class ZonePointage : public QWidget {
    Q_OBJECT
public:
    explicit ZonePointage(QWidget* parent = nullptr);

    QImage calque; // overlay, transparent where nothing is drawn

signals:
    void sourisEnfoncee(QMouseEvent* e);
    void sourisDeplacee(QMouseEvent* e);
    void sourisRelachee(QMouseEvent* e);

protected:
    void mousePressEvent(QMouseEvent* e) override { emit sourisEnfoncee(e); }
    void mouseMoveEvent(QMouseEvent* e) override { emit sourisDeplacee(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { emit sourisRelachee(e); }
};
