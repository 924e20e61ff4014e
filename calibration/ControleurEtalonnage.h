#pragma once

#include <QObject>

class TForm1;

// Origin, axes and scale: the calibration tab and its clicks on the image.
class ControleurEtalonnage : public QObject {
    Q_OBJECT
public:
    explicit ControleurEtalonnage(TForm1& form);

private:
    TForm1& f;
};
