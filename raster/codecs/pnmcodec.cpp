#include "raster/codecs/pnmcodec.h"

#include "raster/codecs/bytereader.h"
#include "raster/codecs/codecsupport.h"

namespace {

bool isSpace(uint8_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A decimal number after white space and comments; -1 when there is none.
int64_t readNumber(ByteReader& in) {
    for (;;) {
        if (in.atEnd()) return -1;
        const uint8_t c = in.data()[in.position()];
        if (c == '#') {
            while (!in.atEnd() && in.u8() != '\n') {
            }
        } else if (isSpace(c)) {
            in.u8();
        } else {
            break;
        }
    }
    int64_t value = 0;
    int digits = 0;
    while (!in.atEnd() && in.data()[in.position()] >= '0' && in.data()[in.position()] <= '9') {
        value = value * 10 + (in.u8() - '0');
        if (++digits > 9) return -1;
    }
    return digits ? value : -1;
}

// One sample, plain or raw, scaled to 0..255.
class SampleReader {
  public:
    SampleReader(ByteReader& in, bool plain, int64_t maximum) : in_(in), plain_(plain), maximum_(maximum) {}
    bool next(uint8_t& out) {
        int64_t v;
        if (plain_) {
            v = readNumber(in_);
            if (v < 0 || v > maximum_) return false;
        } else {
            v = maximum_ > 255 ? in_.u16be() : in_.u8();
            if (in_.failed()) return false;
            v = std::min(v, maximum_);
        }
        out = uint8_t(maximum_ == 255 ? v : (v * 255 + maximum_ / 2) / maximum_);
        return true;
    }

  private:
    ByteReader& in_;
    bool plain_;
    int64_t maximum_;
};

DibImage readBitmap(ByteReader& in, bool plain, int width, int height, const ImageLimits& limits) {
    // Ones are black in a bitmap.
    const RgbQuad table[2] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
    DibImage image = createImage(width, height, 1, table, 2, limits);
    if (image.isNull()) return {};
    const int lineBytes = (width + 7) / 8;
    for (int y = 0; y < height; ++y) {
        uint8_t* dst = image.rowFromTop(y);
        if (!plain) {
            const uint8_t* src = in.take(lineBytes);
            if (!src) return {};
            std::copy(src, src + lineBytes, dst);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            uint8_t c = ' ';
            while (!in.atEnd() && (isSpace(c = in.u8()) || c == '#'))
                if (c == '#')
                    while (!in.atEnd() && in.u8() != '\n') {
                    }
            if (c != '0' && c != '1') return {};
            codec::putIndex(dst, x, 1, c == '1');
        }
    }
    return image;
}

} // namespace

DibImage decodePnm(QByteArrayView bytes, const ImageLimits& limits) {
    ByteReader in(bytes);
    if (in.u8() != 'P') return {};
    const int kind = in.u8() - '0';
    if (kind < 1 || kind > 6) return {};
    const bool plain = kind <= 3;
    const int64_t width = readNumber(in), height = readNumber(in);
    const int64_t maximum = kind == 1 || kind == 4 ? 1 : readNumber(in);
    if (maximum < 1 || maximum > 65535) return {};
    const int bits = kind == 1 || kind == 4 ? 1 : kind == 2 || kind == 5 ? 8 : 24;
    if (!codec::acceptableSize(width, height, bits, limits)) return {};
    // Exactly one white-space byte separates the header from raw data.
    if (!isSpace(in.u8())) return {};
    if (bits == 1) return readBitmap(in, plain, int(width), int(height), limits);

    DibImage image = createImage(int(width), int(height), bits, limits);
    if (image.isNull()) return {};
    SampleReader samples(in, plain, maximum);
    for (int y = 0; y < height; ++y) {
        uint8_t* dst = image.rowFromTop(y);
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                if (!samples.next(dst[x])) return {};
                continue;
            }
            uint8_t r, g, b;
            if (!samples.next(r) || !samples.next(g) || !samples.next(b)) return {};
            dst[3 * x] = b, dst[3 * x + 1] = g, dst[3 * x + 2] = r;
        }
    }
    return image;
}
