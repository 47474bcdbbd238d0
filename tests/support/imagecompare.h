#pragma once
// Comparing pictures by the colours they show, whatever their bit counts.

#include "raster/dibimage.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The colour of a pixel, looked up in the palette for palette images.
inline ColorRef colourAt(const DibImage& image, int x, int y) {
    const uint32_t value = pixelAt(image, x, y);
    if (!image.hasPalette()) return value;
    const RgbQuad& c = image.colors()[value];
    return makeColorRef(c.red, c.green, c.blue);
}

// Same size and every pixel's components within `tolerance`; reports the first difference.
inline void expectSamePicture(const DibImage& expected, const DibImage& actual, int tolerance) {
    ASSERT_FALSE(actual.isNull());
    ASSERT_EQ(actual.width(), expected.width());
    ASSERT_EQ(actual.height(), expected.height());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const ColorRef a = colourAt(expected, x, y), b = colourAt(actual, x, y);
            const bool close = std::abs(redOf(a) - redOf(b)) <= tolerance &&
                               std::abs(greenOf(a) - greenOf(b)) <= tolerance &&
                               std::abs(blueOf(a) - blueOf(b)) <= tolerance;
            if (!close) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": expected " << std::hex << a << ", got " << b;
                return;
            }
        }
}
