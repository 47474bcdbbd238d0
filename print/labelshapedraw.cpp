#include "print/labelshapedraw.h"

#include "paper/labeloutline.h"

#include <QPainter>
#include <QTransform>

namespace {

QPainterPath outsideOf(const QPainterPath& outline, const QRectF& boxPx) {
    QPainterPath box;
    box.addRect(boxPx);
    return box.subtracted(outline);
}

} // namespace

QPainterPath labelShapeOnDevice(const std::optional<LabelShape>& shape, QSizeF sizePx, double pixelsPerMmX,
                                double pixelsPerMmY) {
    if (pixelsPerMmX <= 0 || pixelsPerMmY <= 0) return {};
    // Built in millimetres and stretched, so a calibration with unequal factors
    // stretches the shape as it stretches the label.
    const QRectF boxMm(0, 0, sizePx.width() / pixelsPerMmX, sizePx.height() / pixelsPerMmY);
    return QTransform::fromScale(pixelsPerMmX, pixelsPerMmY).map(labelOutline(shape, boxMm, 1));
}

void whitenOutside(QPainter& painter, const QPainterPath& outline, const QRectF& boxPx) {
    painter.fillPath(outsideOf(outline, boxPx), Qt::white);
}

void dimOutside(QPainter& painter, const QPainterPath& outline, const QRectF& boxPx) {
    painter.fillPath(outsideOf(outline, boxPx), QColor(0, 0, 0, 48));
}

void drawOutline(QPainter& painter, const QPainterPath& outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}
