#pragma once
// Plain per-pixel versions of the retouch operations, written the slow and
// obvious way (one pixel access per pixel, formulas evaluated per component),
// for comparison with the fast ones.

#include "raster/dibimage.h"
#include "retouch/effecttable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace reference {

inline DibImage sameKind(const DibImage& s, int w, int h) {
    return createImage(w, h, s.bitCount(), s.colors().data(), s.paletteSize());
}

inline DibImage crop(const DibImage& s, int left, int top, int right, int bottom) {
    DibImage n = sameKind(s, right - left, bottom - top);
    for (int y = 0; y < n.height(); ++y)
        for (int x = 0; x < n.width(); ++x)
            setPixelAt(n, x, y, pixelAt(s, left + x, top + y));
    return n;
}

// `map` gives the target position of source pixel (x, y).
template <typename Map> DibImage remap(const DibImage& s, int w, int h, Map map) {
    DibImage n = sameKind(s, w, h);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const auto [tx, ty] = map(x, y);
            setPixelAt(n, tx, ty, pixelAt(s, x, y));
        }
    return n;
}
inline DibImage rotateLeft(const DibImage& s) {
    return remap(s, s.height(), s.width(), [&](int x, int y) { return std::pair(y, s.width() - 1 - x); });
}
inline DibImage rotateRight(const DibImage& s) {
    return remap(s, s.height(), s.width(), [&](int x, int y) { return std::pair(s.height() - 1 - y, x); });
}
inline DibImage mirrorLeftRight(const DibImage& s) {
    return remap(s, s.width(), s.height(), [&](int x, int y) { return std::pair(s.width() - 1 - x, y); });
}
inline DibImage mirrorTopBottom(const DibImage& s) {
    return remap(s, s.width(), s.height(), [&](int x, int y) { return std::pair(x, s.height() - 1 - y); });
}

inline int brightness(int v, int delta) {
    return std::clamp(v + delta, 0, 255);
}
inline int contrast(int v, int c) {
    if (c <= 100) return (v - 127) * c / 100 + 127;
    const int k = 200 - c;
    return v < 128 ? v * k / 100 : 255 - (255 - v) * k / 100;
}
// Applies `f` to every colour component: the colour table or the pixels.
template <typename F> void eachComponent(DibImage& image, F f) {
    if (image.hasPalette()) {
        for (RgbQuad& q : image.colors())
            q = {uint8_t(f(q.blue)), uint8_t(f(q.green)), uint8_t(f(q.red)), q.reserved};
        return;
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const ColorRef c = pixelAt(image, x, y);
            setPixelAt(image, x, y, makeColorRef(f(redOf(c)), f(greenOf(c)), f(blueOf(c))));
        }
}

inline int component(ColorRef c, int channel) {
    return channel == 0 ? blueOf(c) : channel == 1 ? greenOf(c) : redOf(c);
}

// The filter as the definition reads: the window reaches beyond the image into
// repeated edge pixels, the kernel is read transposed.
inline DibImage filter(const DibImage& s, const EffectFilter& f) {
    DibImage n = s.clone();
    const int W = s.width(), H = s.height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            int value[3];
            for (int ch = 0; ch < 3; ++ch) {
                int sum = 0;
                for (int r = 0; r < 5; ++r)
                    for (int c = 0; c < 5; ++c) {
                        const int sx = std::clamp(x + c - 2, 0, W - 1), sy = std::clamp(y + r - 2, 0, H - 1);
                        sum += f.Kernel[c][r] * component(pixelAt(s, sx, sy), ch);
                    }
                value[ch] = std::clamp(sum / f.Divisor + f.Bias, 0, 255);
            }
            setPixelAt(n, x, y, makeColorRef(value[2], value[1], value[0]));
        }
    return n;
}

inline DibImage depthTo24(const DibImage& s) {
    DibImage n = createImage(s.width(), s.height(), 24);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const RgbQuad q = s.colors()[pixelAt(s, x, y)];
            setPixelAt(n, x, y, makeColorRef(q.red, q.green, q.blue));
        }
    return n;
}

// An image of random pixels; `dirtyPadding` also fills the unused bits at the
// end of every row, which no operation may let show through.
inline DibImage randomImage(int w, int h, int bits, unsigned seed, bool dirtyPadding = false) {
    std::mt19937 random(seed);
    DibImage image = createImage(w, h, bits);
    if (dirtyPadding) {
        uint8_t* p = image.pixels();
        for (std::size_t i = 0; i < image.sizeImage(); ++i)
            p[i] = uint8_t(random());
    }
    for (RgbQuad& q : image.colors())
        q = {uint8_t(random()), uint8_t(random()), uint8_t(random()), 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setPixelAt(image, x, y,
                       bits == 24 ? uint32_t(random() & 0xFFFFFF) : uint32_t(random() % (1u << bits)));
    return image;
}

inline ::testing::AssertionResult samePixels(const DibImage& a, const DibImage& b) {
    if (a.width() != b.width() || a.height() != b.height() || a.bitCount() != b.bitCount())
        return ::testing::AssertionFailure()
               << "size or depth differ: " << a.width() << "x" << a.height() << "x" << a.bitCount() << " vs "
               << b.width() << "x" << b.height() << "x" << b.bitCount();
    if (!std::equal(a.colors().begin(), a.colors().end(), b.colors().begin(), b.colors().end()))
        return ::testing::AssertionFailure() << "colour tables differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (pixelAt(a, x, y) != pixelAt(b, x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") differs";
    return ::testing::AssertionSuccess();
}

// Also the bytes between the rows' last pixels and their ends.
inline ::testing::AssertionResult sameBytes(const DibImage& a, const DibImage& b) {
    if (auto pixels = samePixels(a, b); !pixels) return pixels;
    if (a.sizeImage() != b.sizeImage() || std::memcmp(a.pixels(), b.pixels(), a.sizeImage()) != 0)
        return ::testing::AssertionFailure() << "row padding differs";
    return ::testing::AssertionSuccess();
}

// Sizes with odd widths, so that rows end in padding, and a single row and column.
inline constexpr std::pair<int, int> kSizes[] = {{1, 1}, {1, 4},   {5, 1},  {3, 2},   {7, 5},
                                                 {9, 3}, {13, 11}, {17, 9}, {70, 67}, {131, 3}};
inline constexpr int kBitCounts[] = {1, 4, 8, 24};

} // namespace reference
