#include "print/ui/sheetpreview.h"

#include "base/units.h"
#include "document/coverjob.h"
#include "print/joblabel.h"
#include "print/printtarget.h"
#include "print/sheetlayout.h"
#include "print/sheetpreview.h"
#include "widgets/dragscroll.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

SheetPreview::SheetPreview(const CoverJob& job, Shell& shell, ScrollBox& scrollBox)
    : job_(job), shell_(shell), scrollBox_(scrollBox) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    // Without a format the view keeps this size until one is chosen.
    resize(1, 1);
    scrollBox_.setView(this);
    // The sheet's size follows the format and the printer's page.
    connect(&job_, &CoverJob::paperFormatChanged, this, &SheetPreview::fitToSheet);
    connect(&job_, &CoverJob::pageChanged, this, &SheetPreview::fitToSheet);
    for (auto change : {&CoverJob::imageChanged, &CoverJob::objectsChanged, &CoverJob::placementChanged,
                        &CoverJob::printValuesChanged})
        connect(&job_, change, this, qOverload<>(&QWidget::update));
    fitToSheet();
}

void SheetPreview::setZoom(int percent) {
    zoom_ = percent;
    fitToSheet();
}

// A disc prints on a square page of its outer diameter.
QSize SheetPreview::printablePixels() const {
    const PrintTarget& target = shell_.printTarget();
    if (!job_.disc()) return target.printableSize();
    const int side = units::trunc32(units::pixelsFromMm(job_.disc()->outerDiameterMm, target.dpiX()));
    return {side, side};
}

QSize SheetPreview::sheetSize() const {
    const QSize size =
        previewSheetSize(printablePixels(), shell_.screen().logicalDpiX, shell_.printTarget().dpiX(), zoom_);
    // A widget cannot grow beyond this; asking for more would resize forever.
    return size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void SheetPreview::fitToSheet() {
    if (!job_.printedPaper()) {
        update();
        return;
    }
    const QSize size = sheetSize();
    if (!scrollBox_.setPaintBoxSize(size.width(), size.height())) update();
}

void SheetPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The printer may have been changed elsewhere while the page was hidden.
    fitToSheet();
}

void SheetPreview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    const std::optional<PaperType> paper = job_.printedPaper();
    if (!paper) {
        // No sheet is drawn. The view is opaque, so without this fill it would
        // keep whatever the last sheet left in it.
        const QWidget* behind = scrollBox_.viewport();
        painter.fillRect(rect(), behind->palette().color(behind->backgroundRole()));
        return;
    }
    const int dpi = shell_.screen().logicalDpiX;
    // A disc is one page: its only position, shown with its ring.
    const PrintValues values = job_.disc() ? PrintValues{0, 1, 1, true} : job_.printValues();
    paintSheetPreview(painter, shell_.screenDrawing(), size(), *paper, values, labelContentOf(job_, dpi), dpi,
                      zoom_, job_.printedShape());
}

void SheetPreview::mousePressEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseDown(scrollBox_, event->position().toPoint(), false);
}

void SheetPreview::mouseMoveEvent(QMouseEvent* event) {
    shell_.dragScroll().mouseMove(scrollBox_, event->position().toPoint());
}

void SheetPreview::mouseReleaseEvent(QMouseEvent*) {
    shell_.dragScroll().mouseUp();
}
