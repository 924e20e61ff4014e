#pragma once

class QMenuBar;
class QUndoStack;

// The menu "Edition": undo and redo of the changes of the measures, captioned with the
// change they would undo or redo ("Annuler le pointage"), disabled when there is none.
namespace menuEdition {

void construire(QMenuBar* barre, QUndoStack& pile);

} // namespace menuEdition
