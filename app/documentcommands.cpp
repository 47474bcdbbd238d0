// The document commands of the top bar: new, open, save and save as, with the
// cover file underneath.

#include "app/mainwindow.h"
#include "document/coverfile.h"
#include "document/jobhistory.h"
#include "objects/ui/annotationpage.h"
#include "paper/ui/placementpage.h"
#include "print/ui/printpage.h"
#include "raster/ui/scanpage.h"
#include "retouch/ui/retouchpage.h"
#include "widgets/dialogs.h"
#include "widgets/scrollbox.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

QString saveQuestion() {
    return QCoreApplication::translate(
        "MainWindow", "Der Auftrag wurde geändert. Sollen die Änderungen gespeichert werden?");
}

QString errorCaption() {
    return QCoreApplication::translate("MainWindow", "Fehler");
}

// The captions are the ones a desktop gives its own file dialogs.
FileRequest coverFileRequest(const QString& caption) {
    FileRequest request;
    request.caption = caption;
    request.filter = QCoreApplication::translate("MainWindow", "CD-Cover-Dateien (*.cov)|*.cov");
    request.defaultSuffix = QStringLiteral("cov");
    return request;
}

QString withoutFolder(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

bool MainWindow::saveChangesFirst(const QString& caption) {
    if (job.history().isSaved()) return true;
    switch (dialogs().message(saveQuestion(), caption, MsgButtons::SaveDiscardCancel, MsgIcon::Warning)) {
    case MsgAnswer::Save:
        return saveCover();
    case MsgAnswer::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::newCover() {
    if (!saveChangesFirst(tr("Datei/Neu"))) return;
    {
        const CoverJob::ChangeBatch newJob(job);
        job.clearObjects();
        job.makeWhiteStartImage(shell_.imageLimits());
        job.markWholeImage();
        setSavedFileName(QString());
    }
    // The new job starts without history, with nothing to save.
    job.history().clear();
}

void MainWindow::openCover() {
    if (!saveChangesFirst(tr("Datei/Öffnen"))) return;
    FileRequest request = coverFileRequest(tr("Öffnen"));
    request.mustExist = true;
    if (const std::optional<FileAnswer> answer = dialogs().openFile(request)) OpenFile(answer->path);
}

bool MainWindow::saveCover() {
    if (job.fileName().isEmpty()) return saveCoverAs();
    return SaveFile(job.fileName());
}

bool MainWindow::saveCoverAs() {
    FileRequest request = coverFileRequest(tr("Speichern unter"));
    request.confirmOverwrite = true;
    const std::optional<FileAnswer> answer = dialogs().saveFile(request);
    return answer && SaveFile(answer->path);
}

bool MainWindow::SaveFile(const QString& fileName) {
    const cover::CoverSource source = cover::coverSourceOf(job);
    const cover::WriteStatus status =
        cover::writeCoverFile(fileName, source, [this](int percent) { shell_.showProgress(percent); });
    if (status == cover::WriteStatus::Ok) {
        setSavedFileName(fileName);
        job.history().markSaved();
        return true;
    }
    const QString text = cover::writeFailureText(status, withoutFolder(fileName));
    // The progress bar may have stopped half way.
    shell_.showProgress(0);
    dialogs().message(text, errorCaption(), MsgButtons::Ok, MsgIcon::Error);
    return false;
}

bool MainWindow::OpenFile(const QString& fileName) {
    cover::ReadResult result = cover::readCoverFile(fileName, shell_.imageLimits(),
                                                    [this](int percent) { shell_.showProgress(percent); });
    if (result.status != cover::ReadStatus::Ok) {
        dialogs().message(cover::readFailureText(result.status, withoutFolder(fileName)), errorCaption(),
                          MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    const std::optional<PrintSettings> settings = std::move(result.document.printSettings);
    {
        const CoverJob::ChangeBatch openedJob(job);
        cover::installDocument(std::move(result.document), job);
        job.markWholeImage();
        // A line left from the file opened before would now be wrong.
        shell_.showStatus(QString());
        if (settings) restorePrintSettings(*settings);
        setSavedFileName(fileName);
    }
    // The opened job starts without history, as saved.
    job.history().clear();
    return true;
}

void MainWindow::restorePrintSettings(const PrintSettings& settings) {
    const QString name = settings.paper ? settings.paper->displayName() : QString();
    switch (cover::installPrintSettings(settings, shell_.paperCatalogue(), job)) {
    case PaperCatalogue::Found::InCatalogue:
        break;
    case PaperCatalogue::Found::Added:
        shell_.showStatus(tr("Papierformat \"%1\" aus dem Cover hinzugefügt").arg(name));
        break;
    case PaperCatalogue::Found::AddedNotSaved:
        shell_.showStatus(
            tr("Papierformat \"%1\" aus dem Cover hinzugefügt, aber nicht gespeichert").arg(name));
        break;
    }
}
