#pragma once
// The disc calibration of a print target: how far the print is moved on the
// disc, right and down in millimetres, apart from the sheet calibration. Each
// target keeps it in a file of its own beside its sheet calibration
// (calibrationFilePath with ".disc" for ".dat"): two little-endian doubles,
// right then down, no signature.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct DiscOffset {
    double rightMm = 0; // negative: to the left
    double downMm = 0;  // negative: upwards
    friend bool operator==(const DiscOffset&, const DiscOffset&) = default;
};

// The range of each value, for the dialog and the command line: more than a
// tray is ever off, and more than the drivers' adjustments reach.
inline constexpr double kDiscOffsetMaxMm = 10;

// Each value within ±kDiscOffsetMaxMm; a value that is no number becomes 0.
DiscOffset clampDiscOffset(const DiscOffset& offset);

// A short file gives its complete values and 0 for the rest.
DiscOffset readDiscOffset(QByteArrayView bytes);
QByteArray writeDiscOffset(const DiscOffset& offset);

QString discCalibrationFilePath(const QString& settingsFolder, const QString& printerName);
// A missing or unreadable file gives no shift; writing replaces the file in one step.
DiscOffset readDiscOffsetAt(const QString& path);
bool writeDiscOffsetAt(const QString& path, const DiscOffset& offset);
