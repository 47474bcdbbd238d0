#include "widgets/progresspanel.h"

#include <QPaintEvent>
#include <QPainter>

ProgressPanel::ProgressPanel(ProgressBarState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

WinRect ProgressPanel::innerRect() const {
    return {1, 1, width() - 1, height() - 1};
}

void ProgressPanel::fillBar(int percent) {
    const WinRect bar = ProgressBarState::barRect(state_.panel(), percent);
    if (bar.right <= bar.left || bar.bottom <= bar.top) return;
    QPainter painter(&picture_);
    painter.fillRect(bar.toQRect(), barColor());
}

void ProgressPanel::drawPanel(const WinRect& rect) {
    if (picture_.size() != size()) picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&picture_);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
    state_.setPanel(rect);
    fillBar(state_.value());
}

void ProgressPanel::paintMore() {
    if (picture_.size() != size()) {
        repaintWhole();
        return;
    }
    fillBar(state_.value());
    repaint();
}

void ProgressPanel::repaintWhole() {
    wholePending_ = true;
    repaint();
}

void ProgressPanel::paintEvent(QPaintEvent*) {
    if (wholePending_ || picture_.size() != size()) {
        drawPanel(innerRect());
        wholePending_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void ProgressPanel::resizeEvent(QResizeEvent*) {
    wholePending_ = true;
}
