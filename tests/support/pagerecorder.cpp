#include "support/pagerecorder.h"

#include "base/units.h"

QSize PageRecorder::a4Pixels(int dpiX, int dpiY) {
    return {int(units::pixelsFromMm(210, dpiX)), int(units::pixelsFromMm(297, dpiY))};
}

void PageRecorder::startPage() {
    current_ = QImage(size_, QImage::Format_RGB32);
    current_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&current_);
}

void PageRecorder::finishPage() {
    painter_.reset();
    pages.push_back(current_);
    current_ = QImage();
}

bool PageRecorder::begin(const QString& documentTitle) {
    if (painter_) return false;
    title = documentTitle;
    ++jobs;
    startPage();
    return true;
}

bool PageRecorder::newPage() {
    if (!painter_) return false;
    finishPage();
    startPage();
    return true;
}

bool PageRecorder::end() {
    if (!painter_) return false;
    finishPage();
    return true;
}
