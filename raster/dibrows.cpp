#include "raster/dibrows.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Palette index of column `c` in a row of `Bits` bits per pixel, leftmost pixel
// in the high bits of a byte.
template <int Bits> inline unsigned paletteIndex(const uint8_t* row, int c) {
    if constexpr (Bits == 8) {
        return row[c];
    } else if constexpr (Bits == 4) {
        return (row[c >> 1] >> ((c & 1) ? 0 : 4)) & 0x0F;
    } else {
        return (row[c >> 3] >> (7 - (c & 7))) & 1;
    }
}

template <int Bits>
void convertIndexedRow(const uint8_t* src, const std::vector<int>& column, const QRgb* lut, QRgb outside,
                       QRgb* dst) {
    for (std::size_t i = 0; i < column.size(); ++i)
        dst[i] = column[i] < 0 ? outside : lut[paletteIndex<Bits>(src, column[i])];
}

void convertRow24(const uint8_t* src, const std::vector<int>& column, QRgb outside, QRgb* dst) {
    for (std::size_t i = 0; i < column.size(); ++i) {
        if (column[i] < 0) {
            dst[i] = outside;
            continue;
        }
        const uint8_t* p = src + 3 * column[i];
        dst[i] = 0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
    }
}

// The source row's pixels of the block's columns, in the block's row.
void convertRow(const DibImage& image, const uint8_t* src, const std::vector<int>& column, const QRgb* lut,
                QRgb outside, QRgb* dst) {
    switch (image.bitCount()) {
    case 24:
        return convertRow24(src, column, outside, dst);
    case 8:
        return convertIndexedRow<8>(src, column, lut, outside, dst);
    case 4:
        return convertIndexedRow<4>(src, column, lut, outside, dst);
    case 1:
        return convertIndexedRow<1>(src, column, lut, outside, dst);
    }
}

bool rowScalable(int bits) {
    return bits == 24 || bits == 8 || bits == 4 || bits == 1;
}

} // namespace

QImage scaleDibRows(const DibImage& image, int SrcX, int SrcTop, int SrcWidth, int SrcHeight, int DestWidth,
                    int DestHeight, const QRect& visible) {
    const QRect block = visible & QRect(0, 0, DestWidth, DestHeight);
    if (block.isEmpty() || image.isNull() || !rowScalable(image.bitCount())) return {};
    if (std::size_t(block.width()) * std::size_t(block.height()) * 4 > pixelMemoryLimit()) return {};
    QImage out(block.size(), QImage::Format_RGB32);
    if (out.isNull()) return {};

    QRgb lut[256] = {};
    const auto table = image.colors();
    for (std::size_t i = 0; i < table.size(); ++i)
        lut[i] = qRgb(table[i].red, table[i].green, table[i].blue);
    const QRgb outside = image.hasPalette() ? lut[0] : qRgb(0, 0, 0);
    const int W = image.width(), H = image.height();

    // Source column of every block column; -1 where it falls outside the image.
    std::vector<int> column(std::size_t(block.width()));
    for (int i = 0; i < block.width(); ++i) {
        const int64_t c = SrcX + int64_t(SrcWidth) * (block.x() + i) / DestWidth;
        column[i] = (c >= 0 && c < W) ? int(c) : -1;
    }

    int64_t previousSource = -1;
    for (int r = 0; r < block.height(); ++r) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(r));
        const int64_t sourceRow = SrcTop + int64_t(SrcHeight) * (block.y() + r) / DestHeight;
        if (sourceRow < 0 || sourceRow >= H) {
            std::fill(dst, dst + block.width(), outside);
            previousSource = -1;
        } else if (sourceRow == previousSource) {
            std::memcpy(dst, out.scanLine(r - 1), std::size_t(block.width()) * 4);
        } else {
            convertRow(image, image.rowFromTop(int(sourceRow)), column, lut, outside, dst);
            previousSource = sourceRow;
        }
    }
    return out;
}
