#include "widgets/scrollbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Painting is limited to the exposed part, so the image drawing computes
    // only what can be seen.
    painter.setClipRect(event->rect());
    if (onPaint)
        onPaint(painter, event->rect());
    else
        painter.fillRect(event->rect(), Qt::white);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) onMouseDown(event);
}
void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event);
}
void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp) onMouseUp(event);
}
void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClick)
        onDoubleClick(event);
    else
        mousePressEvent(event);
}

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent), paintBox_(new PaintBox) {
    setBackgroundRole(QPalette::Dark); // the application-workspace colour
    setFrameShape(QFrame::StyledPanel);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    setWidget(paintBox_);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void ScrollBox::setView(QWidget* view) {
    // The scroll area deletes the widget it showed.
    paintBox_ = nullptr;
    setWidget(view);
}

bool ScrollBox::setPaintBoxSize(int width, int height) {
    QWidget* shown = view();
    if (shown->width() == width && shown->height() == height) return false;
    shown->resize(width, height);
    return true;
}

int ScrollBox::horizontalPosition() const {
    return horizontalScrollBar()->value();
}
int ScrollBox::verticalPosition() const {
    return verticalScrollBar()->value();
}
void ScrollBox::setHorizontalPosition(int position) {
    horizontalScrollBar()->setValue(position);
}
void ScrollBox::setVerticalPosition(int position) {
    verticalScrollBar()->setValue(position);
}

void ScrollBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
