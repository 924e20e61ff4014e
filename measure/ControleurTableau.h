#pragma once

#include <QObject>

class TForm1;

// Pixel, measurement and appearance tables, number formats, time origin, erasing.
class ControleurTableau : public QObject {
    Q_OBJECT
public:
    explicit ControleurTableau(TForm1& form);

private:
    TForm1& f;
};
