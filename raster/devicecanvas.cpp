#include "raster/devicecanvas.h"

#include <cmath>

QSize devicePixelSize(QSize logical, qreal ratio) {
    return {int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio))};
}

QImage deviceCanvas(QSize logical, qreal ratio, const ImageLimits& limits) {
    const QSize pixels = devicePixelSize(logical, ratio);
    if (pixels.isEmpty() || !limits.allows(uint64_t(pixels.width()) * uint64_t(pixels.height()) * 4))
        return {};
    QImage canvas(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}
