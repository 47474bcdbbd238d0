#include "retouch/cropimage.h"
#include "retouch/quarterturns.h"
#include "retouchreference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace reference;

namespace {

DibImage from3x2(int bits, const uint32_t (&v)[6]) {
    DibImage image = createImage(3, 2, bits);
    for (int i = 0; i < 6; ++i)
        setPixelAt(image, i % 3, i / 3, v[i]);
    return image;
}

std::vector<uint32_t> pixelsOf(const DibImage& image) {
    std::vector<uint32_t> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.push_back(pixelAt(image, x, y));
    return out;
}

} // namespace

TEST(QuarterTurns, MatchThePerPixelMappingForEveryDepthAndSize) {
    for (int bits : kBitCounts)
        for (auto [w, h] : kSizes)
            for (bool dirty : {false, true}) {
                SCOPED_TRACE(testing::Message() << w << "x" << h << "x" << bits << (dirty ? " dirty" : ""));
                const DibImage s = randomImage(w, h, bits, unsigned(w * 31 + h + bits), dirty);
                // Dirty padding may travel with whole rows, so only the pixels are compared then.
                auto same = dirty ? samePixels : sameBytes;
                EXPECT_TRUE(same(::rotateLeft(s), reference::rotateLeft(s)));
                EXPECT_TRUE(same(::rotateRight(s), reference::rotateRight(s)));
                EXPECT_TRUE(same(::mirrorLeftRight(s), reference::mirrorLeftRight(s)));
                EXPECT_TRUE(samePixels(::mirrorTopBottom(s), reference::mirrorTopBottom(s)));
            }
}

TEST(QuarterTurns, TurnTheThreeByTwoPatternAsDrawn) {
    // Top row a b c, bottom row d e f, as 8-bit indices and as colours.
    for (int bits : {4, 8, 24}) {
        const DibImage s = from3x2(bits, {1, 2, 3, 4, 5, 6});
        const DibImage left = ::rotateLeft(s);
        ASSERT_EQ(left.width(), 2);
        ASSERT_EQ(left.height(), 3);
        EXPECT_EQ(pixelsOf(left), (std::vector<uint32_t>{3, 6, 2, 5, 1, 4}));             // (c f) (b e) (a d)
        EXPECT_EQ(pixelsOf(::rotateRight(s)), (std::vector<uint32_t>{4, 1, 5, 2, 6, 3})); // (d a) (e b) (f c)
        EXPECT_EQ(pixelsOf(::mirrorLeftRight(s)), (std::vector<uint32_t>{3, 2, 1, 6, 5, 4}));
        EXPECT_EQ(pixelsOf(::mirrorTopBottom(s)), (std::vector<uint32_t>{4, 5, 6, 1, 2, 3}));
    }
}

TEST(QuarterTurns, LeftThenRightAndFourTurnsGiveBackTheImageWithItsPalette) {
    for (int bits : kBitCounts) {
        const DibImage s = randomImage(13, 6, bits, 99);
        EXPECT_TRUE(sameBytes(::rotateRight(::rotateLeft(s)), s));
        EXPECT_TRUE(sameBytes(::rotateLeft(::rotateLeft(::rotateLeft(::rotateLeft(s)))), s));
        EXPECT_TRUE(sameBytes(::rotateRight(::rotateRight(::rotateRight(::rotateRight(s)))), s));
        EXPECT_TRUE(sameBytes(::mirrorLeftRight(::mirrorLeftRight(s)), s));
        EXPECT_TRUE(sameBytes(::mirrorTopBottom(::mirrorTopBottom(s)), s));
    }
}

TEST(QuarterTurns, FailWithoutMemoryAndReportProgressToTheLastRow) {
    const DibImage s = randomImage(40, 30, 24, 1);
    {
        const ImageLimits shortOfMemory{.pixelMemoryBytes = 1000};
        std::vector<int> shown;
        EXPECT_TRUE(::rotateLeft(s, shortOfMemory, [&](int p) { shown.push_back(p); }).isNull());
        EXPECT_EQ(shown, std::vector<int>{0});
    }
    std::vector<int> shown;
    ::mirrorLeftRight(s, {}, [&](int p) { shown.push_back(p); });
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown[shown.size() - 2], 100);
    EXPECT_EQ(shown.back(), 0);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end() - 1));
}

TEST(Crop, MatchesThePerPixelCopyForEveryDepthOffsetAndWidth) {
    for (int bits : kBitCounts) {
        const DibImage s = randomImage(37, 9, bits, unsigned(bits), true);
        for (int left = 0; left < 10; ++left)
            for (int right : {left + 1, left + 7, left + 8, left + 9, 37})
                for (auto [top, bottom] : {std::pair(0, 9), std::pair(3, 4), std::pair(2, 8)}) {
                    SCOPED_TRACE(testing::Message() << bits << " bits, columns " << left << ".." << right);
                    const DibImage fast = cropImage(s, {left, top, right, bottom});
                    // The new rows' padding is clean whatever the source had there.
                    EXPECT_TRUE(sameBytes(fast, reference::crop(s, left, top, right, bottom)));
                }
    }
}

TEST(Crop, LimitsTheRegionToTheImageAndRefusesEmptyOnes) {
    const DibImage s = randomImage(10, 8, 8, 3);
    EXPECT_TRUE(sameBytes(cropImage(s, {4, 2, 99, 99}), reference::crop(s, 4, 2, 10, 8)));
    EXPECT_TRUE(sameBytes(cropImage(s, {6, 5, 2, 1}), reference::crop(s, 2, 1, 6, 5)));
    EXPECT_TRUE(cropImage(s, {3, 3, 3, 7}).isNull());
    EXPECT_TRUE(cropImage(s, {12, 0, 15, 4}).isNull());
    EXPECT_TRUE(cropImage(s, {0, 0, 10, 8}, ImageLimits{.pixelMemoryBytes = 16}).isNull());
}

TEST(Crop, ShowsProgressPerRowAndAFullBarForASingleRow) {
    const DibImage s = randomImage(10, 8, 24, 3);
    std::vector<int> shown;
    cropImage(s, {0, 0, 10, 3}, {}, [&](int p) { shown.push_back(p); });
    EXPECT_EQ(shown, (std::vector<int>{0, 50, 100, 0}));
    shown.clear();
    cropImage(s, {0, 4, 10, 5}, {}, [&](int p) { shown.push_back(p); });
    EXPECT_EQ(shown, (std::vector<int>{0, 100, 0}));
}
