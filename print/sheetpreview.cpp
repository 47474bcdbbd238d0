#include "print/sheetpreview.h"

#include "raster/devicecanvas.h"
#include "raster/stretchdraw.h"

void paintSheetPreview(QPainter& painter, const DrawContext& drawing, QSize size, const PaperType& paper,
                       const PrintValues& values, const LabelContent& content, int dpi, int zoomPercent) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double zoom = zoomPercent / 100.0;
    SheetDevice device;
    device.dpiX = device.dpiY = dpi;
    device.kX = device.kY = zoom;
    const SheetPlan plan = planSheets(paper, values, device);
    const std::vector<LabelSpot> shown = plan.onSheet(values.sheet - 1);
    if (shown.empty()) return;
    // The label is rendered in the device's own pixels, so that a screen with a
    // scale factor shows it sharp; the sheet's layout stays in logical pixels.
    const qreal ratio = painter.device()->devicePixelRatio();
    const QSize pixels = devicePixelSize(plan.label, ratio);
    const DibImage label = renderLabel(
        content, pixels, PlacementDevice{pixels.width(), dpi * ratio, dpi * ratio, zoom, zoom}, drawing);
    for (const LabelSpot& spot : shown)
        StretchDrawDib(painter, drawing, spot.x, spot.y, plan.label.width(), plan.label.height(), label, 0, 0,
                       label.width(), label.height(), false);
}

QImage renderSheetPreview(const PaperType& paper, const PrintValues& values, const LabelContent& content,
                          QSize printablePixels, int printerDpi, int dpi, int zoomPercent,
                          const DrawContext& drawing) {
    const QSize size = previewSheetSize(printablePixels, dpi, printerDpi, zoomPercent);
    if (size.isEmpty() || !drawing.limits.allows(uint64_t(size.width()) * uint64_t(size.height()) * 4))
        return {};
    QImage sheet(size, QImage::Format_RGB32);
    if (sheet.isNull()) return {};
    QPainter painter(&sheet);
    paintSheetPreview(painter, drawing, size, paper, correctJobValues(paper, values), content, dpi,
                      zoomPercent);
    return sheet;
}
