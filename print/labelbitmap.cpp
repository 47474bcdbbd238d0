#include "print/labelbitmap.h"

#include "base/units.h"
#include "print/labelshapedraw.h"
#include "raster/drawimage.h"

#include <QPainter>

namespace {

bool fitsInMemory(QSize size, const ImageLimits& limits) {
    return size.width() > 0 && size.height() > 0 &&
           limits.allows(uint64_t(size.width()) * uint64_t(size.height()) * 4);
}

// The annotation objects over the picture. Where the device's pixels are not
// square, the objects are stretched vertically as the picture is.
void drawObjects(QPainter& painter, const ImagePlacement& placement, const LabelContent& content) {
    if (placement.ScaleY == placement.Scale || placement.Scale <= 0) {
        paintAnnotations(painter, placement.OffsetX, placement.OffsetY, placement.Scale, content.objects,
                         content.render);
        return;
    }
    painter.save();
    painter.translate(0, placement.shiftY);
    painter.scale(1, placement.ScaleY / placement.Scale);
    paintAnnotations(painter, placement.OffsetX, 0, placement.Scale, content.objects, content.render);
    painter.restore();
}

} // namespace

QImage renderLabel(const LabelContent& content, QSize size, PlacementDevice device,
                   const DrawContext& drawing) {
    if (!fitsInMemory(size, drawing.limits)) return {};
    QImage bitmap(size, QImage::Format_RGB32);
    if (bitmap.isNull()) return {};
    bitmap.fill(Qt::white);
    device.LabelPx = size.width();
    const ImagePlacement placement = placeImage(content.image.width(), content.image.height(),
                                                content.placement, device, content.render.ImagePixelSize);
    {
        QPainter painter(&bitmap);
        drawWholeDib(painter, drawing,
                     QRect(placement.shiftX, placement.shiftY, placement.imgW, placement.imgH), content.image,
                     true);
        drawObjects(painter, placement, content);
        if (content.clipShape) {
            const QRectF box(QPointF(0, 0), QSizeF(size));
            whitenOutside(painter,
                          labelShapeOnDevice(content.clipShape, box.size(),
                                             device.dpiX * device.kX / units::kMmPerInch,
                                             device.dpiY * device.kY / units::kMmPerInch),
                          box);
        }
    }
    return bitmap;
}
