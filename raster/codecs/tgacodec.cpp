#include "raster/codecs/tgacodec.h"

#include "raster/codecs/bytereader.h"
#include "raster/codecs/codecsupport.h"

#include <vector>

namespace {

constexpr int kHeaderSize = 18;
constexpr char kFooterSignature[] = "TRUEVISION-XFILE.";

struct TgaHeader {
    int idLength = 0, mapType = 0, imageType = 0;
    int mapFirst = 0, mapLength = 0, mapEntryBits = 0;
    int width = 0, height = 0, depth = 0, descriptor = 0;
    int baseType() const { return imageType & 7; }
    bool encoded() const { return imageType & 8; }
};

TgaHeader readHeader(ByteReader& in) {
    TgaHeader h;
    h.idLength = in.u8();
    h.mapType = in.u8();
    h.imageType = in.u8();
    h.mapFirst = in.u16le();
    h.mapLength = in.u16le();
    h.mapEntryBits = in.u8();
    in.u16le();
    in.u16le();
    h.width = in.u16le();
    h.height = in.u16le();
    h.depth = in.u8();
    h.descriptor = in.u8();
    return h;
}

bool validHeader(const TgaHeader& h) {
    if (h.mapType > 1 || (h.descriptor & 0xC0) || h.width == 0 || h.height == 0) return false;
    if (h.imageType != 1 && h.imageType != 2 && h.imageType != 3 && h.imageType != 9 && h.imageType != 10 &&
        h.imageType != 11)
        return false;
    const bool mapBitsValid =
        h.mapEntryBits == 15 || h.mapEntryBits == 16 || h.mapEntryBits == 24 || h.mapEntryBits == 32;
    if (h.mapType == 1 && (!mapBitsValid || h.mapLength == 0)) return false;
    switch (h.baseType()) {
    case 1:
        return h.mapType == 1 && h.depth == 8;
    case 2:
        return h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
    default:
        return h.depth == 8 || h.depth == 16;
    }
}

// Serves the pixels one after the other, from plain data or from run-length packets.
class PixelStream {
  public:
    PixelStream(ByteReader& in, int bytesPerPixel, bool encoded)
        : in_(in), size_(bytesPerPixel), encoded_(encoded) {}
    const uint8_t* next() {
        if (!encoded_) return in_.take(size_);
        if (left_ == 0) {
            const uint8_t packet = in_.u8();
            left_ = (packet & 0x7F) + 1;
            repeat_ = packet & 0x80;
            if (repeat_) current_ = in_.take(size_);
        }
        --left_;
        return repeat_ ? current_ : in_.take(size_);
    }

  private:
    ByteReader& in_;
    int size_;
    bool encoded_;
    int left_ = 0;
    bool repeat_ = false;
    const uint8_t* current_ = nullptr;
};

struct Colour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

Colour colourOf(const uint8_t* p, int bits) {
    switch (bits) {
    case 15:
    case 16: {
        const int v = p[0] | p[1] << 8;
        return {uint8_t(((v >> 10) & 31) * 255 / 31), uint8_t(((v >> 5) & 31) * 255 / 31),
                uint8_t((v & 31) * 255 / 31), 255};
    }
    case 24:
        return {p[2], p[1], p[0], 255};
    default:
        return {p[2], p[1], p[0], p[3]};
    }
}

} // namespace

bool looksLikeTga(QByteArrayView bytes) {
    if (bytes.size() < kHeaderSize) return false;
    ByteReader in(bytes);
    return validHeader(readHeader(in));
}

DibImage decodeTga(QByteArrayView bytes, const ImageLimits& limits) {
    ByteReader in(bytes);
    const TgaHeader h = readHeader(in);
    if (in.failed() || !validHeader(h)) return {};
    in.skip(h.idLength);

    std::vector<Colour> map;
    if (h.mapType == 1) {
        const int entryBytes = (h.mapEntryBits + 7) / 8;
        const uint8_t* data = in.take(qsizetype(h.mapLength) * entryBytes);
        if (!data) return {};
        map.reserve(std::size_t(h.mapLength));
        for (int i = 0; i < h.mapLength; ++i)
            map.push_back(colourOf(data + i * entryBytes, h.mapEntryBits));
    }
    const int type = h.baseType();
    const bool keepsPalette = type == 1 && h.mapFirst + h.mapLength <= 256;
    const bool grey = type == 3;
    const int bits = keepsPalette || grey ? 8 : 24;
    if (!codec::acceptableSize(h.width, h.height, bits, limits)) return {};

    RgbQuad table[256];
    if (keepsPalette)
        for (int i = 0; i < h.mapLength; ++i) {
            const Colour& c = map[std::size_t(i)];
            table[h.mapFirst + i] = {codec::onWhite(c.b, c.a), codec::onWhite(c.g, c.a),
                                     codec::onWhite(c.r, c.a), 0};
        }
    DibImage image =
        createImage(h.width, h.height, bits, keepsPalette ? table : nullptr, keepsPalette ? 256 : 0, limits);
    if (image.isNull()) return {};

    const bool alphaSays = (h.descriptor & 0x0F) != 0 || (type == 3 && h.depth == 16);
    const bool fromTop = h.descriptor & 0x20, fromRight = h.descriptor & 0x10;
    PixelStream pixels(in, (h.depth + 7) / 8, h.encoded());
    for (int row = 0; row < h.height; ++row) {
        uint8_t* dst = image.rowFromTop(fromTop ? row : h.height - 1 - row);
        for (int column = 0; column < h.width; ++column) {
            const uint8_t* p = pixels.next();
            if (!p) return {};
            const int x = fromRight ? h.width - 1 - column : column;
            if (keepsPalette) {
                dst[x] = uint8_t(p[0]);
                continue;
            }
            if (grey) {
                dst[x] = h.depth == 16 ? codec::onWhite(p[0], p[1]) : p[0];
                continue;
            }
            Colour c;
            if (type == 1) {
                const int index = p[0] - h.mapFirst;
                if (index >= 0 && index < h.mapLength) c = map[std::size_t(index)];
            } else {
                c = colourOf(p, h.depth);
            }
            const int a = alphaSays || type == 1 ? c.a : 255;
            dst[3 * x] = codec::onWhite(c.b, a);
            dst[3 * x + 1] = codec::onWhite(c.g, a);
            dst[3 * x + 2] = codec::onWhite(c.r, a);
        }
    }
    return image;
}

QByteArray encodeTga(const DibImage& image) {
    if (image.isNull()) return {};
    const bool mapped = image.hasPalette();
    QByteArray out;
    putU8(out, 0);
    putU8(out, mapped ? 1 : 0);
    putU8(out, mapped ? 1 : 2);
    putU16le(out, 0);
    putU16le(out, mapped ? unsigned(image.paletteSize()) : 0);
    putU8(out, mapped ? 24 : 0);
    putU16le(out, 0);
    putU16le(out, 0);
    putU16le(out, unsigned(image.width()));
    putU16le(out, unsigned(image.height()));
    putU8(out, mapped ? 8 : 24);
    putU8(out, 0); // bottom row first, as the image record stores them
    for (const RgbQuad& c : image.colors()) {
        putU8(out, c.blue);
        putU8(out, c.green);
        putU8(out, c.red);
    }
    const int width = image.width();
    const int rowBytes = mapped ? width : 3 * width;
    out.reserve(out.size() + qsizetype(rowBytes) * image.height() + 26);
    for (int row = 0; row < image.height(); ++row) {
        const uint8_t* src = image.memoryRow(row);
        if (image.bitCount() == 8 || image.bitCount() == 24) {
            out.append(reinterpret_cast<const char*>(src), rowBytes);
        } else {
            for (int x = 0; x < width; ++x)
                putU8(out, codec::indexAt(src, x, image.bitCount()));
        }
    }
    putU32le(out, 0); // no extension area
    putU32le(out, 0); // no developer directory
    out.append(kFooterSignature, sizeof kFooterSignature);
    return out;
}
