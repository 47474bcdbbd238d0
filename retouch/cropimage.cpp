#include "retouch/cropimage.h"

#include "raster/imageresolution.h"

#include <algorithm>
#include <cstring>
#include <utility>

PixelRegion clampRegion(PixelRegion region, int width, int height) {
    if (region.left > region.right) std::swap(region.left, region.right);
    if (region.top > region.bottom) std::swap(region.top, region.bottom);
    region.left = std::clamp(region.left, 0, width);
    region.right = std::clamp(region.right, 0, width);
    region.top = std::clamp(region.top, 0, height);
    region.bottom = std::clamp(region.bottom, 0, height);
    return region;
}

void copyBitRun(const uint8_t* source, int64_t sourceBit, uint8_t* target, int64_t bitCount) {
    if (bitCount <= 0) return;
    const uint8_t* from = source + sourceBit / 8;
    const int shift = int(sourceBit % 8);
    const int64_t bytes = (bitCount + 7) / 8;
    if (shift == 0) {
        std::memcpy(target, from, std::size_t(bytes));
    } else {
        // Target byte j takes the low bits of source byte j and the high bits of
        // byte j + 1; that second byte is read only when bits of it are wanted,
        // so the run never reads past its own last byte.
        for (int64_t j = 0; j < bytes; ++j) {
            unsigned value = unsigned(from[j]) << shift;
            if ((j + 1) * 8 - shift < bitCount) value |= unsigned(from[j + 1]) >> (8 - shift);
            target[j] = uint8_t(value);
        }
    }
    if (const int tail = int(bitCount % 8)) target[bytes - 1] &= uint8_t(0xFF << (8 - tail));
}

DibImage cropImage(const DibImage& source, const PixelRegion& wanted, const ImageLimits& limits,
                   const ProgressFn& progress) {
    RowProgress rows(progress, 1);
    rows.reset();
    const PixelRegion region = clampRegion(wanted, source.width(), source.height());
    if (source.isNull() || region.isEmpty()) return {};
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    DibImage result =
        createImage(width, height, source.bitCount(), source.colors().data(), source.paletteSize(), limits);
    if (result.isNull()) {
        rows.reset();
        return {};
    }
    copyResolution(source, result);
    rows.setRows(height);
    const int bits = source.bitCount();
    const int64_t rowBits = int64_t(width) * bits;
    for (int d = 0; d < height; ++d) {
        rows.row(d);
        const uint8_t* from = source.rowFromTop(region.top + d);
        uint8_t* to = result.rowFromTop(d);
        if (bits % 8 == 0)
            std::memcpy(to, from + std::size_t(region.left) * (bits / 8), std::size_t(rowBits / 8));
        else
            copyBitRun(from, int64_t(region.left) * bits, to, rowBits);
    }
    rows.reset();
    return result;
}
