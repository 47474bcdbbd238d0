#include "raster/halftone.h"

#include <vector>

namespace {

constexpr uint8_t kBayer8[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                                   {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                                   {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                                   {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

// Level 0..5 of one component: the lower cube level, raised by one where the
// remainder beats the position's threshold.
inline int ditherLevel(int component, int threshold) {
    const int scaled = component * 5;
    const int level = scaled / 255;
    return level + (scaled % 255 > threshold ? 1 : 0);
}

std::vector<RgbQuad> cubePalette() {
    std::vector<RgbQuad> table(256);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                table[36 * r + 6 * g + b] = {uint8_t(51 * b), uint8_t(51 * g), uint8_t(51 * r), 0};
    return table;
}

} // namespace

uint8_t halftoneIndex(int red, int green, int blue, int x, int y) {
    const int threshold = (kBayer8[y & 7][x & 7] * 255 + 32) / 64;
    return uint8_t(36 * ditherLevel(red, threshold) + 6 * ditherLevel(green, threshold) +
                   ditherLevel(blue, threshold));
}

DibImage DIBHalftoneDIBXY(const DibImage& source, int width, int height, const ImageLimits& limits) {
    if (source.isNull() || source.bitCount() != 24 || width <= 0 || height <= 0) return {};
    const std::vector<RgbQuad> palette = cubePalette();
    DibImage out = createImage(width, height, 8, palette.data(), 256, limits);
    if (out.isNull()) return {};

    const int W = source.width(), H = source.height();
    std::vector<int> sourceColumn(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        sourceColumn[x] = int((int64_t(2 * x + 1) * W) / (int64_t(2) * width));
    for (int y = 0; y < height; ++y) {
        const int sy = int((int64_t(2 * y + 1) * H) / (int64_t(2) * height));
        const uint8_t* src = source.rowFromTop(sy);
        uint8_t* dst = out.rowFromTop(y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = src + 3 * sourceColumn[x];
            dst[x] = halftoneIndex(p[2], p[1], p[0], x, y);
        }
    }
    return out;
}

DibImage DIBHalftoneDIB(const DibImage& source, const ImageLimits& limits) {
    return DIBHalftoneDIBXY(source, source.width(), source.height(), limits);
}
