#include "raster/drawimage.h"

#include "base/units.h"
#include "raster/halftone.h"

#include <QPaintDevice>

#include <cmath>

namespace {

using units::nearest32;

// A DIB source rectangle (y counted from the bottom row) as a QImage rectangle.
QRect topDown(const QRect& dibSource, int imageHeight) {
    return {dibSource.x(), imageHeight - dibSource.y() - dibSource.height(), dibSource.width(),
            dibSource.height()};
}

// The row scalers: only the visible block of the destination is computed, its
// rows read straight from the image (SrcTop counts rows from the top); 1- and
// 4-bit images are read in place, never unpacked as a whole.
void drawRows(DibDevice& dc, int X, int Y, int DestWidth, int DestHeight, const DibImage& image, int SrcX,
              int SrcTop, int SrcWidth, int SrcHeight) {
    if (DestWidth <= 0 || DestHeight <= 0 || SrcWidth <= 0 || SrcHeight <= 0) return;
    const QRect dest = dc.devicePixels(QRect(X, Y, DestWidth, DestHeight));
    const QRect visible = dc.visibleArea() & dest;
    if (visible.isEmpty()) return;
    const QImage block = scaleDibRows(image, SrcX, SrcTop, SrcWidth, SrcHeight, dest.width(), dest.height(),
                                      visible.translated(-dest.topLeft()), dc.context().limits);
    if (block.isNull()) return; // no memory for the block: nothing drawn for this call
    dc.drawBlock(visible.topLeft(), block);
}

// Logical coordinates to the row scalers' block pixels: the device's own pixels
// while the painter only scales and moves; its logical units when it also turns
// or mirrors, which the painter then applies to the finished blocks.
QTransform blockTransform(const QPainter& painter) {
    const QTransform combined = painter.combinedTransform();
    const bool axisAligned =
        combined.type() <= QTransform::TxScale && combined.m11() > 0 && combined.m22() > 0;
    return axisAligned ? combined : QTransform();
}

// The paint device in its own pixels, in the painter's device coordinates: a
// widget measures itself in logical pixels, images and pixmaps in pixels.
QRectF deviceArea(const QPainter& painter) {
    const QPaintDevice& device = *painter.device();
    const QRectF own(0, 0, device.width(), device.height());
    if (device.devType() != QInternal::Widget) return own;
    return (painter.worldTransform().inverted() * painter.combinedTransform()).mapRect(own);
}

// Pixel edges round to the nearest edge, so that neighbouring destinations meet.
int nearestEdge(qreal v) {
    return int(std::floor(v + 0.5));
}

void halftoneAndDraw(DibDevice& dc, const StretchRects& r, const DibImage& image) {
    const int W = image.width(), H = image.height();
    const bool reduction = r.DestWidth < r.SrcWidth || r.DestHeight < r.SrcHeight;
    const QRect dest(r.X, r.Y, r.DestWidth, r.DestHeight);
    const ImageLimits& limits = dc.context().limits;
    if (reduction) {
        DibImage reduced = DIBHalftoneDIBXY(image, nearest32(double(W) * r.DestWidth / r.SrcWidth),
                                            nearest32(double(H) * r.DestHeight / r.SrcHeight), limits);
        if (reduced.isNull()) return;
        const QRect source(nearest32(double(r.SrcX) * reduced.width() / W),
                           nearest32(double(r.SrcY) * reduced.height() / H), r.DestWidth, r.DestHeight);
        dc.stretchDibits(dest, reduced, source);
    } else {
        DibImage halftoned = DIBHalftoneDIB(image, limits);
        if (halftoned.isNull()) return;
        dc.stretchDibits(dest, halftoned, QRect(r.SrcX, r.SrcY, r.SrcWidth, r.SrcHeight));
    }
}

} // namespace

void PainterDibDevice::stretchDibits(const QRect& dest, const DibImage& image, const QRect& source) {
    const QImage& picture = image.asQImage(context().limits);
    if (picture.isNull()) return;
    painter_.drawImage(dest, picture, topDown(source, image.height()));
}

QRect PainterDibDevice::devicePixels(const QRect& dest) const {
    const QRectF mapped = blockTransform(painter_).mapRect(QRectF(dest));
    return QRect(QPoint(nearestEdge(mapped.left()), nearestEdge(mapped.top())),
                 QPoint(nearestEdge(mapped.right()) - 1, nearestEdge(mapped.bottom()) - 1));
}

QRect PainterDibDevice::visibleArea() const {
    if (!painter_.device()) return {};
    const QTransform toBlock = blockTransform(painter_);
    const QTransform deviceToBlock = painter_.combinedTransform().inverted() * toBlock;
    QRect area = deviceToBlock.mapRect(deviceArea(painter_)).toAlignedRect();
    if (painter_.hasClipping()) area &= toBlock.mapRect(painter_.clipBoundingRect()).toAlignedRect();
    return area;
}

void PainterDibDevice::drawBlock(const QPoint& at, const QImage& block) {
    // The block holds block pixels: the part of the painter's transformation
    // that made them is taken back while it is drawn.
    painter_.save();
    painter_.setWorldTransform(blockTransform(painter_).inverted() * painter_.worldTransform());
    painter_.drawImage(at, block);
    painter_.restore();
}

StretchRects clipToImage(StretchRects r, int W, int H) {
    if (W < r.SrcX + r.SrcWidth) {
        const int n = W - r.SrcX;
        r.DestWidth = nearest32(double(r.DestWidth) * n / r.SrcWidth);
        r.SrcWidth = n;
    }
    if (r.SrcY < 0) {
        r.DestHeight = nearest32(double(r.DestHeight) * (r.SrcHeight + r.SrcY) / r.SrcHeight);
        r.SrcHeight = r.SrcHeight + r.SrcY;
        r.SrcY = 0;
    }
    if (H < r.SrcY + r.SrcHeight) {
        const int n = H - r.SrcY;
        const int d = nearest32(double(r.DestHeight) * n / r.SrcHeight);
        r.Y = r.Y + (r.DestHeight - d);
        r.DestHeight = d;
        r.SrcHeight = n;
    }
    if (r.SrcX < 0) {
        const int d = nearest32(double(r.DestWidth) * (r.SrcX + r.SrcWidth) / r.SrcWidth);
        r.X = r.X + (r.DestWidth - d);
        r.DestWidth = d;
        r.SrcWidth = r.SrcWidth + r.SrcX;
        r.SrcX = 0;
    }
    return r;
}

void drawImage(QPainter& dc, const DrawContext& context, int X, int Y, int DestWidth, int DestHeight,
               const DibImage& image, int SrcX, int SrcY, int SrcWidth, int SrcHeight, bool Halftone) {
    PainterDibDevice device(dc, context);
    drawImage(device, X, Y, DestWidth, DestHeight, image, SrcX, SrcY, SrcWidth, SrcHeight, Halftone);
}

void drawImage(DibDevice& dc, int X, int Y, int DestWidth, int DestHeight, const DibImage& image, int SrcX,
               int SrcY, int SrcWidth, int SrcHeight, bool Halftone) {
    if (image.isNull() || SrcWidth <= 0 || SrcHeight <= 0) return;
    const bool isPrinter = dc.isPrinter();
    const int W = image.width(), H = image.height();
    const StretchRects r = clipToImage({X, Y, DestWidth, DestHeight, SrcX, SrcY, SrcWidth, SrcHeight}, W, H);
    // A rectangle entirely outside the image, or shrunk to nothing, draws nothing.
    if (r.SrcWidth <= 0 || r.SrcHeight <= 0 || r.DestWidth <= 0 || r.DestHeight <= 0) return;

    const int bits = image.bitCount();
    if (bits == 24 && dc.context().screenColorDepth <= 8 && Halftone) {
        halftoneAndDraw(dc, r, image);
    } else if ((bits == 24 || bits == 8 || bits == 4 || bits == 1) && !isPrinter) {
        drawRows(dc, r.X, r.Y, r.DestWidth, r.DestHeight, image, r.SrcX, H - r.SrcY - r.SrcHeight, r.SrcWidth,
                 r.SrcHeight);
    } else {
        dc.stretchDibits(QRect(r.X, r.Y, r.DestWidth, r.DestHeight), image,
                         QRect(r.SrcX, r.SrcY, r.SrcWidth, r.SrcHeight));
    }
}

void drawWholeDib(QPainter& dc, const DrawContext& context, const QRect& dest, const DibImage& image,
                  bool halftone) {
    drawImage(dc, context, dest.x(), dest.y(), dest.width(), dest.height(), image, 0, 0, image.width(),
              image.height(), halftone);
}
