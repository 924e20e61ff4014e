#pragma once

#include <QObject>

class TForm1;

// Clip opening and the clip properties tab.
class ControleurClip : public QObject {
    Q_OBJECT
public:
    explicit ControleurClip(TForm1& form);

private:
    TForm1& f;
};
