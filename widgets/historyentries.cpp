#include "widgets/historyentries.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace {

// "Rückgängig: Zuschneiden"; the word alone while there is no step.
QString entryText(const QString& word, const QString& stepName) {
    return stepName.isEmpty() ? word : word + QStringLiteral(": ") + stepName;
}

// Step names may hold an ampersand, which a menu would take for a mnemonic.
QString shownName(QString name) {
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void addHistoryEntries(QMenu& menu, QUndoStack& stack) {
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().constFirst();
    auto* undo = new QAction(&menu);
    undo->setObjectName(QStringLiteral("undoEntry"));
    auto* redo = new QAction(&menu);
    redo->setObjectName(QStringLiteral("redoEntry"));
    auto follow = [undo, redo, &stack] {
        undo->setText(entryText(QStringLiteral("Rückgängig"), shownName(stack.undoText())));
        undo->setEnabled(stack.canUndo());
        redo->setText(entryText(QStringLiteral("Wiederholen"), shownName(stack.redoText())));
        redo->setEnabled(stack.canRedo());
    };
    follow();
    QObject::connect(&stack, &QUndoStack::indexChanged, &menu, follow);
    QObject::connect(&stack, &QUndoStack::undoTextChanged, &menu, follow);
    QObject::connect(&stack, &QUndoStack::redoTextChanged, &menu, follow);
    QObject::connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    menu.insertAction(first, undo);
    menu.insertAction(first, redo);
    menu.insertSeparator(first);
}
