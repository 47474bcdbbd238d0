#pragma once
// The calibration of each print target. A target with a file of its own
// (print/calibrationpath.h) uses that file; any other uses options.dat, the
// file every version of the program reads. Storing a calibration writes both,
// so options.dat always holds the last one measured.
//
// A target's file reads as options.dat does: a short or damaged file gives its
// complete values and the initial ones for the rest, each value limited to its
// range; a file that exists but cannot be read gives the initial values.

#include "print/calibration.h"
#include "print/disccalibration.h"

#include <QString>

#include <map>
#include <optional>

// What a target's calibration is on disk, not rounded: cdcover-batch prints
// with it as the file holds it. An empty `printerName` is the PDF file output.
Calibration readPrinterCalibration(const QString& settingsFolder, const QString& printerName);

// The window's calibrations for one run of the program, which "Go!" prints
// with and the calibration dialog edits: what could not be written is kept in
// memory and used for the rest of the run, in place of the old file.
class PrinterCalibrations {
  public:
    explicit PrinterCalibrations(QString settingsFolder) : settingsFolder_(std::move(settingsFolder)) {}

    // The target's calibration to the decimals the dialog edits, so that a
    // file with finer values prints as the dialog shows it.
    Calibration of(const QString& printerName) const;
    // Where the target's own file is.
    QString filePathOf(const QString& printerName) const;
    // Writes options.dat and the target's own file; a file that cannot be
    // written keeps its old content. False when the target's file was not
    // written.
    bool store(const QString& printerName, const Calibration& values);

    // The disc calibration of each target, in a file of its own beside the
    // sheet calibration's; no shift for a target that has none.
    DiscOffset discOffsetOf(const QString& printerName) const;
    bool storeDiscOffset(const QString& printerName, const DiscOffset& offset);

  private:
    Calibration unrounded(const QString& printerName) const;

    QString settingsFolder_;
    std::map<QString, Calibration> unwritten_;
    std::map<QString, DiscOffset> unwrittenDisc_;
    std::optional<Calibration> unwrittenOptions_;
};
