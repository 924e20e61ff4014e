#pragma once

#include <QObject>

class TForm1;

// Recording points by clicking on the image, with automatic advance.
class ControleurAcquisition : public QObject {
    Q_OBJECT
public:
    explicit ControleurAcquisition(TForm1& form);

private:
    TForm1& f;
};
