#include "raster/dibrows.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// 1- and 4-bit images read a column's pixel as a whole byte looked up in the
// table of the pixel's position inside that byte: no shifting per pixel, so
// packed pixels cost what 8-bit ones cost. Entry 256 × p + b is the colour of
// the pixel at position p (from the left) of byte b.
std::vector<QRgb> byteColours(const QRgb* lut, int bits) {
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    std::vector<QRgb> table(std::size_t(perByte) * 256);
    for (int p = 0; p < perByte; ++p)
        for (unsigned b = 0; b < 256; ++b)
            table[std::size_t(p) * 256 + b] = lut[(b >> ((perByte - 1 - p) * bits)) & mask];
    return table;
}

// Where a column's pixel lies: its byte in the row (-1 outside the image) and
// the start of its position's table.
struct PixelPlace {
    int byte;
    int table;
};

std::vector<PixelPlace> pixelPlaces(const std::vector<int>& column, int bits) {
    const int perByte = 8 / bits;
    std::vector<PixelPlace> places(column.size());
    for (std::size_t i = 0; i < column.size(); ++i)
        places[i] =
            column[i] < 0 ? PixelPlace{-1, 0} : PixelPlace{column[i] / perByte, 256 * (column[i] % perByte)};
    return places;
}

void convertPackedRow(const uint8_t* src, const std::vector<PixelPlace>& places, const QRgb* colours,
                      QRgb outside, QRgb* dst) {
    for (std::size_t i = 0; i < places.size(); ++i)
        dst[i] = places[i].byte < 0 ? outside : colours[places[i].table + src[places[i].byte]];
}

void convertRow8(const uint8_t* src, const std::vector<int>& column, const QRgb* lut, QRgb outside,
                 QRgb* dst) {
    for (std::size_t i = 0; i < column.size(); ++i)
        dst[i] = column[i] < 0 ? outside : lut[src[column[i]]];
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

bool rowScalable(int bits) {
    return bits == 24 || bits == 8 || bits == 4 || bits == 1;
}

// What every row of a block shares: the source column of each block column
// (-1 where it falls outside the image) and the colours.
class RowConverter {
  public:
    RowConverter(const DibImage& image, std::vector<int> column)
        : bits_(image.bitCount()), column_(std::move(column)) {
        const auto table = image.colors();
        for (std::size_t i = 0; i < table.size(); ++i)
            lut_[i] = qRgb(table[i].red, table[i].green, table[i].blue);
        outside_ = image.hasPalette() ? lut_[0] : qRgb(0, 0, 0);
        if (bits_ < 8) {
            colours_ = byteColours(lut_, bits_);
            places_ = pixelPlaces(column_, bits_);
        }
    }
    // The colour of destination pixels whose source lies outside the image.
    QRgb outside() const { return outside_; }
    void convert(const uint8_t* src, QRgb* dst) const {
        if (bits_ == 24)
            convertRow24(src, column_, outside_, dst);
        else if (bits_ == 8)
            convertRow8(src, column_, lut_, outside_, dst);
        else
            convertPackedRow(src, places_, colours_.data(), outside_, dst);
    }

  private:
    int bits_;
    std::vector<int> column_;
    QRgb lut_[256] = {};
    QRgb outside_ = 0;
    std::vector<QRgb> colours_;
    std::vector<PixelPlace> places_;
};

} // namespace

QImage scaleDibRows(const DibImage& image, int SrcX, int SrcTop, int SrcWidth, int SrcHeight, int DestWidth,
                    int DestHeight, const QRect& visible, const ImageLimits& limits) {
    const QRect block = visible & QRect(0, 0, DestWidth, DestHeight);
    if (block.isEmpty() || image.isNull() || !rowScalable(image.bitCount())) return {};
    if (!limits.allows(uint64_t(block.width()) * uint64_t(block.height()) * 4)) return {};
    QImage out(block.size(), QImage::Format_RGB32);
    if (out.isNull()) return {};

    const int W = image.width(), H = image.height();
    std::vector<int> column(std::size_t(block.width()));
    for (int i = 0; i < block.width(); ++i) {
        const int64_t c = SrcX + int64_t(SrcWidth) * (block.x() + i) / DestWidth;
        column[i] = (c >= 0 && c < W) ? int(c) : -1;
    }
    const RowConverter rows(image, std::move(column));

    int64_t previousSource = -1;
    for (int r = 0; r < block.height(); ++r) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(r));
        const int64_t sourceRow = SrcTop + int64_t(SrcHeight) * (block.y() + r) / DestHeight;
        if (sourceRow < 0 || sourceRow >= H) {
            std::fill(dst, dst + block.width(), rows.outside());
            previousSource = -1;
        } else if (sourceRow == previousSource) {
            std::memcpy(dst, out.scanLine(r - 1), std::size_t(block.width()) * 4);
        } else {
            rows.convert(image.rowFromTop(int(sourceRow)), dst);
            previousSource = sourceRow;
        }
    }
    return out;
}
