// Drawing on devices with a device pixel ratio, as a screen with a scale factor
// gives every widget: destinations, clips and zoom stay in logical pixels, the
// picture is computed for every device pixel.

#include "raster/drawimage.h"
#include "support/testimages.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Black, so that whatever is not drawn shows.
QImage blackCanvas(QSize logical, qreal ratio) {
    QImage canvas((QSizeF(logical) * ratio).toSize(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::black);
    return canvas;
}

// The colour of image pixel (x, y), y from the top.
QRgb colourAt(const DibImage& image, int x, int y) {
    const uint32_t value = pixelAt(image, x, y);
    if (!image.hasPalette()) return qRgb(redOf(value), greenOf(value), blueOf(value));
    const RgbQuad q = image.colors()[value];
    return qRgb(q.red, q.green, q.blue);
}

DibImage testImage(int width, int height, int bits) {
    return bits == 24 ? gradientImage24(width, height) : patternImage(width, height, bits);
}

const qreal kRatios[] = {1.25, 1.5, 2.0};

} // namespace

TEST(StretchDrawDevicePixels, EveryDevicePixelOfThePictureShowsItsOwnImagePixel) {
    // An image drawn at 1 / ratio of its size: each device pixel is one image
    // pixel, so a picture computed in logical pixels would lose columns and rows,
    // and one computed for only part of the device would leave pixels black.
    StderrMessages messages;
    for (const qreal ratio : kRatios) {
        for (int bits : {24, 8, 4, 1}) {
            const DibImage image = testImage(240, 150, bits);
            const QSize logical(qRound(240 / ratio), qRound(150 / ratio));
            QImage canvas = blackCanvas(logical + QSize(10, 10), ratio);
            QPainter painter(&canvas);
            painter.setClipRect(QRect(QPoint(0, 0), logical + QSize(10, 10))); // as a view's paint event does
            drawWholeDib(painter, DrawContext{messages}, QRect(QPoint(0, 0), logical), image, true);
            painter.end();
            for (int y = 0; y < 150; ++y)
                for (int x = 0; x < 240; ++x)
                    ASSERT_EQ(canvas.pixel(x, y), colourAt(image, x, y))
                        << ratio << ", " << bits << " bits: " << x << "," << y;
            EXPECT_EQ(canvas.pixel(240, 149), qRgb(0, 0, 0)) << ratio << ", " << bits << " bits";
            EXPECT_EQ(canvas.pixel(239, 150), qRgb(0, 0, 0)) << ratio << ", " << bits << " bits";
        }
    }
}

TEST(StretchDrawDevicePixels, AMovedPainterAndAClipKeepTheirLogicalMeaning) {
    // As the annotation view composes its visible part: the painter moved to the
    // part's corner, the picture drawn at its place in the whole view; a clip
    // set in logical pixels limits it.
    StderrMessages messages;
    for (const qreal ratio : {1.5, 2.0}) {
        const DibImage image = gradientImage24(240, 150);
        QImage canvas = blackCanvas({60, 40}, ratio);
        QPainter painter(&canvas);
        painter.translate(-30, -20);
        painter.setClipRect(QRect(40, 30, 40, 20));
        drawWholeDib(painter, DrawContext{messages}, QRect(0, 0, qRound(240 / ratio), qRound(150 / ratio)),
                     image, true);
        painter.end();
        const int shiftX = qRound(30 * ratio), shiftY = qRound(20 * ratio);
        const QRect clip(qRound(10 * ratio), qRound(10 * ratio), qRound(40 * ratio), qRound(20 * ratio));
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const QRgb expected = clip.contains(x, y) ? qRgb(x + shiftX, y + shiftY, 7) : qRgb(0, 0, 0);
                ASSERT_EQ(canvas.pixel(x, y), expected) << ratio << ": " << x << "," << y;
            }
    }
}
