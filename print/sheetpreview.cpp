#include "print/sheetpreview.h"

#include "base/units.h"
#include "print/labelshapedraw.h"
#include "raster/devicecanvas.h"

namespace {

// A foreign paper.dat may claim millions of positions; beyond this no outlines are drawn.
constexpr int64_t kMostOutlinedPositions = 10000;

// Every position of the sheet in the shape: the paper outside it dimmed, the outline drawn.
void paintShapes(QPainter& painter, const PaperType& paper, const SheetDevice& device, QSize label,
                 const std::optional<LabelShape>& shape) {
    const double pixelsPerMm = device.dpiX * device.kX / units::kMmPerInch;
    const QPainterPath outline = labelShapeOnDevice(shape, QSizeF(label), pixelsPerMm, pixelsPerMm);
    for (int row = 0; row < paper.CountY; ++row)
        for (int column = 0; column < paper.CountX; ++column) {
            const QPoint origin = labelOrigin(paper, column, row, device);
            const QPainterPath placed = outline.translated(origin);
            dimOutside(painter, placed, QRectF(origin, QSizeF(label)));
            drawOutline(painter, placed);
        }
}

// The finished label copied to each filled position.
void paintLabels(QPainter& painter, const DrawContext& drawing, const SheetPlan& plan,
                 const std::vector<LabelSpot>& shown, const LabelContent& content, int dpi, double zoom) {
    if (shown.empty()) return;
    // The label is rendered in the device's own pixels, so that a screen with a
    // scale factor shows it sharp; the sheet's layout stays in logical pixels.
    const qreal ratio = painter.device()->devicePixelRatio();
    const QSize pixels = devicePixelSize(plan.label, ratio);
    const QImage label = renderLabel(
        content, pixels, PlacementDevice{pixels.width(), dpi * ratio, dpi * ratio, zoom, zoom}, drawing);
    if (label.isNull()) return;
    for (const LabelSpot& spot : shown)
        painter.drawImage(QRect(QPoint(spot.x, spot.y), plan.label), label);
}

} // namespace

void paintSheetPreview(QPainter& painter, const DrawContext& drawing, QSize size, const PaperType& paper,
                       const PrintValues& values, const LabelContent& content, int dpi, int zoomPercent,
                       const std::optional<LabelShape>& shape) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double zoom = zoomPercent / 100.0;
    SheetDevice device;
    device.dpiX = device.dpiY = dpi;
    device.kX = device.kY = zoom;
    const SheetPlan plan = planSheets(paper, values, device);
    paintLabels(painter, drawing, plan, plan.onSheet(values.sheet - 1), content, dpi, zoom);
    if (shape && positionsPerSheet(paper) > 0 && positionsPerSheet(paper) <= kMostOutlinedPositions)
        paintShapes(painter, paper, device, plan.label, shape);
}

QImage renderSheetPreview(const PaperType& paper, const PrintValues& values, const LabelContent& content,
                          QSize printablePixels, int printerDpi, int dpi, int zoomPercent,
                          const DrawContext& drawing, const std::optional<LabelShape>& shape) {
    const QSize size = previewSheetSize(printablePixels, dpi, printerDpi, zoomPercent);
    if (size.isEmpty() || !drawing.limits.allows(uint64_t(size.width()) * uint64_t(size.height()) * 4))
        return {};
    QImage sheet(size, QImage::Format_RGB32);
    if (sheet.isNull()) return {};
    QPainter painter(&sheet);
    paintSheetPreview(painter, drawing, size, paper, correctJobValues(paper, values), content, dpi,
                      zoomPercent, shape);
    return sheet;
}
