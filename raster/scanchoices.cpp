#include "raster/scanchoices.h"

#include "base/savefile.h"
#include "base/settingsfolder.h"

#include <QSettings>

namespace {

const QString kFileName = QStringLiteral("scan.ini");
const QString kAutoCrop = QStringLiteral("Scannen/autoCropAfterScan");

} // namespace

ScanChoices readScanChoices(const QString& settingsFolder) {
    const QSettings file(settingsFolder + kFileName, QSettings::IniFormat);
    ScanChoices choices;
    choices.autoCropAfterScan = file.value(kAutoCrop, false).toBool();
    return choices;
}

bool writeScanChoices(const QString& settingsFolder, const ScanChoices& choices) {
    // Written whole through a temporary file, as every settings file is.
    const QString path = settingsFolder + kFileName;
    const QByteArray text = QByteArrayLiteral("[Scannen]\nautoCropAfterScan=") +
                            (choices.autoCropAfterScan ? "true" : "false") + "\n";
    return prepareSettingsFolder(path) && replaceFile(path, text);
}
