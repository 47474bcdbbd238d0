#include "objects/ui/annotationview.h"

#include "document/coverjob.h"
#include "objects/annotationview.h"
#include "objects/ui/annotationeditor.h"
#include "print/annotationpainter.h"
#include "raster/devicecanvas.h"
#include "raster/drawimage.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

AnnotationView::AnnotationView(CoverJob& job, Shell& shell, ScrollBox& scrollBox)
    : job_(job), shell_(shell), scrollBox_(scrollBox) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    scrollBox_.setView(this);
}

bool AnnotationView::dragging() const {
    return editor_ && editor_->mouseAction == MouseAction::Dragging;
}

void AnnotationView::recompose() {
    composedForPaint_ = compose(true);
    update();
}

bool AnnotationView::compose(bool resizeAtOnce) {
    if (editor_ && editor_->zoomInProgress) return false;
    const DibImage& image = job_.image();
    const double perPixel = job_.unitsPerScreenPixel();
    const double zoom = job_.viewZoom();
    const int W = units::trunc32(image.width() * job_.imagePixelSize() * zoom / perPixel);
    const int H = units::trunc32(image.height() * job_.imagePixelSize() * zoom / perPixel);
    if (W <= 0 || H <= 0) return false;
    if (size() != QSize(W, H)) {
        if (!resizeAtOnce) {
            // Not from inside a paint event: the resize brings a new one.
            QMetaObject::invokeMethod(
                this, [this, W, H] { scrollBox_.setPaintBoxSize(W, H); }, Qt::QueuedConnection);
            return false;
        }
        scrollBox_.setPaintBoxSize(W, H);
    }
    // Only the part of the view inside the scroll box is composed: a zoomed
    // view of a large image would not fit into memory as one picture.
    composedArea_ = visibleArea();
    if (composedArea_.isEmpty()) return false;
    // Composed in the screen's own pixels, so that a scale factor shows it sharp.
    const qreal ratio = devicePixelRatio();
    if (picture_.devicePixelRatio() != ratio ||
        picture_.size() != devicePixelSize(composedArea_.size(), ratio))
        picture_ = deviceCanvas(composedArea_.size(), ratio, shell_.imageLimits());
    if (picture_.isNull()) return false;
    picture_.fill(Qt::white);
    QPainter canvas(&picture_);
    canvas.translate(-composedArea_.topLeft());
    drawWholeDib(canvas, shell_.screenDrawing(), QRect(0, 0, W, H), image, true);
    const int dpi = shell_.screen().logicalDpiX;
    paintAnnotations(canvas, 0, 0, zoom / perPixel, job_.objects(),
                     LabelRenderSettings{job_.imagePixelSize(), dpi, dpi});
    // The outline of a drag is laid over the picture when it is shown.
    if (!dragging())
        markrec(canvas, job_.objects().selected(), editor_ ? editor_->mouseAction : MouseAction::Idle,
                job_.viewScale());
    return true;
}

QRect AnnotationView::visibleArea() const {
    return QRect(-pos(), scrollBox_.viewport()->size()) & rect();
}

void AnnotationView::paintEvent(QPaintEvent* event) {
    const QRect exposed = event->rect();
    QPainter painter(this);
    painter.setClipRect(exposed);
    // While dragging, the picture composed at the press is shown as it is; the
    // page is composed again on release.
    const bool current = (composedForPaint_ || dragging()) && composedArea_.contains(exposed & rect());
    composedForPaint_ = false;
    if (!current && !compose(false)) {
        painter.fillRect(exposed, Qt::white);
        return;
    }
    if (!dragging()) {
        painter.drawImage(composedArea_.topLeft(), picture_);
        return;
    }
    // The outline inverts what lies under it, so it shows on any picture.
    QImage shown = picture_;
    QPainter canvas(&shown);
    canvas.translate(-composedArea_.topLeft());
    markrec(canvas, job_.objects().selected(), MouseAction::Dragging, job_.viewScale());
    canvas.end();
    painter.drawImage(composedArea_.topLeft(), shown);
}

void AnnotationView::mousePressEvent(QMouseEvent* event) {
    if (!editor_) return;
    const QPoint at = event->position().toPoint();
    editor_->mousePressed(event->button(), at.x(), at.y());
}

void AnnotationView::mouseMoveEvent(QMouseEvent* event) {
    if (!editor_) return;
    const QPoint at = event->position().toPoint();
    editor_->mouseMoved(at.x(), at.y());
}

void AnnotationView::mouseReleaseEvent(QMouseEvent* event) {
    if (!editor_) return;
    const QPoint at = event->position().toPoint();
    editor_->mouseReleased(event->button(), at.x(), at.y());
}

// The second press of a double-click has already arrived as a press; the
// double-click itself counts as one more press, as a system that reports the
// double-click in place of the second press delivers it.
void AnnotationView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!editor_) return;
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) editor_->mouseDoubleClicked();
    editor_->mousePressed(event->button(), at.x(), at.y());
}
