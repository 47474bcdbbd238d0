#include "raster/dibimage.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// The 16 colours of the standard Windows VGA palette.
constexpr uint8_t kVga16[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                   {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                   {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                   {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

void fillDefaultPalette(std::span<RgbQuad> table, int bitCount) {
    if (bitCount == 1) {
        table[0] = {0, 0, 0, 0};
        table[1] = {255, 255, 255, 0};
    } else if (bitCount == 4) {
        for (int i = 0; i < 16; ++i)
            table[i] = {kVga16[i][2], kVga16[i][1], kVga16[i][0], 0};
    } else if (bitCount == 8) {
        for (int i = 0; i < 256; ++i)
            table[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
    }
}

} // namespace

void DibImage::FreeDeleter::operator()(uint8_t* p) const {
    std::free(p);
}

DibImage::DibImage(DibImage&& other) noexcept
    : header_(other.header_), colors_(other.colors_), pixels_(std::move(other.pixels_)),
      stride_(other.stride_), cache_(std::move(other.cache_)) {
    other.header_ = {};
    other.stride_ = 0;
}

DibImage& DibImage::operator=(DibImage&& other) noexcept {
    if (this != &other) {
        header_ = other.header_;
        colors_ = other.colors_;
        pixels_ = std::move(other.pixels_);
        stride_ = other.stride_;
        cache_ = std::move(other.cache_);
        other.header_ = {};
        other.stride_ = 0;
        other.cache_ = QImage();
    }
    return *this;
}

DibImage::~DibImage() = default;

std::span<RgbQuad> DibImage::colors() {
    invalidateCache();
    return {colors_.data(), std::size_t(paletteSize())};
}

uint8_t* DibImage::pixels() {
    invalidateCache();
    return pixels_.get();
}

DibImage DibImage::clone(const ImageLimits& limits) const {
    if (isNull()) return {};
    DibImage copy = createImage(width(), height(), bitCount(), colors_.data(), paletteSize(), limits);
    if (copy.isNull()) return {};
    std::memcpy(copy.pixels_.get(), pixels_.get(), sizeImage());
    copy.header_ = header_;
    return copy;
}

const QImage& DibImage::asQImage(const ImageLimits& limits) const {
    if (!cache_.isNull() || isNull()) return cache_;
    const int w = width(), h = height();
    const QImage::Format format = bitCount() == 24  ? QImage::Format_RGB32
                                  : bitCount() == 1 ? QImage::Format_Mono
                                                    : QImage::Format_Indexed8;
    // QImage rows are padded to 32 bits like ours: a 1-bit image stays 1 bit.
    const int64_t lineBytes = dibStride(w, QImage::toPixelFormat(format).bitsPerPixel());
    if (!limits.allows(uint64_t(lineBytes) * uint64_t(h))) return cache_;

    QImage out(w, h, format);
    if (out.isNull()) return cache_;
    if (hasPalette()) {
        QList<QRgb> table;
        for (const RgbQuad& q : colors())
            table.append(qRgb(q.red, q.green, q.blue));
        out.setColorTable(table);
    }
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = rowFromTop(y);
        uchar* dst = out.scanLine(y);
        switch (bitCount()) {
        case 24: {
            auto* px = reinterpret_cast<QRgb*>(dst);
            for (int x = 0; x < w; ++x, src += 3)
                px[x] = qRgb(src[2], src[1], src[0]);
            break;
        }
        case 8:
            std::memcpy(dst, src, std::size_t(w));
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = (x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4);
            break;
        case 1:
            std::memcpy(dst, src, std::size_t((w + 7) / 8));
            break;
        }
    }
    cache_ = std::move(out);
    return cache_;
}

int64_t dibStride(int64_t width, int bitCount) {
    if (width <= 0 || width > kMaxDibSide) return 0;
    return ((width * bitCount + 31) / 32) * 4;
}

DibImage createImage(int width, int height, int bitCount, const RgbQuad* palette, int colorCount,
                     const ImageLimits& limits) {
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return {};
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide) return {};
    const int64_t stride = dibStride(width, bitCount);
    const uint64_t bytes = uint64_t(stride) * uint64_t(height);
    if (bytes == 0 || !limits.allowsPicture(width, height, bytes) || bytes > UINT32_MAX) return {};

    // calloc hands out zeroed memory without touching every page of a large image.
    auto* memory = static_cast<uint8_t*>(std::calloc(std::size_t(bytes), 1));
    if (!memory) return {};

    DibImage image;
    image.pixels_.reset(memory);
    image.stride_ = int(stride);
    image.header_.biWidth = width;
    image.header_.biHeight = height;
    image.header_.biBitCount = uint16_t(bitCount);
    image.header_.biSizeImage = uint32_t(bytes);
    const int entries = image.paletteSize();
    image.header_.biClrUsed = uint32_t(entries);
    if (entries > 0) {
        fillDefaultPalette({image.colors_.data(), std::size_t(entries)}, bitCount);
        if (palette) {
            const int n = colorCount < entries ? colorCount : entries;
            for (int i = 0; i < n; ++i)
                image.colors_[i] = palette[i];
        }
    }
    return image;
}

DibImage createImage(int width, int height, int bitCount, const ImageLimits& limits) {
    return createImage(width, height, bitCount, nullptr, 0, limits);
}

void releaseImage(DibImage& image) {
    image = DibImage();
}

uint32_t pixelAt(const DibImage& image, int x, int y) {
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
    const uint8_t* row = image.rowFromTop(y);
    switch (image.bitCount()) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case 8:
        return row[x];
    case 24: {
        const uint8_t* p = row + 3 * x;
        return makeColorRef(p[2], p[1], p[0]);
    }
    }
    return 0;
}

void setPixelAt(DibImage& image, int x, int y, uint32_t value) {
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    uint8_t* row = image.rowFromTop(y);
    switch (image.bitCount()) {
    case 1: {
        const uint8_t mask = uint8_t(0x80 >> (x & 7));
        row[x >> 3] = value ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask);
        break;
    }
    case 4: {
        uint8_t& b = row[x >> 1];
        b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0x0F)) : uint8_t((b & 0x0F) | ((value & 0x0F) << 4));
        break;
    }
    case 8:
        row[x] = uint8_t(value);
        break;
    case 24: {
        uint8_t* p = row + 3 * x;
        p[0] = uint8_t(blueOf(value));
        p[1] = uint8_t(greenOf(value));
        p[2] = uint8_t(redOf(value));
        break;
    }
    }
}
