#pragma once

#include "app/EtatVue.h"
#include "dialogs/Dialogues.h"
#include "dialogs/LignesConfiguration.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QFrame;
class QScrollArea;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolBar;
class PeripheriqueMedia;
class RegistreCurseurs;
class Seance;
class ZonePointage;

// What a room of the main window is built with: the window's regions, into which it puts
// its own controls; the measurement document; the view state; the services (media device,
// cursors, dialogs, configuration lines). The main window fills it once, and a room never
// sees the window's class. The named menu entries and buttons of the shell are found by
// name; a room connects to its own commands among them.
struct ContexteFenetre {
    QWidget* fenetre = nullptr; // the main window: parent of the rooms and their boxes

    QToolBar* ToolBar1 = nullptr;
    QWidget* pnl1 = nullptr;
    QToolBar* tbCoord = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QFrame* pnl1AVI = nullptr;
    ZonePointage* PaintBox1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsMesures = nullptr;
    QWidget* tsEtalon = nullptr;
    QWidget* tsProClip = nullptr;
    QWidget* pnlPointage = nullptr;
    QWidget* pnlTableau = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QFrame* loupePnl = nullptr;

    Seance* seance = nullptr;
    EtatVue* vue = nullptr;
    const Dialogues* dlg = nullptr;
    PeripheriqueMedia* MediaPlayer1 = nullptr;
    RegistreCurseurs* curseurs = nullptr;
    LignesConfiguration config;
    std::function<bool()> temoinClip; // a clip is open

    bool clipOuvert() const { return temoinClip && temoinClip(); }
    // A named entry or button of the window; nullptr when there is none.
    QAction* action(const QString& nom) const;
    template <class W> W* controle(const QString& nom) const { return fenetre->findChild<W*>(nom); }
};
