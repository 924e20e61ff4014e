#pragma once

#include <QObject>

class TForm1;

// Recording points by clicking on the image, with automatic advance.
class ControleurAcquisition : public QObject {
    Q_OBJECT
public:
    explicit ControleurAcquisition(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void ChgPointNumero(int k);

private:
    TForm1& f;
};
