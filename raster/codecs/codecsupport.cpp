#include "raster/codecs/codecsupport.h"

#include <gif_lib.h>

#include <climits>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

namespace codec {

bool acceptableSize(int64_t width, int64_t height, int bitCount, const ImageLimits& limits) {
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide) return false;
    return limits.allowsPicture(width, height, uint64_t(dibStride(width, bitCount)) * uint64_t(height));
}

int bitsForColours(int colours) {
    return colours <= 2 ? 1 : colours <= 16 ? 4 : 8;
}

void putIndex(uint8_t* row, int x, int bits, unsigned value) {
    switch (bits) {
    case 1: {
        const uint8_t mask = uint8_t(0x80 >> (x & 7));
        row[x >> 3] = value & 1 ? uint8_t(row[x >> 3] | mask) : uint8_t(row[x >> 3] & ~mask);
        break;
    }
    case 4: {
        uint8_t& b = row[x >> 1];
        b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0x0F)) : uint8_t((b & 0x0F) | ((value & 0x0F) << 4));
        break;
    }
    default:
        row[x] = uint8_t(value);
    }
}

bool hasGreyRamp(const DibImage& image) {
    if (image.bitCount() != 8) return false;
    const auto table = image.colors();
    for (int i = 0; i < 256; ++i)
        if (table[i].red != i || table[i].green != i || table[i].blue != i) return false;
    return true;
}

DibImage toTrueColor(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull() || image.bitCount() == 24) return image.clone(limits);
    DibImage out = createImage(image.width(), image.height(), 24, limits);
    if (out.isNull()) return {};
    const auto table = image.colors();
    for (int row = 0; row < image.height(); ++row) {
        const uint8_t* src = image.memoryRow(row);
        uint8_t* dst = out.memoryRow(row);
        for (int x = 0; x < image.width(); ++x) {
            const RgbQuad& c = table[indexAt(src, x, image.bitCount())];
            dst[3 * x] = c.blue;
            dst[3 * x + 1] = c.green;
            dst[3 * x + 2] = c.red;
        }
    }
    return out;
}

namespace {

DibImage widenIndices(const DibImage& image, int bits, const ImageLimits& limits) {
    const auto table = image.colors();
    DibImage out = createImage(image.width(), image.height(), bits, table.data(), int(table.size()), limits);
    if (out.isNull()) return {};
    for (int row = 0; row < image.height(); ++row) {
        const uint8_t* src = image.memoryRow(row);
        uint8_t* dst = out.memoryRow(row);
        for (int x = 0; x < image.width(); ++x)
            putIndex(dst, x, bits, indexAt(src, x, image.bitCount()));
    }
    return out;
}

// A picture of at most 256 distinct colours keeps them exactly.
DibImage exactPalette(const DibImage& image, const ImageLimits& limits) {
    std::unordered_map<uint32_t, uint8_t> seen;
    RgbQuad table[256];
    for (int row = 0; row < image.height(); ++row) {
        const uint8_t* src = image.memoryRow(row);
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t key =
                uint32_t(src[3 * x]) | uint32_t(src[3 * x + 1]) << 8 | uint32_t(src[3 * x + 2]) << 16;
            if (seen.contains(key)) continue;
            if (seen.size() == 256) return {};
            table[seen.size()] = {src[3 * x], src[3 * x + 1], src[3 * x + 2], 0};
            seen.emplace(key, uint8_t(seen.size()));
        }
    }
    DibImage out = createImage(image.width(), image.height(), 8, table, int(seen.size()), limits);
    if (out.isNull()) return {};
    for (int row = 0; row < image.height(); ++row) {
        const uint8_t* src = image.memoryRow(row);
        uint8_t* dst = out.memoryRow(row);
        for (int x = 0; x < image.width(); ++x)
            dst[x] =
                seen[uint32_t(src[3 * x]) | uint32_t(src[3 * x + 1]) << 8 | uint32_t(src[3 * x + 2]) << 16];
    }
    return out;
}

DibImage medianCut(const DibImage& image, const ImageLimits& limits) {
    const std::size_t count = std::size_t(image.width()) * std::size_t(image.height());
    if (!limits.allows(uint64_t(count) * 4)) return {};
    // giflib wants the colour planes apart and hands back its own indices,
    // which are not used (see below) but must have room.
    std::vector<GifByteType> red, green, blue, indices;
    try {
        red.resize(count);
        green.resize(count);
        blue.resize(count);
        indices.resize(count);
    } catch (const std::bad_alloc&) {
        return {};
    }
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* src = image.rowFromTop(y);
        for (int x = 0; x < image.width(); ++x, ++i) {
            blue[i] = src[3 * x];
            green[i] = src[3 * x + 1];
            red[i] = src[3 * x + 2];
        }
    }
    int colours = 256;
    GifColorType map[256] = {};
    if (GifQuantizeBuffer(unsigned(image.width()), unsigned(image.height()), &colours, red.data(),
                          green.data(), blue.data(), indices.data(), map) != GIF_OK)
        return {};
    RgbQuad table[256];
    for (int c = 0; c < 256; ++c)
        table[c] = {map[c].Blue, map[c].Green, map[c].Red, 0};
    DibImage out = createImage(image.width(), image.height(), 8, table, 256, limits);
    if (out.isNull()) return {};
    // giflib assigns each pixel its median-cut box, which is not always the
    // nearest palette colour; the nearest one is found per 15-bit colour, once.
    std::vector<int16_t> nearest(32768, -1);
    auto nearestIndex = [&](int r, int g, int b) {
        int16_t& slot = nearest[std::size_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3))];
        if (slot < 0) {
            int best = 0, bestDistance = INT32_MAX;
            for (int c = 0; c < colours; ++c) {
                const int dr = r - map[c].Red, dg = g - map[c].Green, db = b - map[c].Blue;
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) best = c, bestDistance = distance;
            }
            slot = int16_t(best);
        }
        return uint8_t(slot);
    };
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* src = image.rowFromTop(y);
        uint8_t* dst = out.rowFromTop(y);
        for (int x = 0; x < image.width(); ++x)
            dst[x] = nearestIndex(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
    }
    return out;
}

} // namespace

DibImage toPalette8(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull()) return {};
    if (image.bitCount() == 8) return image.clone(limits);
    if (image.bitCount() == 24) {
        DibImage exact = exactPalette(image, limits);
        return exact.isNull() ? medianCut(image, limits) : std::move(exact);
    }
    return widenIndices(image, 8, limits);
}

DibImage toPalette4(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull() || image.bitCount() > 4) return {};
    if (image.bitCount() == 4) return image.clone(limits);
    return widenIndices(image, 4, limits);
}

} // namespace codec
