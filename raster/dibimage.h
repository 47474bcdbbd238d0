#pragma once
// The image record: a 40-byte BITMAPINFOHEADER, its colour table and the pixel
// rows, bottom row first, each row padded to a multiple of 4 bytes. This is the
// exact layout the cover file stores, so images cross files byte for byte.

#include "raster/imagelimits.h"

#include <QImage>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#pragma pack(push, 1)
struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
struct RgbQuad {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;
    friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};
#pragma pack(pop)
static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(sizeof(RgbQuad) == 4);

// A Windows colour reference: 0x00BBGGRR, red in the low byte.
using ColorRef = uint32_t;
inline constexpr ColorRef makeColorRef(int r, int g, int b) {
    return ColorRef(r & 0xFF) | ColorRef(g & 0xFF) << 8 | ColorRef(b & 0xFF) << 16;
}
inline constexpr int redOf(ColorRef c) {
    return int(c & 0xFF);
}
inline constexpr int greenOf(ColorRef c) {
    return int((c >> 8) & 0xFF);
}
inline constexpr int blueOf(ColorRef c) {
    return int((c >> 16) & 0xFF);
}

class DibImage {
  public:
    DibImage() = default; // the null image
    DibImage(DibImage&& other) noexcept;
    DibImage& operator=(DibImage&& other) noexcept;
    DibImage(const DibImage&) = delete;
    DibImage& operator=(const DibImage&) = delete;
    ~DibImage();

    // A null image has no pixels: what a failed creation, decoding or scan gives.
    bool isNull() const { return !pixels_; }

    int width() const { return header_.biWidth; }
    int height() const { return header_.biHeight; }
    int bitCount() const { return header_.biBitCount; }
    // Bytes per pixel row, a multiple of 4.
    int stride() const { return stride_; }
    // Bytes of pixel data (the header's image size).
    std::size_t sizeImage() const { return header_.biSizeImage; }
    // 2 to the power of the bit count: 2, 16, 256, or 16777216 for 24 bits.
    int64_t colorCount() const { return int64_t(1) << bitCount(); }
    // Entries of the colour table: 2, 16, 256 for palette images, 0 for 24 bits.
    int paletteSize() const { return bitCount() <= 8 && bitCount() > 0 ? 1 << bitCount() : 0; }
    bool hasPalette() const { return paletteSize() > 0; }

    const BitmapInfoHeader& header() const { return header_; }
    BitmapInfoHeader& header() { return header_; }
    std::span<const RgbQuad> colors() const { return {colors_.data(), std::size_t(paletteSize())}; }
    std::span<RgbQuad> colors();

    const uint8_t* pixels() const { return pixels_.get(); }
    uint8_t* pixels();
    // Row `memoryRow` as stored: 0 is the bottom row of the picture.
    const uint8_t* memoryRow(int memoryRow) const { return pixels_.get() + std::size_t(memoryRow) * stride_; }
    uint8_t* memoryRow(int memoryRow) { return pixels() + std::size_t(memoryRow) * stride_; }
    // Row `y` counted from the top of the picture.
    const uint8_t* rowFromTop(int y) const { return memoryRow(height() - 1 - y); }
    uint8_t* rowFromTop(int y) { return memoryRow(height() - 1 - y); }

    // An independent copy of header, colour table and pixels; null when memory is short.
    DibImage clone(const ImageLimits& limits = {}) const;

    // The picture as a QImage (RGB32, Indexed8 or Mono), made once and kept until
    // the pixels or colours are next reached through a non-const accessor, so that
    // drawing the same image many times hands the same QImage to the painter.
    // Null when the limits leave no room for it.
    const QImage& asQImage(const ImageLimits& limits = {}) const;

  private:
    friend DibImage createImage(int, int, int, const RgbQuad*, int, const ImageLimits&);
    void invalidateCache() { cache_ = QImage(); }

    struct FreeDeleter {
        void operator()(uint8_t* p) const;
    };
    BitmapInfoHeader header_;
    std::array<RgbQuad, 256> colors_{};
    std::unique_ptr<uint8_t, FreeDeleter> pixels_;
    int stride_ = 0;
    mutable QImage cache_;
};

// Bytes per row for an image `width` pixels wide at `bitCount` bits, padded to 4;
// 0 when the row would be absurdly long.
int64_t dibStride(int64_t width, int bitCount);

// Creates an image with zeroed pixels. The colour table is copied from `palette`
// (`colorCount` entries) when given; otherwise palette images get black/white,
// the 16 standard Windows colours or a grey ramp. Bit counts 1, 4, 8 and 24 only.
// Returns the null image when the size is out of range or memory is short.
DibImage createImage(int width, int height, int bitCount, const RgbQuad* palette, int colorCount,
                     const ImageLimits& limits = {});
DibImage createImage(int width, int height, int bitCount, const ImageLimits& limits = {});

// Frees the pixels; the record becomes the null image.
void releaseImage(DibImage& image);

// Pixel access with y counted from the top. Palette images use indices (1 bit:
// 0 or 1), 24-bit images ColorRef values. Coordinates outside the image read 0
// and write nothing.
uint32_t pixelAt(const DibImage& image, int x, int y);
void setPixelAt(DibImage& image, int x, int y, uint32_t value);

inline constexpr int kMaxDibSide = 65535;
