#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The picture of the media device: a child of the display window placed at the display
// rectangle, painting the current image scaled to it. It lies under the pointing surface
// and lets the mouse through to the panel around it. The image is asked of the device when
// painting, so that positions passed through between two paints are never decoded.
class EcranVideo : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<const QImage&()>;
    EcranVideo(QWidget* parent, Source source);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Source source;
};
