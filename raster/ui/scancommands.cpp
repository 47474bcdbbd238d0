#include "raster/ui/scancommands.h"

#include "raster/ui/scandialogs.h"
#include "widgets/dialogs.h"

#include <QWidget>

namespace {

QByteArray g_chosenDevice;

void reportFailure(Dialogs& dialogs, sane::Failure failure) {
    dialogs.message(sane::failureText(failure), QStringLiteral("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

} // namespace

QByteArray chosenScanner() {
    return g_chosenDevice;
}
void forgetChosenScanner() {
    g_chosenDevice.clear();
}

void TWAIN_SelectScanner(Dialogs& dialogs, QWidget* owner) {
    const std::vector<sane::Device> devices = sane::devices();
    if (devices.empty()) {
        reportFailure(dialogs, sane::Failure::NoDevice);
        return;
    }
    ScannerSelectDialog dialog(devices, g_chosenDevice, owner);
    if (dialogs.runModal(dialog) != QDialog::Accepted) return;
    const QByteArray selected = dialog.selectedDevice();
    if (!selected.isEmpty()) g_chosenDevice = selected;
}

void TWAIN_ScanImage(Dialogs& dialogs, QWidget* window) {
    // One scan at a time: the device is busy until the running one ends.
    if (ScanJob::running()) {
        reportFailure(dialogs, sane::Failure::Busy);
        return;
    }
    QByteArray device = g_chosenDevice;
    QString title;
    const std::vector<sane::Device> devices = sane::devices();
    for (const sane::Device& d : devices)
        if (d.name == device) title = d.vendor + QLatin1Char(' ') + d.model;
    if (title.isEmpty()) {
        // The chosen device is gone or none was chosen: take the first.
        if (devices.empty()) {
            reportFailure(dialogs, sane::Failure::NoDevice);
            return;
        }
        device = devices.front().name;
        title = devices.front().vendor + QLatin1Char(' ') + devices.front().model;
    }
    sane::Failure failure = sane::Failure::None;
    std::unique_ptr<sane::Scanner> scanner = sane::Scanner::open(device, failure);
    if (!scanner) {
        reportFailure(dialogs, failure);
        return;
    }
    ScanOptionsDialog options(title, scanner->options(), window);
    if (dialogs.runModal(options) != QDialog::Accepted) return;
    for (const auto& [option, value] : options.changedValues())
        scanner->setOption(option, value);
    new ScanJob(std::move(scanner), window, dialogs);
}
