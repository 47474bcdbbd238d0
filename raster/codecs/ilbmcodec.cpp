#include "raster/codecs/ilbmcodec.h"

#include "raster/codecs/bytereader.h"
#include "raster/codecs/codecsupport.h"

#include <array>
#include <vector>

namespace {

constexpr uint32_t kHamMode = 0x800, kHalfBrite = 0x80;

struct IlbmHeader {
    int width = 0, height = 0, planes = 0, masking = 0, compression = 0;
};

struct IlbmFile {
    bool chunky = false;
    bool haveHeader = false;
    IlbmHeader header;
    std::vector<std::array<uint8_t, 3>> colours;
    uint32_t viewMode = 0;
    QByteArrayView body;
};

uint32_t fourCc(const char* text) {
    return uint32_t(uint8_t(text[0])) << 24 | uint32_t(uint8_t(text[1])) << 16 |
           uint32_t(uint8_t(text[2])) << 8 | uint8_t(text[3]);
}

bool readChunks(QByteArrayView bytes, IlbmFile& file) {
    ByteReader in(bytes);
    if (in.u32be() != fourCc("FORM")) return false;
    const uint32_t formSize = in.u32be();
    const uint32_t kind = in.u32be();
    if (kind != fourCc("ILBM") && kind != fourCc("PBM ")) return false;
    file.chunky = kind == fourCc("PBM ");
    // Writers sometimes get the form size wrong; the chunks end at the shorter of both.
    const qsizetype end = std::min<qsizetype>(bytes.size(), qsizetype(formSize) + 8);
    while (!in.failed() && in.position() + 8 <= end) {
        const uint32_t id = in.u32be();
        const uint32_t size = in.u32be();
        const qsizetype start = in.position();
        if (size > uint32_t(end - start)) {
            // Only the body may be cut short; the decoder then finds the rows missing.
            if (id != fourCc("BODY")) return false;
        }
        const qsizetype available = std::min<qsizetype>(qsizetype(size), end - start);
        ByteReader chunk(bytes.sliced(start, available));
        if (id == fourCc("BMHD")) {
            file.header.width = chunk.u16be();
            file.header.height = chunk.u16be();
            chunk.skip(4);
            file.header.planes = chunk.u8();
            file.header.masking = chunk.u8();
            file.header.compression = chunk.u8();
            file.haveHeader = !chunk.failed();
        } else if (id == fourCc("CMAP")) {
            for (qsizetype i = 0; i + 3 <= available && file.colours.size() < 256; i += 3)
                file.colours.push_back({chunk.u8(), chunk.u8(), chunk.u8()});
        } else if (id == fourCc("CAMG") && available >= 4) {
            file.viewMode = chunk.u32be();
        } else if (id == fourCc("BODY")) {
            file.body = bytes.sliced(start, available);
            return file.haveHeader;
        }
        in.seek(start + available + (available & 1));
    }
    return false;
}

// ByteRun1, read as a stream so that rows can be taken one after another.
class ByteRunReader {
  public:
    ByteRunReader(QByteArrayView data, bool compressed) : in_(data), compressed_(compressed) {}
    bool read(uint8_t* out, std::size_t count) {
        if (!compressed_) {
            const uint8_t* data = in_.take(qsizetype(count));
            if (data) std::copy(data, data + count, out);
            return data != nullptr;
        }
        for (std::size_t i = 0; i < count; ++i) {
            while (left_ == 0) {
                const int n = int8_t(in_.u8());
                if (in_.failed()) return false;
                if (n == -128) continue;
                repeat_ = n < 0;
                left_ = repeat_ ? 1 - n : n + 1;
                if (repeat_) value_ = in_.u8();
            }
            out[i] = repeat_ ? value_ : in_.u8();
            --left_;
            if (in_.failed()) return false;
        }
        return true;
    }

  private:
    ByteReader in_;
    bool compressed_;
    int left_ = 0;
    bool repeat_ = false;
    uint8_t value_ = 0;
};

int outputBits(const IlbmFile& f) {
    const int planes = f.header.planes;
    if (f.chunky) return planes == 8 ? 8 : 0;
    if (planes == 24) return 24;
    if (planes < 1 || planes > 8) return 0;
    if (f.viewMode & kHamMode) return planes == 6 || planes == 8 ? 24 : 0;
    const int colours = (f.viewMode & kHalfBrite) && planes == 6 ? 64 : 1 << planes;
    return codec::bitsForColours(colours);
}

void buildPalette(const IlbmFile& f, RgbQuad (&table)[256], int& entries) {
    const int planes = f.header.planes;
    entries = int(f.colours.size());
    for (int i = 0; i < entries; ++i)
        table[i] = {f.colours[std::size_t(i)][2], f.colours[std::size_t(i)][1], f.colours[std::size_t(i)][0],
                    0};
    if (entries == 0 && !(f.viewMode & kHamMode)) {
        // Without a colour map the indices are taken as grey levels.
        entries = std::min(256, 1 << std::min(planes, 8));
        for (int i = 0; i < entries; ++i) {
            const uint8_t v = uint8_t(i * 255 / std::max(1, entries - 1));
            table[i] = {v, v, v, 0};
        }
    }
    if ((f.viewMode & kHalfBrite) && planes == 6) {
        for (int i = 0; i < 32; ++i)
            table[32 + i] = {uint8_t(table[i].blue / 2), uint8_t(table[i].green / 2),
                             uint8_t(table[i].red / 2), 0};
        entries = 64;
    }
}

// Hold-and-modify: the top two bits choose between a palette colour and
// changing one component of the pixel to the left.
void storeHamRow(uint8_t* dst, const std::vector<unsigned>& values, int planes, const RgbQuad* table) {
    const int shift = planes - 2;
    const unsigned low = (1u << shift) - 1;
    uint8_t r = table[0].red, g = table[0].green, b = table[0].blue;
    for (std::size_t x = 0; x < values.size(); ++x) {
        const unsigned v = values[x], data = v & low;
        const uint8_t level = uint8_t(shift == 4 ? data * 17 : (data << 2) | (data >> 4));
        switch (v >> shift) {
        case 0:
            r = table[data].red, g = table[data].green, b = table[data].blue;
            break;
        case 1:
            b = level;
            break;
        case 2:
            r = level;
            break;
        default:
            g = level;
        }
        dst[3 * x] = b, dst[3 * x + 1] = g, dst[3 * x + 2] = r;
    }
}

} // namespace

DibImage decodeIlbm(QByteArrayView bytes, const ImageLimits& limits) {
    IlbmFile f;
    if (!readChunks(bytes, f)) return {};
    const IlbmHeader& h = f.header;
    const int bits = outputBits(f);
    if (bits == 0 || h.compression > 1 || !codec::acceptableSize(h.width, h.height, bits, limits)) return {};
    RgbQuad table[256];
    int entries = 0;
    buildPalette(f, table, entries);
    DibImage image = createImage(h.width, h.height, bits, entries ? table : nullptr, entries, limits);
    if (image.isNull()) return {};

    const std::size_t planeBytes =
        f.chunky ? std::size_t(h.width + 1) & ~std::size_t(1) : std::size_t((h.width + 15) / 16) * 2;
    const int storedPlanes = f.chunky ? 1 : h.planes + (h.masking == 1 ? 1 : 0);
    std::vector<uint8_t> line(planeBytes * std::size_t(storedPlanes));
    std::vector<unsigned> values(std::size_t(h.width));
    ByteRunReader body(f.body, h.compression == 1);
    for (int y = 0; y < h.height; ++y) {
        if (!body.read(line.data(), line.size())) return {};
        uint8_t* dst = image.rowFromTop(y);
        if (f.chunky) {
            std::copy(line.begin(), line.begin() + h.width, dst);
            continue;
        }
        for (int x = 0; x < h.width; ++x) {
            unsigned v = 0;
            for (int p = 0; p < h.planes; ++p)
                v |= codec::indexAt(line.data() + std::size_t(p) * planeBytes, x, 1) << p;
            values[std::size_t(x)] = v;
        }
        if (h.planes == 24) {
            for (int x = 0; x < h.width; ++x) {
                const unsigned v = values[std::size_t(x)];
                dst[3 * x] = uint8_t(v >> 16), dst[3 * x + 1] = uint8_t(v >> 8), dst[3 * x + 2] = uint8_t(v);
            }
        } else if (bits == 24) {
            storeHamRow(dst, values, h.planes, table);
        } else {
            for (int x = 0; x < h.width; ++x)
                codec::putIndex(dst, x, bits, values[std::size_t(x)]);
        }
    }
    return image;
}

namespace {

void byteRun(QByteArray& out, const uint8_t* data, std::size_t count) {
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = 1;
        while (i + run < count && run < 128 && data[i + run] == data[i])
            ++run;
        if (run >= 3) {
            putU8(out, unsigned(257 - run)); // -(run - 1) as a byte
            putU8(out, data[i]);
            i += run;
            continue;
        }
        std::size_t length = 0;
        while (i + length < count && length < 128) {
            const uint8_t* at = data + i + length;
            if (i + length + 2 < count && at[0] == at[1] && at[1] == at[2]) break;
            ++length;
        }
        putU8(out, unsigned(length - 1));
        out.append(reinterpret_cast<const char*>(data + i), qsizetype(length));
        i += length;
    }
}

void putChunk(QByteArray& out, const char* id, const QByteArray& data) {
    out.append(id, 4);
    putU32be(out, uint32_t(data.size()));
    out.append(data);
    if (data.size() & 1) putU8(out, 0);
}

QByteArray encodeIff(const DibImage& image, bool chunky) {
    if (image.isNull()) return {};
    const int planes = chunky ? 8 : image.bitCount();
    QByteArray header;
    putU16be(header, unsigned(image.width()));
    putU16be(header, unsigned(image.height()));
    putU32be(header, 0);
    putU8(header, unsigned(planes));
    putU8(header, 0);
    putU8(header, 1);
    putU8(header, 0);
    putU16be(header, 0);
    putU8(header, 1);
    putU8(header, 1);
    putU16be(header, unsigned(image.width()));
    putU16be(header, unsigned(image.height()));
    QByteArray colourMap;
    for (const RgbQuad& c : image.colors()) {
        putU8(colourMap, c.red);
        putU8(colourMap, c.green);
        putU8(colourMap, c.blue);
    }
    const std::size_t planeBytes = chunky ? std::size_t(image.width() + 1) & ~std::size_t(1)
                                          : std::size_t((image.width() + 15) / 16) * 2;
    std::vector<uint8_t> line(planeBytes * std::size_t(chunky ? 1 : planes));
    QByteArray body;
    for (int y = 0; y < image.height(); ++y) {
        std::fill(line.begin(), line.end(), 0);
        const uint8_t* src = image.rowFromTop(y);
        for (int x = 0; x < image.width(); ++x) {
            const unsigned v = image.bitCount() == 24
                                   ? unsigned(src[3 * x + 2] | src[3 * x + 1] << 8 | src[3 * x] << 16)
                                   : codec::indexAt(src, x, image.bitCount());
            if (chunky) {
                line[std::size_t(x)] = uint8_t(v);
                continue;
            }
            for (int p = 0; p < planes; ++p)
                if (v >> p & 1) codec::putIndex(line.data() + std::size_t(p) * planeBytes, x, 1, 1);
        }
        // Each plane's row is compressed on its own, as readers expect.
        for (std::size_t p = 0; p < line.size(); p += planeBytes)
            byteRun(body, line.data() + p, planeBytes);
    }
    QByteArray form("ILBM", 4);
    if (chunky) form = QByteArray("PBM ", 4);
    putChunk(form, "BMHD", header);
    if (!colourMap.isEmpty()) putChunk(form, "CMAP", colourMap);
    putChunk(form, "BODY", body);
    QByteArray out("FORM", 4);
    putU32be(out, uint32_t(form.size()));
    out.append(form);
    return out;
}

} // namespace

QByteArray encodeIlbm(const DibImage& image) {
    return encodeIff(image, false);
}

QByteArray encodeLbm(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull()) return {};
    if (image.bitCount() == 24) return encodeIff(image, false);
    if (image.bitCount() == 8) return encodeIff(image, true);
    const DibImage widened = codec::toPalette8(image, limits);
    return widened.isNull() ? QByteArray() : encodeIff(widened, true);
}
