#include "raster/codecs/bmpcodec.h"

#include "raster/codecs/bytereader.h"
#include "raster/codecs/codecsupport.h"

#include <bit>
#include <vector>

namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

struct BmpLayout {
    int64_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kRgb;
    uint32_t masks[4] = {}; // red, green, blue, alpha
    int colours = 0;
    int resolutionX = 0, resolutionY = 0;
};

// One channel of a bit-field pixel scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maximum = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        maximum = m >> shift;
    }
    uint8_t operator()(uint32_t pixel) const {
        if (!mask) return 0;
        return uint8_t((uint64_t((pixel & mask) >> shift) * 255 + maximum / 2) / maximum);
    }
};

bool readLayout(ByteReader& in, BmpLayout& layout, qsizetype& paletteAt, int& paletteEntryBytes) {
    const uint32_t headerSize = in.u32le();
    if (headerSize == 12) {
        layout.width = in.u16le();
        layout.height = in.u16le();
        in.u16le();
        layout.bits = in.u16le();
        paletteEntryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= 124) {
        layout.width = int32_t(in.u32le());
        const int32_t height = int32_t(in.u32le());
        layout.topDown = height < 0;
        layout.height = height < 0 ? -int64_t(height) : height;
        in.u16le();
        layout.bits = in.u16le();
        layout.compression = in.u32le();
        in.u32le();
        layout.resolutionX = int32_t(in.u32le());
        layout.resolutionY = int32_t(in.u32le());
        layout.colours = int(std::min<uint32_t>(in.u32le(), 1u << 16));
        in.u32le();
        if (headerSize >= 52)
            for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i)
                layout.masks[i] = in.u32le();
        paletteEntryBytes = 4;
    } else {
        return false;
    }
    paletteAt = 14 + qsizetype(headerSize);
    in.seek(paletteAt);
    if ((layout.compression == kBitFields || layout.compression == kAlphaBitFields) && headerSize == 40) {
        const int count = layout.compression == kAlphaBitFields ? 4 : 3;
        for (int i = 0; i < count; ++i)
            layout.masks[i] = in.u32le();
        paletteAt = in.position();
    }
    return !in.failed();
}

bool validLayout(const BmpLayout& l, const ImageLimits& limits) {
    switch (l.compression) {
    case kRgb:
        if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32)
            return false;
        break;
    case kRle8:
        if (l.bits != 8 || l.topDown) return false;
        break;
    case kRle4:
        if (l.bits != 4 || l.topDown) return false;
        break;
    case kBitFields:
    case kAlphaBitFields:
        if (l.bits != 16 && l.bits != 32) return false;
        break;
    default:
        return false;
    }
    return codec::acceptableSize(l.width, l.height, l.bits <= 8 ? l.bits : 24, limits);
}

// Runs and literal stretches of RLE8/RLE4 into the bottom-up rows of `image`;
// false when the data ends early or a delta leaves the picture.
bool decodeRunLengths(ByteReader& in, DibImage& image, int bits) {
    int x = 0, row = 0;
    const int width = image.width(), height = image.height();
    auto put = [&](unsigned value) {
        if (x < width && row < height) codec::putIndex(image.memoryRow(row), x, bits, value);
        ++x;
    };
    while (row < height) {
        const int count = in.u8();
        const int value = in.u8();
        if (in.failed()) return false;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(bits == 8 ? value : (i & 1 ? value & 0x0F : value >> 4));
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            x += in.u8();
            row += in.u8();
            if (in.failed() || x > width || row > height) return false;
        } else {
            const int dataBytes = bits == 8 ? value : (value + 1) / 2;
            const uint8_t* data = in.take((dataBytes + 1) & ~1);
            if (!data) return false;
            for (int i = 0; i < value; ++i)
                put(bits == 8 ? data[i] : codec::indexAt(data, i, 4));
        }
    }
    return true;
}

bool decodeDirect(ByteReader& in, const BmpLayout& l, DibImage& image) {
    const int64_t fileStride = ((l.width * l.bits + 31) / 32) * 4;
    const bool fields = l.compression == kBitFields || l.compression == kAlphaBitFields;
    uint32_t masks[4] = {l.masks[0], l.masks[1], l.masks[2], l.compression == kRgb ? 0 : l.masks[3]};
    if (!fields && l.bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (!fields && l.bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    // Many writers leave an alpha channel of zeros; only a channel that says
    // something is laid onto white.
    bool useAlpha = false;
    std::vector<const uint8_t*> rows(std::size_t(l.height));
    for (int64_t y = 0; y < l.height; ++y) {
        rows[std::size_t(y)] = in.take(fileStride);
        if (!rows[std::size_t(y)]) return false;
    }
    auto pixelAt = [&](const uint8_t* src, int64_t x) -> uint32_t {
        return l.bits == 16 ? uint32_t(src[2 * x] | src[2 * x + 1] << 8)
                            : uint32_t(src[4 * x] | src[4 * x + 1] << 8 | src[4 * x + 2] << 16) |
                                  uint32_t(src[4 * x + 3]) << 24;
    };
    if (alpha.mask)
        for (int64_t y = 0; y < l.height && !useAlpha; ++y)
            for (int64_t x = 0; x < l.width && !useAlpha; ++x)
                useAlpha = alpha(pixelAt(rows[std::size_t(y)], x)) != 0;
    for (int64_t y = 0; y < l.height; ++y) {
        const uint8_t* src = rows[std::size_t(y)];
        uint8_t* dst = image.memoryRow(int(l.topDown ? l.height - 1 - y : y));
        if (l.bits <= 8) {
            std::copy(src, src + image.stride(), dst);
        } else if (l.bits == 24) {
            std::copy(src, src + l.width * 3, dst);
        } else {
            for (int64_t x = 0; x < l.width; ++x) {
                const uint32_t p = pixelAt(src, x);
                const int a = useAlpha ? alpha(p) : 255;
                dst[3 * x] = codec::onWhite(blue(p), a);
                dst[3 * x + 1] = codec::onWhite(green(p), a);
                dst[3 * x + 2] = codec::onWhite(red(p), a);
            }
        }
    }
    return true;
}

} // namespace

DibImage decodeBmp(QByteArrayView bytes, const ImageLimits& limits) {
    ByteReader in(bytes);
    if (in.u8() != 'B' || in.u8() != 'M') return {};
    in.skip(8);
    const uint32_t pixelOffset = in.u32le();
    BmpLayout layout;
    qsizetype paletteAt = 0;
    int entryBytes = 4;
    if (!readLayout(in, layout, paletteAt, entryBytes) || !validLayout(layout, limits)) return {};

    const int outBits = layout.bits <= 8 ? layout.bits : 24;
    RgbQuad table[256];
    int entries = 0;
    if (outBits <= 8) {
        const int capacity = 1 << outBits;
        entries = layout.colours > 0 && layout.colours < capacity ? layout.colours : capacity;
        in.seek(paletteAt);
        for (int i = 0; i < entries; ++i) {
            table[i].blue = in.u8();
            table[i].green = in.u8();
            table[i].red = in.u8();
            if (entryBytes == 4) in.u8();
        }
        if (in.failed()) return {};
    }
    DibImage image = createImage(int(layout.width), int(layout.height), outBits, table, entries, limits);
    if (image.isNull()) return {};
    image.header().biXPelsPerMeter = layout.resolutionX;
    image.header().biYPelsPerMeter = layout.resolutionY;

    // Files that give no pixel offset have the pixels right after the palette.
    in.seek(pixelOffset >= 14 && pixelOffset < uint32_t(bytes.size()) ? qsizetype(pixelOffset)
                                                                      : in.position());
    const bool done = layout.compression == kRle8   ? decodeRunLengths(in, image, 8)
                      : layout.compression == kRle4 ? decodeRunLengths(in, image, 4)
                                                    : decodeDirect(in, layout, image);
    return done ? std::move(image) : DibImage();
}

namespace {

QByteArray fileAndInfoHeader(const DibImage& image, int bits, uint32_t compression, uint32_t pixelBytes) {
    const int entries = bits <= 8 ? 1 << bits : 0;
    const uint32_t pixelOffset = 14 + 40 + 4 * uint32_t(entries);
    QByteArray out;
    out.reserve(int(pixelOffset));
    out.append("BM", 2);
    putU32le(out, pixelOffset + pixelBytes);
    putU32le(out, 0);
    putU32le(out, pixelOffset);
    putU32le(out, 40);
    putU32le(out, uint32_t(image.width()));
    putU32le(out, uint32_t(image.height()));
    putU16le(out, 1);
    putU16le(out, unsigned(bits));
    putU32le(out, compression);
    putU32le(out, pixelBytes);
    putU32le(out, uint32_t(image.header().biXPelsPerMeter));
    putU32le(out, uint32_t(image.header().biYPelsPerMeter));
    putU32le(out, uint32_t(entries));
    putU32le(out, 0);
    for (const RgbQuad& c : image.colors()) {
        putU8(out, c.blue);
        putU8(out, c.green);
        putU8(out, c.red);
        putU8(out, 0);
    }
    return out;
}

// One row as runs (count, value) and literal stretches (0, count, values,
// padded to a 16-bit boundary). Literal stretches need at least three pixels.
void encodeRow(QByteArray& out, const std::vector<uint8_t>& px, bool nibbles) {
    const int width = int(px.size());
    int x = 0;
    auto runAt = [&](int at) {
        int run = 1;
        while (at + run < width && run < 255 && px[std::size_t(at + run)] == px[std::size_t(at)])
            ++run;
        return run;
    };
    while (x < width) {
        const int run = runAt(x);
        if (run >= 2 || width - x < 3) {
            putU8(out, unsigned(run));
            putU8(out, nibbles ? unsigned(px[std::size_t(x)] << 4 | px[std::size_t(x)]) : px[std::size_t(x)]);
            x += run;
            continue;
        }
        int length = 1;
        while (x + length < width && length < 255 && (x + length + 1 >= width || runAt(x + length) < 2))
            ++length;
        if (length < 3) {
            putU8(out, 1);
            putU8(out, nibbles ? unsigned(px[std::size_t(x)] << 4 | px[std::size_t(x)]) : px[std::size_t(x)]);
            ++x;
            continue;
        }
        putU8(out, 0);
        putU8(out, unsigned(length));
        int bytes = 0;
        if (nibbles) {
            for (int i = 0; i < length; i += 2, ++bytes) {
                const unsigned low = i + 1 < length ? px[std::size_t(x + i + 1)] : 0;
                putU8(out, unsigned(px[std::size_t(x + i)] << 4) | low);
            }
        } else {
            for (int i = 0; i < length; ++i, ++bytes)
                putU8(out, px[std::size_t(x + i)]);
        }
        if (bytes & 1) putU8(out, 0);
        x += length;
    }
}

} // namespace

QByteArray encodeBmp(const DibImage& image) {
    if (image.isNull()) return {};
    QByteArray out = fileAndInfoHeader(image, image.bitCount(), kRgb, uint32_t(image.sizeImage()));
    out.append(reinterpret_cast<const char*>(image.pixels()), qsizetype(image.sizeImage()));
    return out;
}

QByteArray encodeRle(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull()) return {};
    const DibImage converted = image.bitCount() == 1    ? codec::toPalette4(image, limits)
                               : image.bitCount() == 24 ? codec::toPalette8(image, limits)
                                                        : DibImage();
    const DibImage& source = converted.isNull() ? image : converted;
    if ((image.bitCount() == 1 || image.bitCount() == 24) && converted.isNull()) return {};
    const int bits = source.bitCount();
    QByteArray body;
    std::vector<uint8_t> row(std::size_t(source.width()));
    for (int r = 0; r < source.height(); ++r) {
        const uint8_t* src = source.memoryRow(r);
        for (int x = 0; x < source.width(); ++x)
            row[std::size_t(x)] = uint8_t(codec::indexAt(src, x, bits));
        encodeRow(body, row, bits == 4);
        putU8(body, 0);
        putU8(body, r + 1 == source.height() ? 1 : 0);
    }
    QByteArray out = fileAndInfoHeader(source, bits, bits == 8 ? kRle8 : kRle4, uint32_t(body.size()));
    out.append(body);
    return out;
}
