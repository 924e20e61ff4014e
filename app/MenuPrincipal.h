#pragma once

class TForm1;

// Builds the main menu MainMenu1 and the shared actions RegPath, RegExec, TabExec, AutoH
// and AutoV, with names, tags, status-bar texts, check marks and the enabled state that
// the window has before any clip is opened. Handlers are connected by their rooms.
namespace menuPrincipal {

void construire(TForm1& f);

} // namespace menuPrincipal
