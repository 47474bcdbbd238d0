#pragma once
// The undo and redo entries of a pop-up menu: "Rückgängig: NAME" and
// "Wiederholen: NAME" at its top, disabled while there is nothing to undo or
// redo, followed by a separator.

class QMenu;
class QUndoStack;

void addHistoryEntries(QMenu& menu, QUndoStack& stack);
