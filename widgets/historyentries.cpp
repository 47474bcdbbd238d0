#include "widgets/historyentries.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QUndoStack>

namespace {

// "Rückgängig: Zuschneiden"; the word alone while there is no step.
QString undoText(const QString& stepName) {
    return stepName.isEmpty() ? QCoreApplication::translate("HistoryEntries", "Rückgängig")
                              : QCoreApplication::translate("HistoryEntries", "Rückgängig: %1").arg(stepName);
}

QString redoText(const QString& stepName) {
    return stepName.isEmpty()
               ? QCoreApplication::translate("HistoryEntries", "Wiederholen")
               : QCoreApplication::translate("HistoryEntries", "Wiederholen: %1").arg(stepName);
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
        undo->setText(undoText(shownName(stack.undoText())));
        undo->setEnabled(stack.canUndo());
        redo->setText(redoText(shownName(stack.redoText())));
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
