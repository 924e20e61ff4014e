#pragma once

#include <QObject>

class TForm1;

// Menus, tool bar, modes, help, hints and resizing of the main window.
class ControleurFenetre : public QObject {
    Q_OBJECT
public:
    explicit ControleurFenetre(TForm1& form);

private:
    TForm1& f;
};
