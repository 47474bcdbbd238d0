// Undo and redo from the keyboard, on every page: Ctrl+Z undoes, Ctrl+Y and
// Ctrl+Shift+Z redo. A step that could not be kept is told in the status bar.

#include "app/mainwindow.h"
#include "document/jobhistory.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QList<QKeySequence> kRedoKeys = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

QAction* addWindowKey(QWidget& window, const QList<QKeySequence>& keys) {
    auto* action = new QAction(&window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

// A step taken back in the middle of a drag would leave the drag holding
// objects or a region that are no longer there.
bool mouseIsHeld() {
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

} // namespace

void MainWindow::installHistoryKeys() {
    JobHistory& history = job.history();
    connect(addWindowKey(*this, {kUndoKey}), &QAction::triggered, this, [&history] {
        if (!mouseIsHeld()) history.undo();
    });
    connect(addWindowKey(*this, kRedoKeys), &QAction::triggered, this, [&history] {
        if (!mouseIsHeld()) history.redo();
    });
    connect(&history, &JobHistory::stepLost, this, [this] {
        shell_.showStatus(tr("Zu wenig Speicher: Diese und frühere Änderungen können nicht "
                             "rückgängig gemacht werden."));
    });
}

// Text fields claim Ctrl+Z for their own typing. Here every typed value goes
// into the job at once, so the job's history answers the keys instead.
bool MainWindow::isHistoryKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return pressed == kUndoKey || kRedoKeys.contains(pressed);
}
