#include "raster/codecs/pcxcodec.h"

#include "raster/codecs/bytereader.h"
#include "raster/codecs/codecsupport.h"

#include <vector>

namespace {

constexpr int kHeaderSize = 128;
constexpr int kPaletteOffset = 16;

struct PcxHeader {
    int version = 0, encoding = 0, bitsPerPlane = 0, planes = 0, bytesPerLine = 0;
    int64_t width = 0, height = 0;
    int dpiX = 0, dpiY = 0;
};

bool readHeader(ByteReader& in, PcxHeader& h) {
    if (in.u8() != 0x0A) return false;
    h.version = in.u8();
    h.encoding = in.u8();
    h.bitsPerPlane = in.u8();
    const int xmin = in.u16le(), ymin = in.u16le(), xmax = in.u16le(), ymax = in.u16le();
    h.dpiX = in.u16le();
    h.dpiY = in.u16le();
    in.seek(65);
    h.planes = in.u8();
    h.bytesPerLine = in.u16le();
    h.width = int64_t(xmax) - xmin + 1;
    h.height = int64_t(ymax) - ymin + 1;
    if (in.failed() || h.version > 5 || h.encoding > 1) return false;
    const bool known = (h.bitsPerPlane == 1 && h.planes >= 1 && h.planes <= 4) ||
                       ((h.bitsPerPlane == 2 || h.bitsPerPlane == 4) && h.planes == 1) ||
                       (h.bitsPerPlane == 8 && (h.planes == 1 || h.planes == 3 || h.planes == 4));
    // Each plane's line must hold the whole width.
    return known && int64_t(h.bytesPerLine) * 8 >= h.width * h.bitsPerPlane;
}

int outputBits(const PcxHeader& h) {
    if (h.bitsPerPlane == 8) return h.planes == 1 ? 8 : 24;
    return h.bitsPerPlane * h.planes == 1 ? 1 : 4;
}

// Reads the run-length data of one scan line (all planes); a run may carry
// over into the next line, as some writers let it.
class LineDecoder {
  public:
    LineDecoder(ByteReader& in, bool encoded) : in_(in), encoded_(encoded) {}
    bool read(std::vector<uint8_t>& line) {
        for (uint8_t& out : line) {
            // A run of none is skipped, as readers of the format do.
            while (pending_ == 0) {
                const uint8_t c = in_.u8();
                if (encoded_ && (c & 0xC0) == 0xC0) {
                    pending_ = c & 0x3F;
                    value_ = in_.u8();
                } else {
                    pending_ = 1;
                    value_ = c;
                }
                if (in_.failed()) return false;
            }
            out = value_;
            --pending_;
        }
        return true;
    }

  private:
    ByteReader& in_;
    bool encoded_;
    int pending_ = 0;
    uint8_t value_ = 0;
};

void storeLine(DibImage& image, const PcxHeader& h, int y, const std::vector<uint8_t>& line) {
    uint8_t* row = image.rowFromTop(y);
    const int width = image.width();
    const uint8_t* planes = line.data();
    const int bpl = h.bytesPerLine;
    if (h.bitsPerPlane == 8 && h.planes == 1) {
        std::copy(planes, planes + width, row);
    } else if (h.bitsPerPlane == 8) {
        for (int x = 0; x < width; ++x) {
            const int a = h.planes == 4 ? planes[3 * bpl + x] : 255;
            row[3 * x] = codec::onWhite(planes[2 * bpl + x], a);
            row[3 * x + 1] = codec::onWhite(planes[bpl + x], a);
            row[3 * x + 2] = codec::onWhite(planes[x], a);
        }
    } else if (h.planes == 1) {
        const int bits = outputBits(h);
        for (int x = 0; x < width; ++x)
            codec::putIndex(row, x, bits, codec::indexAt(planes, x, h.bitsPerPlane));
    } else {
        for (int x = 0; x < width; ++x) {
            unsigned value = 0;
            for (int p = 0; p < h.planes; ++p)
                value |= codec::indexAt(planes + p * bpl, x, 1) << p;
            codec::putIndex(row, x, 4, value);
        }
    }
}

} // namespace

DibImage decodePcx(QByteArrayView bytes, const ImageLimits& limits) {
    ByteReader in(bytes);
    PcxHeader h;
    if (bytes.size() < kHeaderSize || !readHeader(in, h)) return {};
    const int bits = outputBits(h);
    if (!codec::acceptableSize(h.width, h.height, bits, limits)) return {};

    RgbQuad table[256];
    int entries = 0;
    if (bits == 8) {
        const qsizetype at = bytes.size() - 769;
        if (at >= kHeaderSize && uint8_t(bytes[at]) == 0x0C) {
            for (int i = 0; i < 256; ++i)
                table[i] = {uint8_t(bytes[at + 3 + 3 * i]), uint8_t(bytes[at + 2 + 3 * i]),
                            uint8_t(bytes[at + 1 + 3 * i]), 0};
            entries = 256;
        }
    } else if (bits <= 4) {
        const auto* header = reinterpret_cast<const uint8_t*>(bytes.data()) + kPaletteOffset;
        bool blank = true;
        for (int i = 0; i < 48; ++i)
            blank = blank && header[i] == 0;
        // Old monochrome files leave the palette empty and mean black and white.
        const bool useHeader = !(bits == 1 && blank);
        for (int i = 0; i < 16 && useHeader; ++i)
            table[i] = {header[3 * i + 2], header[3 * i + 1], header[3 * i], 0};
        entries = useHeader ? 1 << bits : 0;
    }
    DibImage image = createImage(int(h.width), int(h.height), bits, table, entries, limits);
    if (image.isNull()) return {};
    image.header().biXPelsPerMeter = int(h.dpiX * 10000 / 254);
    image.header().biYPelsPerMeter = int(h.dpiY * 10000 / 254);

    in.seek(kHeaderSize);
    LineDecoder decoder(in, h.encoding == 1);
    std::vector<uint8_t> line(std::size_t(h.bytesPerLine) * std::size_t(h.planes));
    for (int y = 0; y < image.height(); ++y) {
        if (!decoder.read(line)) return {};
        storeLine(image, h, y, line);
    }
    return image;
}

namespace {

void encodeLine(QByteArray& out, const std::vector<uint8_t>& line) {
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == line[i])
            ++run;
        if (run > 1 || (line[i] & 0xC0) == 0xC0) putU8(out, 0xC0 | unsigned(run));
        putU8(out, line[i]);
        i += run;
    }
}

void fillLine(const DibImage& image, int y, int planes, int bpl, std::vector<uint8_t>& line) {
    std::fill(line.begin(), line.end(), 0);
    const uint8_t* row = image.rowFromTop(y);
    const int width = image.width();
    switch (image.bitCount()) {
    case 1:
        std::copy(row, row + (width + 7) / 8, line.begin());
        break;
    case 4:
        for (int x = 0; x < width; ++x) {
            const unsigned value = codec::indexAt(row, x, 4);
            for (int p = 0; p < planes; ++p)
                codec::putIndex(line.data() + p * bpl, x, 1, (value >> p) & 1);
        }
        break;
    case 8:
        std::copy(row, row + width, line.begin());
        break;
    case 24:
        for (int x = 0; x < width; ++x) {
            line[std::size_t(x)] = row[3 * x + 2];
            line[std::size_t(bpl + x)] = row[3 * x + 1];
            line[std::size_t(2 * bpl + x)] = row[3 * x];
        }
        break;
    }
}

} // namespace

QByteArray encodePcx(const DibImage& image) {
    if (image.isNull()) return {};
    const int bits = image.bitCount();
    const int bitsPerPlane = bits == 24 || bits == 8 ? 8 : 1;
    const int planes = bits == 24 ? 3 : bits == 4 ? 4 : 1;
    int bpl = (image.width() * bitsPerPlane + 7) / 8;
    bpl += bpl & 1; // lines are an even number of bytes
    QByteArray out(kHeaderSize, '\0');
    auto* header = reinterpret_cast<uint8_t*>(out.data());
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = 1;
    header[3] = uint8_t(bitsPerPlane);
    auto put16 = [&](int at, int value) {
        header[at] = uint8_t(value);
        header[at + 1] = uint8_t(value >> 8);
    };
    put16(8, image.width() - 1);
    put16(10, image.height() - 1);
    put16(12, int(image.header().biXPelsPerMeter * 254 / 10000));
    put16(14, int(image.header().biYPelsPerMeter * 254 / 10000));
    if (bits <= 4) {
        const auto table = image.colors();
        for (std::size_t i = 0; i < table.size(); ++i) {
            header[kPaletteOffset + 3 * i] = table[i].red;
            header[kPaletteOffset + 3 * i + 1] = table[i].green;
            header[kPaletteOffset + 3 * i + 2] = table[i].blue;
        }
    }
    header[65] = uint8_t(planes);
    put16(66, bpl);
    put16(68, bits == 8 && codec::hasGreyRamp(image) ? 2 : 1);

    std::vector<uint8_t> line(std::size_t(bpl) * std::size_t(planes));
    for (int y = 0; y < image.height(); ++y) {
        fillLine(image, y, planes, bpl, line);
        encodeLine(out, line);
    }
    if (bits == 8) {
        putU8(out, 0x0C);
        for (const RgbQuad& c : image.colors()) {
            putU8(out, c.red);
            putU8(out, c.green);
            putU8(out, c.blue);
        }
    }
    return out;
}
