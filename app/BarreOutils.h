#pragma once

class TForm1;

// Fills the tool bar ToolBar1: command buttons (QToolButton named bbtn...), the point-size
// panel Panel7, the two help buttons, the clip name label lblNomAvi and the quit button,
// with their hints and the enabled state before any clip is opened. Buttons that share a
// command with a menu entry (bbtnRegExec, bbtnTabExec) follow the actions RegExec and TabExec.
namespace barreOutils {

void construire(TForm1& f);

} // namespace barreOutils
