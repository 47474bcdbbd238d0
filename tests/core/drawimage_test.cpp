#include "base/messages.h"
#include "raster/drawimage.h"
#include "raster/halftone.h"
#include "support/testimages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>

namespace {

QImage whiteCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// Records which device operations drawImage used.
class RecordingDevice : public PainterDibDevice {
  public:
    using PainterDibDevice::PainterDibDevice;
    int stretches = 0, blocks = 0;
    QRect lastDest, lastSource;
    int lastSourceBits = 0;

    void stretchDibits(const QRect& dest, const DibImage& image, const QRect& source) override {
        ++stretches;
        lastDest = dest;
        lastSource = source;
        lastSourceBits = image.bitCount();
        PainterDibDevice::stretchDibits(dest, image, source);
    }
    void drawBlock(const QPoint& at, const QImage& block) override {
        ++blocks;
        PainterDibDevice::drawBlock(at, block);
    }
};

class CollectingMessages : public Messages {
  public:
    QStringList texts;
    QStringList captions;
    MsgAnswer message(const QString& text, const QString& caption, MsgButtons, MsgIcon) override {
        texts << text;
        captions << caption;
        return MsgAnswer::Ok;
    }
};

} // namespace

TEST(StretchDrawClipping, SourcePastAnEdgeShrinksTheDestinationOnThatSide) {
    // Past the right edge: 10 of 20 columns remain, the width halves, X stays.
    EXPECT_EQ(clipToImage({5, 6, 100, 50, 0, 0, 20, 10}, 10, 10), (StretchRects{5, 6, 50, 50, 0, 0, 10, 10}));
    // Below the bottom row (SrcY < 0): lost rows at the bottom, Y stays.
    EXPECT_EQ(clipToImage({0, 0, 40, 40, 0, -5, 10, 20}, 10, 20), (StretchRects{0, 0, 40, 30, 0, 0, 10, 15}));
    // Past the top: the destination's top edge moves down by the lost height.
    EXPECT_EQ(clipToImage({0, 0, 40, 40, 0, 10, 10, 20}, 10, 20),
              (StretchRects{0, 20, 40, 20, 0, 10, 10, 10}));
    // Past the left edge: the left edge moves right.
    EXPECT_EQ(clipToImage({0, 0, 40, 40, -5, 0, 10, 10}, 10, 10), (StretchRects{20, 0, 20, 40, 0, 0, 5, 10}));
    // Past both sides: the right is cut first, then the left.
    EXPECT_EQ(clipToImage({0, 0, 40, 40, -5, 0, 20, 10}, 10, 10),
              (StretchRects{10, 0, 20, 40, 0, 0, 10, 10}));
    // Halves round to the even neighbour: 3 × 5 / 10 = 1.5 → 2, 5 × 5 / 10 = 2.5 → 2.
    EXPECT_EQ(clipToImage({0, 0, 3, 5, 0, 0, 10, 10}, 5, 10).DestWidth, 2);
    EXPECT_EQ(clipToImage({0, 0, 5, 5, 0, 0, 10, 10}, 5, 10).DestWidth, 2);
}

TEST(StretchDrawRows, NearestNeighbourPixelsOfEveryBitCount) {
    DibImage image = gradientImage24(4, 3);
    // Twice the size: each source pixel covers 2 × 2 destination pixels.
    QImage block = scaleDibRows(image, 0, 0, 4, 3, 8, 6, QRect(0, 0, 8, 6));
    ASSERT_EQ(block.size(), QSize(8, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(block.pixel(x, y), qRgb(x / 2, y / 2, 7)) << x << "," << y;
    // Reduction takes column SrcX + SrcWidth × i div DestWidth.
    block = scaleDibRows(image, 0, 0, 4, 3, 3, 2, QRect(0, 0, 3, 2));
    EXPECT_EQ(block.pixel(1, 0), qRgb(1, 0, 7));
    EXPECT_EQ(block.pixel(2, 1), qRgb(2, 1, 7));

    // Palette images, packed ones included, at twice their size from an odd
    // column on, so that pixels inside a byte and across byte borders are read.
    for (int bits : {8, 4, 1}) {
        DibImage indexed = patternImage(21, 4, bits, 2);
        block = scaleDibRows(indexed, 3, 0, 17, 4, 34, 8, QRect(0, 0, 34, 8));
        ASSERT_EQ(block.size(), QSize(34, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 34; ++x) {
                const RgbQuad q = std::as_const(indexed).colors()[pixelAt(indexed, 3 + x / 2, y / 2)];
                ASSERT_EQ(block.pixel(x, y), qRgb(q.red, q.green, q.blue)) << bits << ": " << x << "," << y;
            }
    }
}

TEST(StretchDrawRows, RowsOutsideTheImageAreBlackOrColourZero) {
    DibImage image = gradientImage24(4, 4, 200);
    // Source rectangle starting two rows above the image: the first rows map outside.
    QImage block = scaleDibRows(image, 0, -2, 4, 4, 4, 4, QRect(0, 0, 4, 4));
    EXPECT_EQ(block.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(block.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(block.pixel(1, 2), qRgb(1, 0, 200));

    RgbQuad palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {uint8_t(i), 9, 9, 0};
    DibImage indexed = createImage(4, 4, 8, palette, 256);
    std::memset(indexed.pixels(), 77, indexed.sizeImage());
    block = scaleDibRows(indexed, 0, 2, 4, 4, 4, 4, QRect(0, 0, 4, 4));
    EXPECT_EQ(block.pixel(0, 0), qRgb(9, 9, 77));
    EXPECT_EQ(block.pixel(0, 3), qRgb(9, 9, 0)); // palette index 0
}

TEST(StretchDrawRows, OnlyTheVisibleBlockIsComputed) {
    DibImage image = gradientImage24(200, 200);
    // A 10000 × 10000 destination of which a 30 × 20 block is visible.
    const QImage block = scaleDibRows(image, 0, 0, 200, 200, 10000, 10000, QRect(5000, 7000, 30, 20));
    ASSERT_EQ(block.size(), QSize(30, 20));
    EXPECT_EQ(block.pixel(0, 0), qRgb(100, 140, 7));
    // The block alone counts against the limits: one byte short of it is too little.
    const ImageLimits shortOfBlock{.pixelMemoryBytes = 30 * 20 * 4 - 1};
    EXPECT_TRUE(
        scaleDibRows(image, 0, 0, 200, 200, 10000, 10000, QRect(5000, 7000, 30, 20), shortOfBlock).isNull());

    // Through a painter whose clip is small, a huge zoom costs the clip only.
    QImage canvas = whiteCanvas(64, 48);
    QPainter painter(&canvas);
    painter.setClipRect(QRect(10, 10, 20, 20));
    StderrMessages messages;
    RecordingDevice device(painter, DrawContext{messages});
    const auto start = std::chrono::steady_clock::now();
    drawImage(device, -50000, -50000, 100000, 100000, image, 0, 0, 200, 200, true);
    const auto took = std::chrono::steady_clock::now() - start;
    painter.end();
    EXPECT_EQ(device.blocks, 1);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 500);
    EXPECT_EQ(canvas.pixel(15, 15), qRgb(100, 100, 7));
    EXPECT_EQ(canvas.pixel(5, 5), qRgb(255, 255, 255)); // outside the clip: untouched
}

TEST(StretchDrawMethods, ScreensUseTheRowScalersForEveryBitCountPrintersStretch) {
    StderrMessages messages;
    const DrawContext screen{messages, 24};
    QImage canvas = whiteCanvas(40, 40);
    QPainter painter(&canvas);
    for (int bits : {24, 8, 4, 1}) {
        DibImage image = bits == 24 ? gradientImage24(10, 10) : patternImage(10, 10, bits);
        RecordingDevice screenDevice(painter, screen);
        drawImage(screenDevice, 0, 0, 20, 20, image, 0, 0, 10, 10, true);
        EXPECT_EQ(screenDevice.blocks, 1) << bits;
        EXPECT_EQ(screenDevice.stretches, 0) << bits;

        RecordingDevice printerDevice(painter, onPrinter(screen));
        drawImage(printerDevice, 0, 0, 20, 20, image, 0, 0, 10, 10, true);
        EXPECT_EQ(printerDevice.blocks, 0) << "a printer never goes through the row scalers";
        EXPECT_EQ(printerDevice.stretches, 1) << bits;
    }
}

TEST(StretchDrawMethods, APainterSaidToBeAPrintersGetsThePictureStretched) {
    QImage page = whiteCanvas(20, 20);
    QPainter painter(&page);
    CollectingMessages messages;
    drawImage(painter, onPrinter(DrawContext{messages}), 0, 0, 20, 20, gradientImage24(10, 10, 50), 0, 0, 10,
              10, false);
    painter.end();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(page.pixel(19, 19), qRgb(9, 9, 50));
    EXPECT_EQ(page.pixel(0, 0), qRgb(0, 0, 50));
}

TEST(StretchDrawHalftone, PaletteScreenHalftonesAReducedCopyOrTheFullImage) {
    StderrMessages messages;
    const DrawContext paletteScreen{messages, 8};
    DibImage image = gradientImage24(40, 20);
    QImage canvas = whiteCanvas(100, 100);
    QPainter painter(&canvas);

    RecordingDevice half(painter, paletteScreen);
    drawImage(half, 0, 0, 20, 10, image, 0, 0, 40, 20, true);
    ASSERT_EQ(half.stretches, 1);
    EXPECT_EQ(half.lastSourceBits, 8);
    EXPECT_EQ(half.lastSource, QRect(0, 0, 20, 10)) << "a half-size copy drawn 1:1";

    RecordingDevice doubled(painter, paletteScreen);
    drawImage(doubled, 0, 0, 80, 40, image, 0, 0, 40, 20, true);
    ASSERT_EQ(doubled.stretches, 1);
    EXPECT_EQ(doubled.lastSource, QRect(0, 0, 40, 20)) << "the full-size copy stretched";
    EXPECT_EQ(doubled.lastDest, QRect(0, 0, 80, 40));

    RecordingDevice noHalftone(painter, paletteScreen);
    drawImage(noHalftone, 0, 0, 40, 20, image, 0, 0, 40, 20, false);
    EXPECT_EQ(noHalftone.stretches, 0);
    EXPECT_EQ(noHalftone.blocks, 1);
}

TEST(StretchDrawHalftone, DitheringKeepsPureColoursAndAveragesMixedOnes) {
    EXPECT_EQ(halftoneIndex(255, 0, 0, 3, 5), 5 * 36);
    EXPECT_EQ(halftoneIndex(0, 0, 0, 7, 1), 0);
    EXPECT_EQ(halftoneIndex(255, 255, 255, 2, 2), 215);
    // A grey between two cube levels mixes both over an 8 × 8 tile, in proportion.
    DibImage grey = createImage(8, 8, 24);
    std::memset(grey.pixels(), 128, grey.sizeImage());
    DibImage halftoned = DIBHalftoneDIB(grey);
    ASSERT_EQ(halftoned.bitCount(), 8);
    double sum = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            sum += halftoned.colors()[pixelAt(halftoned, x, y)].red;
    EXPECT_NEAR(sum / 64, 128, 4);
    DibImage reduced = DIBHalftoneDIBXY(gradientImage24(100, 50), 10, 5);
    EXPECT_EQ(reduced.width(), 10);
    EXPECT_EQ(reduced.height(), 5);
    EXPECT_TRUE(DIBHalftoneDIB(patternImage(4, 4, 8)).isNull());
    EXPECT_TRUE(DIBHalftoneDIB(grey, ImageLimits{.pixelMemoryBytes = 63}).isNull());
    EXPECT_FALSE(DIBHalftoneDIB(grey, ImageLimits{.pixelMemoryBytes = 64}).isNull());
}

TEST(StretchDrawPackedImages, AHugeImageDrawsItsVisibleBlockWithoutUnpackingTheWhole) {
    // 40000 × 30000 at one bit is 150 MB; a byte or more per pixel would be 1.2 GB
    // and more. A white square in the top-left corner, the rest black.
    DibImage huge = createImage(40000, 30000, 1);
    ASSERT_FALSE(huge.isNull());
    for (int y = 0; y < 16; ++y)
        std::memset(huge.rowFromTop(y), 0xFF, 2);
    // A bit of nibbles: a quarter of the size at four bits, colour 12 in the corner.
    DibImage nibbles = createImage(20000, 15000, 4);
    ASSERT_FALSE(nibbles.isNull());
    for (int y = 0; y < 16; ++y)
        std::memset(nibbles.rowFromTop(y), 0xCC, 8);
    const RgbQuad blue = std::as_const(nibbles).colors()[12];

    // Whatever unpacks or copies the whole image cannot get its memory here.
    CollectingMessages messages;
    const DrawContext screen{.messages = messages, .limits = {.pixelMemoryBytes = std::size_t(16) << 20}};
    for (int zoom : {100, 10}) {
        QImage canvas = whiteCanvas(200, 150);
        QPainter painter(&canvas);
        painter.setClipRect(canvas.rect());
        drawWholeDib(painter, screen, QRect(0, 0, 40000 * zoom / 100, 30000 * zoom / 100), huge, true);
        drawWholeDib(painter, screen, QRect(100, 0, 20000 * zoom / 100, 15000 * zoom / 100), nibbles, true);
        painter.end();
        const int corner = (16 * zoom + 99) / 100; // the square's side on the canvas, rounded up
        EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 255, 255)) << zoom;
        EXPECT_EQ(canvas.pixel(corner - 1, corner - 1), qRgb(255, 255, 255)) << zoom;
        EXPECT_EQ(canvas.pixel(corner, 0), qRgb(0, 0, 0)) << zoom;
        EXPECT_EQ(canvas.pixel(50, 140), qRgb(0, 0, 0)) << zoom;
        EXPECT_EQ(canvas.pixel(100, 0), qRgb(blue.red, blue.green, blue.blue)) << zoom;
        EXPECT_EQ(canvas.pixel(100 + corner, 0), qRgb(0, 0, 0)) << zoom;
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();
}
