#pragma once
// Where the copies of one label go: which sheet, which column and row, and the
// device pixel of each copy's top-left corner. The sheet preview and the print
// run both take their layout from planSheets, so the screen shows exactly the
// positions the printer will fill.
//
// A job fills the global positions used .. used + copies − 1; position i
// lies on sheet i div N, column i mod CountX, row (i div CountX) mod CountY,
// with N = CountX × CountY.

#include "document/printvalues.h"
#include "paper/papertype.h"

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

// The device the sheet is laid out on, and how lengths are stretched.
//  Screen: one factor kX = kY = the preview zoom, no offsets.
//  Printer: kX = 100 / kW and kY = 100 / kH from the calibration, undoing the
//  printer's own scale, and the calibration offsets cL, cT (where the printer's
//  origin lies on the paper) taken off the margins.
struct SheetDevice {
    enum class Kind { Screen, Printer };
    Kind kind = Kind::Screen;
    double dpiX = 96, dpiY = 96;
    double kX = 1, kY = 1;
    double cL = 0, cT = 0; // mm, printer only
};

struct LabelSpot {
    int64_t position = 0; // global position
    int64_t sheet = 0;    // from 0
    int column = 0, row = 0;
    int32_t x = 0, y = 0; // top-left corner in device pixels
    bool newPage = false; // a printer page starts before this copy
    friend bool operator==(const LabelSpot&, const LabelSpot&) = default;
};

struct SheetPlan {
    PrintValues corrected;        // used and sheet after their corrections
    int64_t sheets = 0;           // sheets the job touches
    QSize label;                  // the label bitmap in device pixels
    std::vector<LabelSpot> spots; // every copy of the job, in ascending position
    // The copies on one sheet (from 0).
    std::vector<LabelSpot> onSheet(int64_t sheet) const;
};

// The label bitmap's size on the device.
QSize labelBitmapSize(const PaperType& paper, const SheetDevice& device);
// Top-left corner of the label in `column` and `row`.
QPoint labelOrigin(const PaperType& paper, int column, int row, const SheetDevice& device);

// The whole job laid out on `device`, after the corrections.
SheetPlan planSheets(const PaperType& paper, const PrintValues& values, const SheetDevice& device);

// The printable page on screen: zoomSpin × (printer pixels × dpi / pdpi) / 100
// per side, both sides with the horizontal resolutions.
QSize previewSheetSize(QSize printablePixels, int dpi, int pdpi, int zoomPercent);
