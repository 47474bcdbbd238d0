#include "raster/devicecanvas.h"

#include "raster/dibimage.h"

#include <cmath>

QSize devicePixelSize(QSize logical, qreal ratio) {
    return {int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio))};
}

QImage deviceCanvas(QSize logical, qreal ratio) {
    const QSize pixels = devicePixelSize(logical, ratio);
    if (pixels.isEmpty() || uint64_t(pixels.width()) * uint64_t(pixels.height()) * 4 > pixelMemoryLimit())
        return {};
    QImage canvas(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}
