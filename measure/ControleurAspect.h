#pragma once

#include <QObject>

class TForm1;

// Appearance of points, axes and pointer; the overlay drawing.
class ControleurAspect : public QObject {
    Q_OBJECT
public:
    explicit ControleurAspect(TForm1& form);

private:
    TForm1& f;
};
