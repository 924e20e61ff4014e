#pragma once

#include <QObject>

class TForm1;

// Positioning on an image, stepping, playing, redrawing, go-to-image.
class ControleurNavigation : public QObject {
    Q_OBJECT
public:
    explicit ControleurNavigation(TForm1& form);

private:
    TForm1& f;
};
