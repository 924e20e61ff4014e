#pragma once

#include <QObject>

class TForm1;

// Menus, tool bar, modes, help, hints and resizing of the main window.
class ControleurFenetre : public QObject {
    Q_OBJECT
public:
    explicit ControleurFenetre(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void PageControl1Change();
    void OptTraitt(bool actif);
    void ecrireConfig();

private:
    TForm1& f;
};
