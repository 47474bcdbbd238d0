#include "raster/dibimage.h"
#include "support/testimages.h"

#include <gtest/gtest.h>

#include <utility>

TEST(DibImage, NewdibLaysOutRowsBottomUpPaddedToFourBytes) {
    const struct {
        int width, bits, stride;
    } cases[] = {{1, 1, 4}, {33, 1, 8}, {3, 4, 4}, {9, 4, 8}, {5, 8, 8}, {3, 24, 12}, {5, 24, 16}};
    for (const auto& c : cases) {
        DibImage image = createImage(c.width, 3, c.bits);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.stride(), c.stride) << c.width << "x" << c.bits;
        EXPECT_EQ(image.sizeImage(), std::size_t(c.stride * 3));
        EXPECT_EQ(image.header().biSize, 40u);
        EXPECT_EQ(image.header().biPlanes, 1);
        EXPECT_EQ(image.rowFromTop(0), image.memoryRow(2));
    }
}

TEST(DibImage, NewdibCopiesTheGivenColoursAndDefaultsTheRest) {
    RgbQuad table[2] = {{1, 2, 3, 0}, {4, 5, 6, 0}};
    DibImage image = createImage(4, 4, 4, table, 2);
    ASSERT_EQ(image.paletteSize(), 16);
    EXPECT_EQ(image.colors()[0], (RgbQuad{1, 2, 3, 0}));
    EXPECT_EQ(image.colors()[1], (RgbQuad{4, 5, 6, 0}));
    EXPECT_EQ(image.colors()[15], (RgbQuad{255, 255, 255, 0})); // the standard white
    DibImage grey = createImage(2, 2, 8);
    EXPECT_EQ(grey.colors()[200], (RgbQuad{200, 200, 200, 0}));
    EXPECT_EQ(createImage(2, 2, 24).paletteSize(), 0);
    EXPECT_EQ(createImage(2, 2, 24).colorCount(), 16777216);
}

TEST(DibImage, FailedCreationIsTheNullImage) {
    EXPECT_TRUE(createImage(0, 10, 24).isNull());
    EXPECT_TRUE(createImage(10, -1, 24).isNull());
    EXPECT_TRUE(createImage(10, 10, 16).isNull());
    EXPECT_TRUE(createImage(kMaxDibSide + 1, 1, 8).isNull());
    EXPECT_TRUE(createImage(60000, 60000, 24).isNull()); // beyond the memory cap
    const ImageLimits shortOfMemory{.pixelMemoryBytes = 1000};
    EXPECT_TRUE(createImage(100, 100, 24, shortOfMemory).isNull());
    EXPECT_FALSE(createImage(10, 10, 24, shortOfMemory).isNull());
    const RgbQuad red[1] = {{0, 0, 255, 0}};
    EXPECT_TRUE(createImage(40, 40, 8, red, 1, shortOfMemory).isNull());
    DibImage small = createImage(20, 20, 8, red, 1, shortOfMemory);
    EXPECT_FALSE(small.isNull());
    const DibImage larger = createImage(40, 40, 8);
    EXPECT_TRUE(larger.clone(shortOfMemory).isNull());
    EXPECT_FALSE(larger.clone().isNull());
    EXPECT_FALSE(createImage(100, 100, 24).isNull());
}

TEST(DibImage, PixelAccessUsesIndicesAndColorRefsFromTheTop) {
    DibImage rgb = createImage(3, 2, 24);
    setPixelAt(rgb, 2, 0, makeColorRef(10, 20, 30));
    EXPECT_EQ(pixelAt(rgb, 2, 0), 0x001E140Au);
    // Stored blue, green, red in the top row, which is the last row in memory.
    EXPECT_EQ(rgb.memoryRow(1)[6], 30);
    EXPECT_EQ(rgb.memoryRow(1)[8], 10);

    for (int bits : {1, 4, 8}) {
        DibImage image = patternImage(13, 5, bits, 1);
        const int colours = image.paletteSize();
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(pixelAt(image, x, y), uint32_t((x + 3 * y + 1) % colours));
    }
    DibImage nibbles = createImage(2, 1, 4);
    setPixelAt(nibbles, 0, 0, 0xA);
    setPixelAt(nibbles, 1, 0, 0x5);
    EXPECT_EQ(nibbles.memoryRow(0)[0], 0xA5);
    // Outside the image: reads 0, writes nothing.
    EXPECT_EQ(pixelAt(nibbles, 5, 0), 0u);
    setPixelAt(nibbles, -1, 0, 3);
    EXPECT_EQ(nibbles.memoryRow(0)[0], 0xA5);
}

TEST(DibImage, MovingHandsOverThePixelsAndCloneCopiesThem) {
    DibImage a = gradientImage24(5, 4);
    const uint8_t* pixels = a.pixels();
    DibImage b = std::move(a);
    EXPECT_TRUE(a.isNull());
    EXPECT_EQ(b.pixels(), pixels);
    DibImage c = b.clone();
    EXPECT_NE(c.pixels(), b.pixels());
    EXPECT_EQ(pixelAt(c, 4, 3), pixelAt(b, 4, 3));
    releaseImage(b);
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(b.width(), 0);
}

TEST(DibImage, QImageFollowsEveryBitCountAndIsKeptUntilPixelsChange) {
    DibImage rgb = gradientImage24(4, 3);
    const QImage& picture = rgb.asQImage();
    EXPECT_EQ(picture.pixel(3, 2), qRgb(3, 2, 7));
    const qint64 key = rgb.asQImage().cacheKey();
    EXPECT_EQ(rgb.asQImage().cacheKey(), key);
    setPixelAt(rgb, 0, 0, makeColorRef(255, 0, 0));
    EXPECT_EQ(rgb.asQImage().pixel(0, 0), qRgb(255, 0, 0));

    for (int bits : {1, 4, 8}) {
        DibImage image = patternImage(11, 3, bits);
        const QImage& indexed = image.asQImage();
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x) {
                const RgbQuad q = std::as_const(image).colors()[pixelAt(image, x, y)];
                ASSERT_EQ(indexed.pixel(x, y), qRgb(q.red, q.green, q.blue))
                    << bits << " bits at " << x << "," << y;
            }
    }
}

TEST(DibImage, QImageOfAOneBitImageNeedsOneBitPerPixel) {
    // 8192 × 64 pixels are 512 KiB as one byte each, 64 KiB as bits.
    DibImage mono = patternImage(8192, 64, 1);
    DibImage nibbles = patternImage(8192, 64, 4);
    const ImageLimits limits{.pixelMemoryBytes = 128 * 1024};
    const QImage& picture = mono.asQImage(limits);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.format(), QImage::Format_Mono);
    EXPECT_EQ(picture.pixelIndex(8191, 63), int(pixelAt(mono, 8191, 63)));
    EXPECT_TRUE(nibbles.asQImage(limits).isNull()) << "4 bits are unpacked into bytes";
    EXPECT_FALSE(nibbles.asQImage().isNull());
}
