#pragma once

#include <QObject>

class TForm1;

// Appearance of points, axes and pointer; the overlay drawing.
class ControleurAspect : public QObject {
    Q_OBJECT
public:
    explicit ControleurAspect(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void Drawpoints();

private:
    TForm1& f;
};
