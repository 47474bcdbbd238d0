#pragma once
// The printer calibration and its file options.dat: four little-endian doubles
// in the order cL, cT, kW, kH, no signature.
//
//   cL, cT  distance of the printer's origin from the paper's left and top edge, mm
//   kW, kH  measured width and height of the 100 mm test square; the print run
//           divides horizontal lengths by kW / 100 and vertical ones by kH / 100,
//           so that the printer's own scale brings them back to their size

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct Calibration {
    double cL = 0;
    double cT = 0;
    double kW = 100;
    double kH = 100;
    friend bool operator==(const Calibration&, const Calibration&) = default;
};

// The ranges of the calibration dialog, and the decimals its edits keep.
inline constexpr double kOffsetMin = 0, kOffsetMax = 10;
inline constexpr double kSizeMin = 70, kSizeMax = 130;
inline constexpr int kCalibrationDecimals = 2;

// Every value limited to its range; a value that is not a number keeps the
// initial one, since no limit is nearer to it than another.
Calibration clampCalibration(const Calibration& values);

// Every value rounded to kCalibrationDecimals as the dialog's edits round it:
// through its decimal text, so that a value ending in 5 goes the same way.
Calibration roundCalibration(const Calibration& values);

// The values of an options.dat image, clamped. A shorter file gives its complete
// values and the initial ones for the rest; bytes beyond the fourth value are
// ignored.
Calibration readOptionsFile(QByteArrayView bytes);
QByteArray writeOptionsFile(const Calibration& values);

// The same on a file: a missing or unreadable file gives the initial values;
// writing replaces the file in one step and returns false when it could not.
Calibration readOptionsFileAt(const QString& path);
bool writeOptionsFileAt(const QString& path, const Calibration& values);

// options.dat in the program directory, which ends with '/'.
QString optionsFilePath(const QString& settingsFolder);
