#include "widgets/imagebutton.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(const QString& normalName, const QString& pressedName, const QString& hint,
                         QWidget* parent)
    : QWidget(parent), pressedName_(pressedName), normal_(normalName), pressed_(pressedName) {
    setObjectName(normalName);
    setFixedSize(normal_.size());
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::showPicture(bool pressed) {
    if (showPressed_ == pressed) return;
    showPressed_ = pressed;
    update();
}

void ImageButton::resetPictures() {
    showPicture(false);
    pressedFlag_ = false;
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, (showPressed_ ? pressed_ : normal_).forRatio(devicePixelRatioF()));
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    showPicture(true);
    pressedFlag_ = true;
    if (event->button() == Qt::LeftButton) leftDown_ = true;
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedFlag_) return;
    const QPoint p = event->position().toPoint();
    const bool outside = p.x() < 0 || p.x() >= width() || p.y() < 0 || p.y() >= height();
    showPicture(!outside);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    // The click comes first, then the release resets the pictures once more.
    const bool click =
        event->button() == Qt::LeftButton && leftDown_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftDown_ = false;
    if (click) {
        resetPictures();
        emit clicked();
    }
    resetPictures();
}
