#include "raster/ui/scancommands.h"

#include "raster/scannersession.h"
#include "raster/ui/scandialogs.h"
#include "widgets/dialogs.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

void reportFailure(Dialogs& dialogs, sane::Failure failure) {
    dialogs.message(sane::failureText(failure), QCoreApplication::translate("ScanCommands", "Fehler"),
                    MsgButtons::Ok, MsgIcon::Error);
}

} // namespace

void chooseScanner(ScannerSession& session, Dialogs& dialogs, QWidget* owner) {
    const std::vector<sane::Device> devices = sane::devices();
    if (devices.empty()) {
        reportFailure(dialogs, sane::Failure::NoDevice);
        return;
    }
    ScannerSelectDialog dialog(devices, session.chosenDevice(), owner);
    if (dialogs.runModal(dialog) != QDialog::Accepted) return;
    const QByteArray selected = dialog.selectedDevice();
    if (!selected.isEmpty()) session.chooseDevice(selected);
}

void askOptionsAndStartScan(ScannerSession& session, Dialogs& dialogs, QWidget* owner,
                            const ImageLimits& limits) {
    // One scan at a time: the device is busy until the running one ends.
    if (session.scanning()) {
        reportFailure(dialogs, sane::Failure::Busy);
        return;
    }
    ScannerSession::OpenedDevice opened = session.openChosenDevice();
    if (!opened.scanner) {
        reportFailure(dialogs, opened.failure);
        return;
    }
    ScanOptionsDialog options(opened.title, opened.scanner->options(), owner);
    if (dialogs.runModal(options) != QDialog::Accepted) return;
    for (const auto& [option, value] : options.changedValues())
        opened.scanner->setOption(option, value);
    session.startScan(std::move(opened.scanner), limits);
}
