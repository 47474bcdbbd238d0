#include "retouch/ui/retouchview.h"

#include "document/coverjob.h"
#include "raster/drawimage.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

RetouchView::RetouchView(CoverJob& job, Shell& shell, ScrollBox& scrollBox)
    : job_(job), shell_(shell), scrollBox_(scrollBox) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // hovering over an edge changes the cursor
    scrollBox_.setView(this);
    connect(&job_, &CoverJob::imageChanged, this, &RetouchView::fitToImage);
    connect(&job_, &CoverJob::regionChanged, this, &RetouchView::fitToImage);
}

void RetouchView::setZoom(int percent) {
    zoom_ = percent;
    fitToImage();
}

QSize RetouchView::fittedSize() const {
    return {RegionMarking::viewLength(job_.image().width(), zoom_),
            RegionMarking::viewLength(job_.image().height(), zoom_)};
}

PixelRegion RetouchView::region() const {
    const MarkedRegion& r = job_.region();
    return {r.left, r.top, r.right, r.bottom};
}

void RetouchView::setRegion(const PixelRegion& r) {
    job_.setRegion({r.left, r.top, r.right, r.bottom});
}

void RetouchView::placeFrame() {
    const QSize size = fittedSize();
    marking_.layout(job_.image().width(), job_.image().height(), size.width(), size.height(), region());
}

void RetouchView::fitToImage() {
    const QSize size = fittedSize();
    placeFrame();
    if (!scrollBox_.setPaintBoxSize(size.width(), size.height())) repaint();
}

void RetouchView::paintEvent(QPaintEvent* event) {
    const QSize size = fittedSize();
    if (this->size() != size) {
        QMetaObject::invokeMethod(this, &RetouchView::fitToImage, Qt::QueuedConnection);
        return;
    }
    placeFrame();
    QPainter painter(this);
    painter.setClipRect(event->rect());
    drawWholeDib(painter, shell_.screenDrawing(), QRect(QPoint(0, 0), size), job_.image(), true);
    // A black dotted frame whose gaps are white, so it shows on any picture;
    // dots and gaps three pixels long, as Windows draws a dotted line.
    QPen dotted(Qt::black, 1);
    dotted.setDashPattern({3, 3});
    painter.setPen(dotted);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(Qt::NoBrush);
    const ViewRect& v = marking_.viewRect();
    const QPoint outline[] = {
        {v.left, v.top}, {v.right, v.top}, {v.right, v.bottom}, {v.left, v.bottom}, {v.left, v.top}};
    painter.drawPolyline(outline, 5);
}

// The view keeps the mouse from press to release (Qt's implicit grab), so
// moves beyond it still arrive and are clamped.
void RetouchView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool newRegion = !marking_.edgeHover();
    PixelRegion r = region();
    if (!marking_.press(at.x(), at.y(), r)) return;
    if (newRegion) setRegion(r);
}

void RetouchView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (marking_.dragging()) {
        PixelRegion r = region();
        marking_.dragTo(at.x(), at.y(), r);
        setRegion(r);
    } else {
        showCursor(marking_.hover(at.x(), at.y()));
    }
}

void RetouchView::mouseReleaseEvent(QMouseEvent*) {
    marking_.release();
}

void RetouchView::showCursor(MarkCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    switch (cursor) {
    case MarkCursor::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case MarkCursor::SizeWE:
        setCursor(Qt::SizeHorCursor);
        break;
    case MarkCursor::SizeNS:
        setCursor(Qt::SizeVerCursor);
        break;
    case MarkCursor::SizeNWSE:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case MarkCursor::SizeNESW:
        setCursor(Qt::SizeBDiagCursor);
        break;
    }
}
