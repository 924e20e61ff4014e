#pragma once

#include <QObject>

class TForm1;

// Pixel, measurement and appearance tables, number formats, time origin, erasing.
class ControleurTableau : public QObject {
    Q_OBJECT
public:
    explicit ControleurTableau(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void initTableau(int n);
    void Button2Click();
    void ActualGrid();

private:
    TForm1& f;
};
