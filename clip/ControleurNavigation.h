#pragma once

#include <QObject>

class TForm1;

// Positioning on an image, stepping, playing, redrawing, go-to-image.
class ControleurNavigation : public QObject {
    Q_OBJECT
public:
    explicit ControleurNavigation(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void mpPositionner(int i);
    void reDraw(int i);
    void marqueT0();
    void chercherPointsPixel(int x, int y);

private:
    TForm1& f;
};
