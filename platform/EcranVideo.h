#pragma once

#include <QImage>
#include <QWidget>

// The picture of the media device: a child of the display window placed at the display
// rectangle, painting the current image scaled to it. It lies under the pointing surface
// and lets the mouse through to the panel around it.
class EcranVideo : public QWidget {
    Q_OBJECT
public:
    explicit EcranVideo(QWidget* parent);

    void setImage(const QImage& image);
    const QImage& image() const { return img; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage img;
};
