#include "app/MenuEdition.h"

#include "app/ConstructionMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace menuEdition {

namespace {

// The caption and state of one entry, kept in step with the stack.
void suivre(QAction* a, const QString& verbe, QUndoStack& pile, bool annuler) {
    auto maj = [a, verbe, &pile, annuler] {
        const bool possible = annuler ? pile.canUndo() : pile.canRedo();
        const QString quoi = annuler ? pile.undoText() : pile.redoText();
        a->setText(possible && !quoi.isEmpty() ? verbe + QLatin1Char(' ') + quoi : verbe);
        a->setEnabled(possible);
    };
    // Every push, undo, redo and clear moves the index, and with it the texts.
    QObject::connect(&pile, &QUndoStack::indexChanged, a, maj);
    maj();
}

} // namespace

void construire(QMenuBar* barre, QUndoStack& pile) {
    using namespace constructionMenus;
    QMenu* m = sousMenu(barre, QStringLiteral("Edition"), "mnuEdition");
    QAction* annuler = entree(m, QStringLiteral("Annuler"), "mnuAnnuler",
                              QStringLiteral("Annuler la dernière modification des mesures"));
    annuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    annuler->setToolTip(QStringLiteral("Annuler"));
    QAction* retablir = entree(m, QStringLiteral("Rétablir"), "mnuRetablir",
                               QStringLiteral("Rétablir la modification des mesures annulée"));
    retablir->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    retablir->setToolTip(QStringLiteral("Rétablir"));
    QObject::connect(annuler, &QAction::triggered, &pile, &QUndoStack::undo);
    QObject::connect(retablir, &QAction::triggered, &pile, &QUndoStack::redo);
    suivre(annuler, QStringLiteral("Annuler"), pile, true);
    suivre(retablir, QStringLiteral("Rétablir"), pile, false);
}

} // namespace menuEdition
