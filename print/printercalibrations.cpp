#include "print/printercalibrations.h"

#include "print/calibrationpath.h"

#include <QFileInfo>

Calibration readPrinterCalibration(const QString& settingsFolder, const QString& printerName) {
    const QString own = calibrationFilePath(settingsFolder, printerName);
    // A file counts as the target's own as soon as it is there, readable or not.
    if (QFileInfo::exists(own)) return readOptionsFileAt(own);
    return readOptionsFileAt(optionsFilePath(settingsFolder));
}

Calibration PrinterCalibrations::of(const QString& printerName) const {
    return roundCalibration(unrounded(printerName));
}

Calibration PrinterCalibrations::unrounded(const QString& printerName) const {
    if (const auto kept = unwritten_.find(printerName); kept != unwritten_.end()) return kept->second;
    if (unwrittenOptions_ && !QFileInfo::exists(filePathOf(printerName))) return *unwrittenOptions_;
    return readPrinterCalibration(settingsFolder_, printerName);
}

QString PrinterCalibrations::filePathOf(const QString& printerName) const {
    return calibrationFilePath(settingsFolder_, printerName);
}

bool PrinterCalibrations::store(const QString& printerName, const Calibration& values) {
    if (writeOptionsFileAt(optionsFilePath(settingsFolder_), values))
        unwrittenOptions_.reset();
    else
        unwrittenOptions_ = values;
    if (writeOptionsFileAt(filePathOf(printerName), values)) {
        unwritten_.erase(printerName);
        return true;
    }
    unwritten_[printerName] = values;
    return false;
}

DiscOffset PrinterCalibrations::discOffsetOf(const QString& printerName) const {
    if (const auto kept = unwrittenDisc_.find(printerName); kept != unwrittenDisc_.end()) return kept->second;
    return readDiscOffsetAt(discCalibrationFilePath(settingsFolder_, printerName));
}

bool PrinterCalibrations::storeDiscOffset(const QString& printerName, const DiscOffset& offset) {
    if (writeDiscOffsetAt(discCalibrationFilePath(settingsFolder_, printerName), offset)) {
        unwrittenDisc_.erase(printerName);
        return true;
    }
    unwrittenDisc_[printerName] = offset;
    return false;
}
