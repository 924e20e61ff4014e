#pragma once

class TForm1;

// Builds the pop-up menus: PopupMenu1 of the image area, PopupMenu2 of the magnifier panel
// and PopupMenu3, the help drop-down under the help buttons. Their entries carry names
// (and, for the help entries, the tag in QAction::data()) and the state before any clip.
namespace menusSurgissants {

void construire(TForm1& f);

} // namespace menusSurgissants
