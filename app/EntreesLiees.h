#pragma once

class QAbstractButton;
class QAction;

// A command shared by a menu entry and a tool-bar button lives in one named action
// (RegExec, TabExec, RegPath, AutoH, AutoV). The entry and the button carry their own
// names and follow the action: enable, disable or check the action, never the entry.
namespace entreesLiees {

// The entry takes the action's enabled, checked and visible states; choosing it runs the action.
void lierEntree(QAction* entree, QAction* action);

// The button takes the action's enabled state; clicking it runs the action.
void lierBouton(QAbstractButton* bouton, QAction* action);

} // namespace entreesLiees
