#include "raster/ui/scanview.h"

#include "document/coverjob.h"
#include "raster/drawimage.h"
#include "widgets/dragscroll.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstdint>

ScanView::ScanView(const CoverJob& job, Shell& shell, ScrollBox& scrollBox)
    : job_(job), shell_(shell), scrollBox_(scrollBox) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    scrollBox_.setView(this);
    connect(&job_, &CoverJob::imageChanged, this, &ScanView::fitToImage);
    // The printer setup, which sets the page size, shows the view afresh.
    connect(&job_, &CoverJob::pageChanged, this, &ScanView::fitToImage);
}

void ScanView::setZoom(int percent) {
    zoom_ = percent;
    fitToImage();
}

QSize ScanView::fittedSize() const {
    return {int(int64_t(job_.image().width()) * zoom_ / 100),
            int(int64_t(job_.image().height()) * zoom_ / 100)};
}

void ScanView::fitToImage() {
    const QSize size = fittedSize();
    if (!scrollBox_.setPaintBoxSize(size.width(), size.height())) repaint();
}

void ScanView::paintEvent(QPaintEvent* event) {
    const QSize size = fittedSize();
    if (this->size() != size) {
        // The next paint comes from the resize.
        QMetaObject::invokeMethod(this, &ScanView::fitToImage, Qt::QueuedConnection);
        return;
    }
    QPainter painter(this);
    // Only the exposed part is drawn, so the image drawing computes only what
    // can be seen.
    painter.setClipRect(event->rect());
    drawWholeDib(painter, shell_.screenDrawing(), QRect(QPoint(0, 0), size), job_.image(), true);
}

void ScanView::mousePressEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseDown(scrollBox_, event->position().toPoint());
}

void ScanView::mouseMoveEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseMove(scrollBox_, event->position().toPoint());
}

void ScanView::mouseReleaseEvent(QMouseEvent*) {
    shell_.dragScroll().mouseUp();
}
