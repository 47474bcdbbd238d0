#include "raster/codecs/pngcodec.h"

#include "raster/codecs/codecsupport.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct MemoryInput {
    const uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* in = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (count > in->size - in->position) png_error(png, "truncated");
    std::memcpy(out, in->data + in->position, count);
    in->position += count;
}

// libpng's own allocations (rows, chunk buffers) are held to the image memory
// limit: a damaged chunk length must not make it ask for gigabytes. A refused
// text or other ancillary chunk is skipped; a refused row buffer ends the read.
png_voidp allocateWithinLimit(png_structp png, png_alloc_size_t size) {
    const auto* limit = static_cast<const std::size_t*>(png_get_mem_ptr(png));
    return size <= *limit ? std::malloc(size) : nullptr;
}
void freeAllocation(png_structp, png_voidp memory) {
    std::free(memory);
}

void stayQuiet(png_structp, png_const_charp) {}
[[noreturn]] void jumpQuietly(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// How the rows arrive from libpng and what becomes of them.
enum class RowKind { Direct, TwoBitIndices, GreyAlpha, Rgba };

struct Decoding {
    DibImage image;
    std::vector<uint8_t> buffer; // whole picture, for the kinds that need converting
    std::vector<png_bytep> rows;
};

// Everything that lives across the setjmp is in `d`, owned by the caller, so
// the jump back on an error skips no destructor.
bool decodeInto(QByteArrayView bytes, const ImageLimits& limits, Decoding& d) {
    MemoryInput input{reinterpret_cast<const uint8_t*>(bytes.data()), std::size_t(bytes.size())};
    png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, nullptr, jumpQuietly, stayQuiet,
                                               const_cast<std::size_t*>(&limits.pixelMemoryBytes),
                                               allocateWithinLimit, freeAllocation);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &input, readFromMemory);
    png_set_user_limits(png, kMaxDibSide, kMaxDibSide);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    const int depth = png_get_bit_depth(png, info), type = png_get_color_type(png, info);
    RowKind kind = RowKind::Direct;
    int bits = 24;
    RgbQuad table[256];
    int entries = 0;
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &palette, &count);
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        png_color_16p unused = nullptr;
        if (png_get_valid(png, info, PNG_INFO_tRNS)) png_get_tRNS(png, info, &alpha, &alphaCount, &unused);
        for (int i = 0; i < count && i < 256; ++i) {
            const int a = i < alphaCount ? alpha[i] : 255;
            table[i] = {codec::onWhite(palette[i].blue, a), codec::onWhite(palette[i].green, a),
                        codec::onWhite(palette[i].red, a), 0};
        }
        entries = std::min(count, 256);
        bits = depth == 2 ? 4 : depth;
        kind = depth == 2 ? RowKind::TwoBitIndices : RowKind::Direct;
    } else if (type == PNG_COLOR_TYPE_GRAY && depth == 1) {
        bits = 1;
    } else if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        bits = 8;
        png_set_expand_gray_1_2_4_to_8(png);
        if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
        kind = type == PNG_COLOR_TYPE_GRAY_ALPHA || png_get_valid(png, info, PNG_INFO_tRNS)
                   ? RowKind::GreyAlpha
                   : RowKind::Direct;
    } else {
        if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
        png_set_bgr(png);
        kind = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS) ? RowKind::Rgba
                                                                                        : RowKind::Direct;
    }
    if (depth == 16) png_set_scale_16(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (!codec::acceptableSize(width, height, bits, limits)) png_error(png, "too large");
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    if (kind != RowKind::Direct && !limits.allowsPicture(width, height, uint64_t(rowBytes) * height))
        png_error(png, "too large");

    d.image = createImage(int(width), int(height), bits, entries ? table : nullptr, entries, limits);
    if (d.image.isNull()) png_error(png, "no memory");
    png_uint_32 perMeterX = 0, perMeterY = 0;
    int unit = PNG_RESOLUTION_UNKNOWN;
    if (png_get_pHYs(png, info, &perMeterX, &perMeterY, &unit) && unit == PNG_RESOLUTION_METER &&
        perMeterX <= INT32_MAX && perMeterY <= INT32_MAX) {
        d.image.header().biXPelsPerMeter = int32_t(perMeterX);
        d.image.header().biYPelsPerMeter = int32_t(perMeterY);
    }
    d.rows.resize(height);
    if (kind == RowKind::Direct) {
        if (rowBytes > std::size_t(d.image.stride())) png_error(png, "unexpected row size");
        for (png_uint_32 y = 0; y < height; ++y)
            d.rows[y] = d.image.rowFromTop(int(y));
    } else {
        d.buffer.resize(rowBytes * height);
        for (png_uint_32 y = 0; y < height; ++y)
            d.rows[y] = d.buffer.data() + rowBytes * y;
    }
    png_read_image(png, d.rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    for (png_uint_32 y = 0; kind != RowKind::Direct && y < height; ++y) {
        const uint8_t* src = d.rows[y];
        uint8_t* dst = d.image.rowFromTop(int(y));
        for (png_uint_32 x = 0; x < width; ++x) {
            if (kind == RowKind::TwoBitIndices) {
                codec::putIndex(dst, int(x), 4, codec::indexAt(src, int(x), 2));
            } else if (kind == RowKind::GreyAlpha) {
                dst[x] = codec::onWhite(src[2 * x], src[2 * x + 1]);
            } else {
                const uint8_t* p = src + 4 * x;
                dst[3 * x] = codec::onWhite(p[0], p[3]);
                dst[3 * x + 1] = codec::onWhite(p[1], p[3]);
                dst[3 * x + 2] = codec::onWhite(p[2], p[3]);
            }
        }
    }
    return true;
}

} // namespace

DibImage decodePng(QByteArrayView bytes, const ImageLimits& limits) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return {};
    auto d = std::make_unique<Decoding>();
    if (!decodeInto(bytes, limits, *d)) return {};
    return std::move(d->image);
}

namespace {

void writeToMemory(png_structp png, png_bytep data, png_size_t count) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(count));
}
void flushNothing(png_structp) {}

bool encodeInto(const DibImage& image, QByteArray& out, std::vector<png_bytep>& rows,
                std::vector<png_color>& palette) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpQuietly, stayQuiet);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, writeToMemory, flushNothing);
    const int bits = image.bitCount();
    const bool grey = codec::hasGreyRamp(image);
    const int type = bits == 24 ? PNG_COLOR_TYPE_RGB : grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_PALETTE;
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), bits == 24 ? 8 : bits,
                 type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (type == PNG_COLOR_TYPE_PALETTE) {
        for (const RgbQuad& c : image.colors())
            palette.push_back({c.red, c.green, c.blue});
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    }
    if (image.header().biXPelsPerMeter > 0 && image.header().biYPelsPerMeter > 0)
        png_set_pHYs(png, info, png_uint_32(image.header().biXPelsPerMeter),
                     png_uint_32(image.header().biYPelsPerMeter), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    if (bits == 24) png_set_bgr(png);
    for (int y = 0; y < image.height(); ++y)
        rows.push_back(const_cast<png_bytep>(image.rowFromTop(y)));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QByteArray encodePng(const DibImage& image) {
    if (image.isNull()) return {};
    auto out = std::make_unique<QByteArray>();
    auto rows = std::make_unique<std::vector<png_bytep>>();
    auto palette = std::make_unique<std::vector<png_color>>();
    if (!encodeInto(image, *out, *rows, *palette)) return {};
    return std::move(*out);
}
