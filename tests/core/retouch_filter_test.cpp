#include "retouch/colordepth.h"
#include "retouch/dibfilter.h"
#include "retouchreference.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace reference;

namespace {

DibImage uniform24(int w, int h, int v) {
    DibImage image = createImage(w, h, 24);
    for (int y = 0; y < h; ++y)
        std::memset(image.rowFromTop(y), v, std::size_t(3 * w));
    return image;
}

DibImage mirrorOf(const DibImage& s) {
    DibImage m = s.clone();
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            setPixelAt(m, x, y, pixelAt(s, s.width() - 1 - x, y));
    return m;
}

// Filters a copy with table entry `index` as the menu applies it.
DibImage filtered(const DibImage& s, int index) {
    DibImage image = s.clone();
    DibImage work;
    EXPECT_EQ(DibFilter(image, TransposeKernel(effectTable()[index]), work), FilterOutcome::Filtered);
    return image;
}

} // namespace

TEST(EffectTable, HoldsTheFourteenFiltersInMenuOrder) {
    const char* captions[] = {"Weichzeichnen",
                              "Schwach Weichzeichnen",
                              "Stark Weichzeichnen",
                              "Schärfen",
                              "Stark Schärfen",
                              "Grease",
                              "Lithograph",
                              "Psychdist",
                              "Ecken hervorheben",
                              "Ecken finden",
                              "Ecken horizontal finden",
                              "Ecken vertikal finden",
                              "Emboss",
                              "Emboss vertikal"};
    const int divisors[] = {9, 5, 25, 12, 36, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int i = 0; i < kEffectCount; ++i) {
        EXPECT_EQ(std::string(effectTable()[i].Caption), captions[i]);
        EXPECT_EQ(effectTable()[i].Divisor, divisors[i]);
        EXPECT_EQ(effectTable()[i].Bias, i >= 12 ? 128 : 0);
    }
    EXPECT_EQ(effectTable()[7].Kernel[0], (std::array<int32_t, 5>{0, -1, -2, -3, -4}));
    EXPECT_EQ(effectTable()[6].Kernel[2][2], 98);
    EXPECT_EQ(effectTable()[12].Kernel, effectTable()[10].Kernel);
    const EffectFilter t = TransposeKernel(effectTable()[7]);
    EXPECT_EQ(t.Kernel[4][0], -4);
    EXPECT_EQ(t.Kernel[0][4], 0);
    EXPECT_EQ(std::string(t.Caption), "Psychdist");
    EXPECT_EQ(TransposeKernel(t).Kernel, effectTable()[7].Kernel);
}

TEST(DibFilter, MatchesThePerPixelConvolutionForEveryFilterAndSize) {
    for (auto [w, h] : kSizes) {
        const DibImage s = randomImage(w, h, 24, unsigned(3 * w + h), true);
        for (int i = 0; i < kEffectCount; ++i) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " filter " << i);
            // Both orientations of the kernel, so a swapped reading would show.
            EXPECT_TRUE(samePixels(filtered(s, i), reference::filter(s, TransposeKernel(effectTable()[i]))));
            DibImage image = s.clone(), work;
            DibFilter(image, effectTable()[i], work);
            EXPECT_TRUE(samePixels(image, reference::filter(s, effectTable()[i])));
        }
    }
}

TEST(DibFilter, UniformImagesGiveTheKernelSumTimesTheValue) {
    for (int v : {0, 1, 77, 128, 200, 255}) {
        const DibImage s = uniform24(6, 5, v);
        auto value = [&](int i) { return int(filtered(s, i).rowFromTop(2)[4]); };
        for (int i : {0, 1, 2, 3, 4, 5, 8})
            EXPECT_EQ(value(i), v) << i;
        for (int i : {9, 10, 11})
            EXPECT_EQ(value(i), 0) << i;
        for (int i : {12, 13})
            EXPECT_EQ(value(i), 128) << i;
        for (int i : {6, 7})
            EXPECT_EQ(value(i), std::min(255, 2 * v)) << i;
    }
}

TEST(DibFilter, FindsAVerticalEdgeOnlyWhereItRisesLeftToRight) {
    DibImage s = createImage(8, 3, 24);
    for (int y = 0; y < 3; ++y)
        std::memset(s.rowFromTop(y) + 12, 255, 12); // columns 4..7 white
    const DibImage rising = filtered(s, 10);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pixelAt(rising, x, 1), (x == 3 || x == 4) ? 0xFFFFFFu : 0u) << x;
    const DibImage falling = filtered(mirrorOf(s), 10);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pixelAt(falling, x, 1), 0u) << x;
}

TEST(DibFilter, KeepsASinglePixelUnderBlurAndRestoresEveryPixel) {
    DibImage one = createImage(1, 1, 24);
    setPixelAt(one, 0, 0, makeColorRef(12, 200, 99));
    EXPECT_EQ(pixelAt(filtered(one, 0), 0, 0), makeColorRef(12, 200, 99));

    const DibImage s = randomImage(11, 7, 24, 4, true);
    DibImage image = s.clone(), work;
    ASSERT_EQ(DibFilter(image, TransposeKernel(effectTable()[6]), work), FilterOutcome::Filtered);
    EXPECT_FALSE(samePixels(image, s));
    restoreFromBorderedCopy(image, work);
    EXPECT_TRUE(sameBytes(image, s)); // the row padding is left alone as well
}

TEST(DibFilter, RefusesPaletteImagesAndReportsShortMemory) {
    DibImage palette = randomImage(5, 5, 8, 1), work;
    const DibImage before = palette.clone();
    EXPECT_EQ(DibFilter(palette, effectTable()[0], work), FilterOutcome::NotTrueColour);
    EXPECT_TRUE(sameBytes(palette, before));
    DibImage image = randomImage(30, 30, 24, 1);
    const DibImage original = image.clone();
    const ImageLimits shortOfMemory{.pixelMemoryBytes = 3000};
    EXPECT_EQ(DibFilter(image, effectTable()[0], work, shortOfMemory), FilterOutcome::OutOfMemory);
    EXPECT_TRUE(work.isNull());
    EXPECT_TRUE(sameBytes(image, original));
}

TEST(DibFilter, BordersRepeatTheNearestEdgePixel) {
    const DibImage s = randomImage(3, 2, 24, 8);
    const DibImage q = makeBorderedCopy(s);
    ASSERT_EQ(q.width(), 7);
    ASSERT_EQ(q.height(), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(pixelAt(q, x, y), pixelAt(s, std::clamp(x - 2, 0, 2), std::clamp(y - 2, 0, 1)));
}

TEST(DepthUpTo, ShowsThePaletteColoursForEveryPaletteDepth) {
    for (int bits : {1, 4, 8})
        for (auto [w, h] : kSizes) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << "x" << bits);
            const DibImage s = randomImage(w, h, bits, unsigned(w * h + bits), true);
            EXPECT_TRUE(sameBytes(DepthUpTo(s, 24), reference::depthTo24(s)));
        }
    // A one-bit picture stored white-on-black keeps its look: index 0 is white here.
    RgbQuad inverted[2] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
    DibImage oneBit = createImage(9, 2, 1, inverted, 2);
    setPixelAt(oneBit, 3, 1, 1);
    const DibImage deeper = DepthUpTo(oneBit, 24);
    EXPECT_EQ(pixelAt(deeper, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(deeper, 3, 1), 0u);
    EXPECT_TRUE(DepthUpTo(randomImage(4, 4, 24, 1), 24).isNull());
    EXPECT_TRUE(DepthUpTo(randomImage(4, 4, 8, 1), 24, ImageLimits{.pixelMemoryBytes = 10}).isNull());
}
