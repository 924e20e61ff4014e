#pragma once

#include <QObject>

class TForm1;

// Origin, axes and scale: the calibration tab and its clicks on the image.
class ControleurEtalonnage : public QObject {
    Q_OBJECT
public:
    explicit ControleurEtalonnage(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void initEchelle();
    void ImgEtalon(int n);
    void ChxOrigRAZ();
    void etalonSimuRAZ();
    void echEtapAff(int code);

private:
    TForm1& f;
};
