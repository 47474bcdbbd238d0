// Turning by any angle: the canvas grows to hold the turned picture, new
// corners are white, and quarter turns agree with the exact ones.

#include "retouch/quarterturns.h"
#include "retouch/turnimage.h"
#include "support/imagecompare.h"
#include "support/testimages.h"

#include <gtest/gtest.h>

namespace {

TEST(TurnImage, TheCanvasHoldsTheTurnedPicture) {
    struct Case {
        double degrees;
        int width, height;
    };
    for (const Case c : {Case{0, 40, 30}, Case{90, 30, 40}, Case{-90, 30, 40}, Case{180, 40, 30},
                         Case{30, 50, 46}, Case{-30, 50, 46}, Case{0.1, 41, 31}}) {
        SCOPED_TRACE(c.degrees);
        const CanvasSize size = turnedCanvas(40, 30, c.degrees);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(TurnImage, QuarterTurnsAreExactAndNewCornersWhite) {
    const DibImage picture = gradientImage24(40, 30);
    expectSamePicture(rotateLeft(picture), turnImage(picture, 90), 0);
    expectSamePicture(rotateRight(picture), turnImage(picture, -90), 0);
    for (int bits : {8, 4}) {
        // Grey pictures stay grey; other palettes become 24-bit.
        const DibImage palette = patternImage(20, 20, bits);
        EXPECT_EQ(turnImage(palette, 10).bitCount(), bits == 8 ? 8 : 24);
    }

    const DibImage turned = turnImage(solidImage24(40, 30, Qt::black), 30);
    EXPECT_EQ(colourAt(turned, 0, 0), makeColorRef(255, 255, 255));
    EXPECT_EQ(colourAt(turned, turned.width() - 1, turned.height() - 1), makeColorRef(255, 255, 255));
    EXPECT_EQ(colourAt(turned, turned.width() / 2, turned.height() / 2), makeColorRef(0, 0, 0));
    // Counter-clockwise: the top right corner rises to the canvas's top edge.
    EXPECT_EQ(colourAt(turned, 35, 2), makeColorRef(0, 0, 0));
    EXPECT_EQ(colourAt(turned, 15, 2), makeColorRef(255, 255, 255));
}

} // namespace
