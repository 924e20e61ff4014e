#pragma once

#include <QObject>

class TForm1;

// Clip opening and the clip properties tab.
class ControleurClip : public QObject {
    Q_OBJECT
public:
    explicit ControleurClip(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void RAZProClip();
    void bbtnOpenAviClick();

private:
    TForm1& f;
};
