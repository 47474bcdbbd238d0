// Files from outside the window: the one named on the command line and those
// dropped from a file manager.

#include "app/mainwindow.h"
#include "document/givenfile.h"
#include "raster/imagefile.h"
#include "raster/ui/scanpage.h"
#include "widgets/dialogs.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace {

// The file a drag carries, when the window can take it. The source must allow a
// copy: accepting a move would let a file manager delete the user's file.
QString acceptableDrop(const QDropEvent& event) {
    if (!(event.possibleActions() & Qt::CopyAction) || !event.mimeData()->hasUrls()) return {};
    return droppedFile(event.mimeData()->urls());
}

} // namespace

void MainWindow::openFromCommandLine(const QStringList& arguments) {
    const QString fileName = fileOfArguments(arguments);
    if (!fileName.isEmpty()) openGivenFile(fileName);
}

bool MainWindow::openGivenFile(const QString& fileName) {
    if (givenFileKindOf(fileName) == GivenFileKind::Cover)
        return saveChangesFirst(tr("Datei/Öffnen")) && OpenFile(fileName);
    return openGivenImage(fileName);
}

bool MainWindow::openGivenImage(const QString& fileName) {
    ImageFileRead read = readImageFile(fileName, shell_.imageLimits());
    if (read.image.isNull()) {
        dialogs().message(imageReadFailureText(QFileInfo(fileName).fileName(), read, shell_.imageLimits()),
                          tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    scanPage->receiveImage(std::move(read.image));
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptableDrop(*event).isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString fileName = acceptableDrop(*event);
    if (fileName.isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Questions and messages come after the drop has ended, so the file manager
    // is not left waiting on them.
    QMetaObject::invokeMethod(
        this, [this, fileName] { openGivenFile(fileName); }, Qt::QueuedConnection);
}
