#include "retouch/tones.h"
#include "retouchreference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace reference;

TEST(Tones, MatchTheFormulasPerComponentForEveryDepth) {
    for (int bits : kBitCounts)
        for (auto [w, h] : kSizes) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << "x" << bits);
            const DibImage s = randomImage(w, h, bits, unsigned(w + 7 * h + bits));
            for (int delta : {-127, -40, 0, 1, 10, 127}) {
                DibImage fast = s.clone(), slow = s.clone();
                Helligkeit(fast, delta);
                eachComponent(slow, [&](int v) { return brightness(v, delta); });
                EXPECT_TRUE(sameBytes(fast, slow)) << "brightness " << delta;
            }
            for (int value : {0, 1, 50, 99, 100, 101, 150, 199, 200}) {
                DibImage fast = s.clone(), slow = s.clone();
                Kontrast(fast, value);
                eachComponent(slow, [&](int v) { return contrast(v, value); });
                EXPECT_TRUE(sameBytes(fast, slow)) << "contrast " << value;
            }
            DibImage once = s.clone(), twice = s.clone();
            HelligkeitUndKontrast(once, 33, 140);
            Helligkeit(twice, 33);
            Kontrast(twice, 140);
            EXPECT_TRUE(sameBytes(once, twice));
        }
}

TEST(Tones, GiveTheWorkedValues) {
    DibImage image = createImage(1, 1, 24);
    setPixelAt(image, 0, 0, makeColorRef(250, 100, 0));
    Helligkeit(image, 10);
    EXPECT_EQ(pixelAt(image, 0, 0), makeColorRef(255, 110, 10));
    EXPECT_EQ(brightnessTable(-127)[100], 0);

    EXPECT_EQ(contrastTable(50)[200], 163);
    EXPECT_EQ(contrastTable(50)[0], 64);
    EXPECT_EQ(contrastTable(150)[100], 50);
    EXPECT_EQ(contrastTable(150)[200], 228);
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(contrastTable(0)[v], 127);
        EXPECT_EQ(contrastTable(100)[v], v);
        EXPECT_TRUE(contrastTable(200)[v] == 0 || contrastTable(200)[v] == 255);
    }
    // Beyond the track bar's range the values are limited rather than wrapped.
    EXPECT_EQ(contrastTable(300)[200], 255);
    EXPECT_EQ(contrastTable(-100)[255], 0);
}

TEST(Tones, ChangeOnlyThePaletteOfPaletteImages) {
    const DibImage s = randomImage(9, 4, 8, 5);
    DibImage image = s.clone();
    std::vector<int> shown;
    Helligkeit(image, 50, {}, [&](int p) { shown.push_back(p); });
    EXPECT_EQ(0, std::memcmp(image.pixels(), s.pixels(), s.sizeImage()));
    EXPECT_EQ(image.colors()[7].red, std::min(255, s.colors()[7].red + 50));
    // One step per palette entry: 0, then i × 100 div 255, then 0.
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown[shown.size() - 2], 100);
    EXPECT_EQ(shown.back(), 0);
    EXPECT_EQ(shown.size(), 101u + 1u);
}
