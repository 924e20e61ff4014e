#pragma once

#include <QObject>

class TForm1;

// Menus, tool bar, modes, help, hints and resizing of the main window.
//
// The controls it builds, found by name with f.action(nom) / f.controle<T>(nom):
// - MainMenu1 (the menu bar). A submenu is a QMenu named mnuX whose opening entry is a
//   QAction with the same name: enable it through f.action("mnuX").
// - Radio entries without a name of their own are named mnuGrandeCible, mnuPetiteCible,
//   mnuCroix, mnuCouleurNoir, mnuCouleurBlanc, mnuTaille1..mnuTaille5, mnuFdCl1points..
//   mnuFdCl9points, mnuFdSb1points..mnuFdSb9points; the help entries Etalonner1, Pointer1,
//   ExploiterLesDonnees1 (menu "?") and SommaireDelAide2, Comment2, Etalonner2, Pointer2,
//   ExploiterLesDonnees2, AideSurLesBoutons2, AideDesMenus2 (PopupMenu3).
// - Tags: a menu entry keeps its tag in QAction::data() (toInt()); a widget keeps it in
//   its dynamic property "tag".
// - Shared commands are the actions RegPath, RegExec, TabExec, AutoH and AutoV; the menu
//   entries mnuRegPath, mnuRegExec, mnuTabExec, mnuAutoH, mnuAutoV and the buttons
//   bbtnRegExec, bbtnTabExec follow them. Connect to the action's triggered() and change
//   the action's enabled or checked state, never the entry's.
// - Tool bar buttons are QToolButtons (bbtnOpenAvi, bbtnIma, loupeBtn, bbtnCible,
//   bbtnRegExec, bbtnTabExec, bbtnCopierMesuresPP, bbtnCopierGraphiquePP,
//   bbtnEnregistrerMesures, bbtnImprimer, BitBtn1, BitBtn3, bbtnQuitter); the point-size
//   panel Panel7 holds the label lblTaillePoints and the spinner udTaillePoints (a QSpinBox,
//   position 0..4); lblNomAvi is a QLabel.
// - Pop-up menus are QMenus named PopupMenu1 (image area), PopupMenu2 (magnifier panel) and
//   PopupMenu3 (help drop-down).
class ControleurFenetre : public QObject {
    Q_OBJECT
public:
    explicit ControleurFenetre(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void PageControl1Change();
    void OptTraitt(bool actif);
    void ecrireConfig();

    void mnuQuitterClick();

private:
    TForm1& f;
};
