#include "print/sheetlayout.h"

#include "base/units.h"

#include <QPoint>

#include <algorithm>

namespace {

// Division truncating toward zero, as the positions are counted: −1 div N = 0.
int64_t sheetOf(int64_t position, int64_t perSheet) {
    return position / perSheet;
}

} // namespace

std::vector<LabelSpot> SheetPlan::onSheet(int64_t sheet) const {
    std::vector<LabelSpot> result;
    for (const LabelSpot& spot : spots)
        if (spot.sheet == sheet) result.push_back(spot);
    return result;
}

QSize labelBitmapSize(const PaperType& paper, const SheetDevice& device) {
    using units::kMmPerInch;
    using units::trunc32;
    if (device.kind == SheetDevice::Kind::Screen) {
        const double zoom = device.kX * 100;
        return {std::max(0, trunc32(zoom * (paper.LabelWidth / kMmPerInch * device.dpiX) / 100)),
                std::max(0, trunc32(zoom * (paper.LabelHeight / kMmPerInch * device.dpiX) / 100))};
    }
    const double percentX = device.kX * 100, percentY = device.kY * 100;
    return {std::max(0, trunc32(percentX * (paper.LabelWidth / kMmPerInch) / 100 * device.dpiX)),
            std::max(0, trunc32(percentY * (paper.LabelHeight / kMmPerInch) / 100 * device.dpiY))};
}

QPoint labelOrigin(const PaperType& paper, int column, int row, const SheetDevice& device) {
    using units::kMmPerInch;
    using units::trunc32;
    if (device.kind == SheetDevice::Kind::Screen) {
        // The preview measures both axes with the horizontal resolution.
        const double zoom = device.kX * 100;
        return {trunc32((paper.LeftMargin + paper.StepX * column) / kMmPerInch * device.dpiX * zoom / 100),
                trunc32((paper.TopMargin + paper.StepY * row) / kMmPerInch * device.dpiX * zoom / 100)};
    }
    // Pitch and margin are converted separately and truncated once after the sum.
    const double x = device.kX * (paper.StepX / kMmPerInch) * device.dpiX * column +
                     device.kX * ((paper.LeftMargin - device.cL) / kMmPerInch) * device.dpiX;
    const double y = device.kY * (paper.StepY / kMmPerInch) * device.dpiY * row +
                     device.kY * ((paper.TopMargin - device.cT) / kMmPerInch) * device.dpiY;
    return {trunc32(x), trunc32(y)};
}

SheetPlan planSheets(const PaperType& paper, const PrintValues& values, const SheetDevice& device) {
    SheetPlan plan;
    plan.corrected = correctJobValues(paper, values);
    plan.sheets = sheetCount(paper, plan.corrected);
    plan.label = labelBitmapSize(paper, device);
    const int64_t perSheet = positionsPerSheet(paper);
    if (perSheet == 0 || plan.corrected.copies < 1) return plan;
    const int64_t first = plan.corrected.used;
    const int64_t end = first + plan.corrected.copies;
    plan.spots.reserve(size_t(end - first));
    for (int64_t i = first; i < end; ++i) {
        LabelSpot spot;
        spot.position = i;
        spot.sheet = sheetOf(i, perSheet);
        spot.column = int(i % paper.CountX);
        spot.row = int((i / paper.CountX) % paper.CountY);
        spot.newPage = i != first && sheetOf(i, perSheet) != sheetOf(i - 1, perSheet);
        const QPoint origin = labelOrigin(paper, spot.column, spot.row, device);
        spot.x = origin.x();
        spot.y = origin.y();
        plan.spots.push_back(spot);
    }
    return plan;
}

QSize previewSheetSize(QSize printablePixels, int dpi, int pdpi, int zoomPercent) {
    if (pdpi <= 0) return {};
    const auto side = [&](int pixels) {
        return std::max(0, units::trunc32(zoomPercent * (double(pixels) * dpi / pdpi) / 100));
    };
    return {side(printablePixels.width()), side(printablePixels.height())};
}
