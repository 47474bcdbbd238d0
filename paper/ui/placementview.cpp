#include "paper/ui/placementview.h"

#include "base/units.h"
#include "document/coverjob.h"
#include "paper/placement.h"
#include "print/annotationpainter.h"
#include "print/labelshapedraw.h"
#include "raster/drawimage.h"
#include "widgets/dragscroll.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PlacementView::PlacementView(const CoverJob& job, Shell& shell, ScrollBox& scrollBox)
    : job_(job), shell_(shell), scrollBox_(scrollBox) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    scrollBox_.setView(this);
    for (auto change : {&CoverJob::imageChanged, &CoverJob::objectsChanged, &CoverJob::placementChanged,
                        &CoverJob::paperFormatChanged})
        connect(&job_, change, this, &PlacementView::fitToLabel);
    fitToLabel();
}

void PlacementView::setZoom(int percent) {
    zoom_ = percent;
    fitToLabel();
}

QSize PlacementView::fittedSize() const {
    // A disc chosen for printing is placed on as a sheet of one.
    const std::optional<PaperType> paper = job_.printedPaper();
    if (!paper) return {300, 300};
    const QSize size =
        placementViewSize(paper->LabelWidth, paper->LabelHeight, zoom_, shell_.screen().logicalDpiX);
    // A widget cannot grow beyond this; asking for more would resize forever.
    return size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void PlacementView::fitToLabel() {
    const QSize size = fittedSize();
    if (!scrollBox_.setPaintBoxSize(size.width(), size.height())) update();
}

void PlacementView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the exposed part is drawn, so the image drawing computes only what
    // can be seen.
    painter.setClipRect(event->rect());
    const QSize size = this->size();
    painter.fillRect(rect(), Qt::white);
    const int dpi = shell_.screen().logicalDpiX;
    const double zoom = zoom_ / 100.0;
    const DibImage& image = job_.image();
    const ImagePlacement placement = placeImage(
        image.width(), image.height(), job_.placement(),
        PlacementDevice{size.width(), double(dpi), double(dpi), zoom, zoom}, job_.imagePixelSize());
    drawWholeDib(painter, shell_.screenDrawing(),
                 QRect(placement.shiftX, placement.shiftY, placement.imgW, placement.imgH), image, true);
    paintAnnotations(painter, placement.OffsetX, placement.OffsetY, placement.Scale, job_.objects(),
                     LabelRenderSettings{job_.imagePixelSize(), dpi, dpi});
    paintLabelShape(painter, dpi * zoom / units::kMmPerInch);
}

void PlacementView::paintLabelShape(QPainter& painter, double pixelsPerMm) {
    const std::optional<LabelShape> shape = job_.printedShape();
    if (!shape) return;
    const QSizeF size(this->size());
    const QPainterPath outline = labelShapeOnDevice(shape, size, pixelsPerMm, pixelsPerMm);
    dimOutside(painter, outline, QRectF(QPointF(0, 0), size));
    drawOutline(painter, outline);
}

void PlacementView::mousePressEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseDown(scrollBox_, event->position().toPoint());
}

void PlacementView::mouseMoveEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseMove(scrollBox_, event->position().toPoint());
}

void PlacementView::mouseReleaseEvent(QMouseEvent*) {
    shell_.dragScroll().mouseUp();
}
