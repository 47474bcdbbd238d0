#include "widgets/scrollbox.h"

#include <QScrollBar>
#include <QWheelEvent>

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) {
    setBackgroundRole(QPalette::Dark); // the application-workspace colour
    setFrameShape(QFrame::StyledPanel);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void ScrollBox::setView(QWidget* view) {
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
