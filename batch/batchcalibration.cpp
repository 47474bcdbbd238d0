#include "batch/batchcalibration.h"

#include "print/printercalibrations.h"

Calibration chooseCalibration(const BatchOptions& options, const QString& settingsFolder) {
    if (options.calibration) {
        const auto& c = *options.calibration;
        return clampCalibration({c[0], c[1], c[2], c[3]});
    }
    if (!options.optionsFile.isEmpty()) return readOptionsFileAt(options.optionsFile);
    if (!options.printer.isEmpty()) return readPrinterCalibration(settingsFolder, options.printer);
    if (!options.pdfFile.isEmpty()) return readPrinterCalibration(settingsFolder, QString());
    // The sheet preview and --info print nothing.
    return readOptionsFileAt(optionsFilePath(settingsFolder));
}
