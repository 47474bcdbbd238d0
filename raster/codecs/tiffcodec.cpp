#include "raster/codecs/tiffcodec.h"

#include "base/units.h"
#include "raster/codecs/codecsupport.h"
#include "raster/imageresolution.h"

#include <tiffio.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// libtiff reads and writes through these procedures on a byte array.
struct MemoryFile {
    const uint8_t* input = nullptr;
    QByteArray* output = nullptr;
    toff_t size = 0;
    toff_t position = 0;
};

tmsize_t readProc(thandle_t h, void* buffer, tmsize_t count) {
    auto* f = static_cast<MemoryFile*>(h);
    if (!f->input || f->position >= f->size || count <= 0) return 0;
    const tmsize_t n = tmsize_t(std::min<toff_t>(toff_t(count), f->size - f->position));
    std::memcpy(buffer, f->input + f->position, std::size_t(n));
    f->position += toff_t(n);
    return n;
}

tmsize_t writeProc(thandle_t h, void* buffer, tmsize_t count) {
    auto* f = static_cast<MemoryFile*>(h);
    if (!f->output || count < 0) return -1;
    const toff_t end = f->position + toff_t(count);
    if (end > toff_t(std::numeric_limits<int>::max())) return -1;
    if (end > toff_t(f->output->size())) f->output->resize(qsizetype(end), '\0');
    std::memcpy(f->output->data() + f->position, buffer, std::size_t(count));
    f->position = end;
    f->size = std::max(f->size, end);
    return count;
}

toff_t seekProc(thandle_t h, toff_t offset, int whence) {
    auto* f = static_cast<MemoryFile*>(h);
    const toff_t base = whence == SEEK_CUR ? f->position : whence == SEEK_END ? f->size : 0;
    f->position = base + offset;
    return f->position;
}

int closeProc(thandle_t) {
    return 0;
}
toff_t sizeProc(thandle_t h) {
    return static_cast<MemoryFile*>(h)->size;
}
int mapProc(thandle_t, void**, toff_t*) {
    return 0;
}
void unmapProc(thandle_t, void*, toff_t) {}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// `largestAllocation` caps each of libtiff's own allocations (0: no cap), so a
// damaged header cannot make it ask for gigabytes of strip buffers.
TiffHandle openMemory(MemoryFile& file, const char* mode, std::size_t largestAllocation = 0) {
    // Damaged files are expected here; libtiff's complaints on stderr help nobody.
    static std::once_flag quiet;
    std::call_once(quiet, [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
    std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(),
                                                                         TIFFOpenOptionsFree);
    if (!options) return nullptr;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), tmsize_t(largestAllocation));
    return TiffHandle(TIFFClientOpenExt("memory", mode, &file, readProc, writeProc, seekProc, closeProc,
                                        sizeProc, mapProc, unmapProc, options.get()));
}

struct TiffLayout {
    uint32_t width = 0, height = 0;
    uint16_t bits = 1, samples = 1, photometric = PHOTOMETRIC_MINISWHITE, planar = PLANARCONFIG_CONTIG;
};

// Pictures whose scan lines map straight onto the image record's rows.
DibImage readScanlines(TIFF* tiff, const TiffLayout& l, const ImageLimits& limits) {
    const bool palette = l.photometric == PHOTOMETRIC_PALETTE;
    const bool grey = l.photometric == PHOTOMETRIC_MINISBLACK || l.photometric == PHOTOMETRIC_MINISWHITE;
    const bool rgb = l.photometric == PHOTOMETRIC_RGB;
    const int bits = rgb ? 24 : l.bits == 1 ? 1 : palette && l.bits <= 4 ? 4 : 8;
    if (!codec::acceptableSize(l.width, l.height, bits, limits)) return {};

    RgbQuad table[256];
    const int entries = 1 << std::min<int>(l.bits, 8);
    if (palette) {
        uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
        if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue)) return {};
        for (int i = 0; i < entries; ++i)
            table[i] = {uint8_t(blue[i] >> 8), uint8_t(green[i] >> 8), uint8_t(red[i] >> 8), 0};
    } else if (grey) {
        const bool inverted = l.photometric == PHOTOMETRIC_MINISWHITE;
        const int levels = l.bits == 1 ? 2 : 256;
        for (int i = 0; i < levels; ++i) {
            const uint8_t v = uint8_t(l.bits == 1 ? i * 255 : i);
            table[i] = inverted ? RgbQuad{uint8_t(255 - v), uint8_t(255 - v), uint8_t(255 - v), 0}
                                : RgbQuad{v, v, v, 0};
        }
    }
    DibImage image = createImage(int(l.width), int(l.height), bits, rgb ? nullptr : table,
                                 rgb ? 0 : (l.bits == 1 ? 2 : entries), limits);
    if (image.isNull()) return {};
    const tmsize_t lineSize = TIFFScanlineSize(tiff);
    if (lineSize <= 0) return {};
    std::vector<uint8_t> line(static_cast<std::size_t>(lineSize));
    const int maximum = (1 << std::min<int>(l.bits, 16)) - 1;
    for (uint32_t y = 0; y < l.height; ++y) {
        if (TIFFReadScanline(tiff, line.data(), y, 0) < 0) return {};
        uint8_t* dst = image.rowFromTop(int(y));
        for (uint32_t x = 0; x < l.width; ++x) {
            if (rgb) {
                dst[3 * x] = line[3 * x + 2], dst[3 * x + 1] = line[3 * x + 1], dst[3 * x + 2] = line[3 * x];
            } else if (l.bits == 16) {
                dst[x] = uint8_t(reinterpret_cast<const uint16_t*>(line.data())[x] >> 8);
            } else if (palette || l.bits == 1 || l.bits == 8) {
                codec::putIndex(dst, int(x), bits, codec::indexAt(line.data(), int(x), l.bits));
            } else {
                // 2- and 4-bit grey stretched over the grey ramp.
                codec::putIndex(dst, int(x), 8,
                                codec::indexAt(line.data(), int(x), l.bits) * 255 / unsigned(maximum));
            }
        }
    }
    return image;
}

DibImage readThroughRgba(TIFF* tiff, const TiffLayout& l, const ImageLimits& limits) {
    // The RGBA reader needs four bytes a pixel besides the image.
    if (!codec::acceptableSize(l.width, l.height, 32, limits)) return {};
    DibImage image = createImage(int(l.width), int(l.height), 24, limits);
    if (image.isNull()) return {};
    std::vector<uint32_t> raster;
    try {
        raster.resize(std::size_t(l.width) * l.height);
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (!TIFFReadRGBAImageOriented(tiff, l.width, l.height, raster.data(), ORIENTATION_TOPLEFT, 0)) return {};
    for (uint32_t y = 0; y < l.height; ++y) {
        const uint32_t* src = raster.data() + std::size_t(y) * l.width;
        uint8_t* dst = image.rowFromTop(int(y));
        for (uint32_t x = 0; x < l.width; ++x) {
            // The reader hands out colours multiplied by alpha: adding the
            // uncovered part of white lays them onto white.
            const uint32_t p = src[x];
            const int uncovered = 255 - int(TIFFGetA(p));
            dst[3 * x] = uint8_t(std::min(255, int(TIFFGetB(p)) + uncovered));
            dst[3 * x + 1] = uint8_t(std::min(255, int(TIFFGetG(p)) + uncovered));
            dst[3 * x + 2] = uint8_t(std::min(255, int(TIFFGetR(p)) + uncovered));
        }
    }
    return image;
}

// Without a unit the numbers give only the pixels' aspect.
void readResolution(TIFF* tiff, DibImage& image) {
    float x = 0, y = 0;
    uint16_t unit = RESUNIT_NONE;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (!TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &x) || !TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &y)) return;
    if (unit == RESUNIT_INCH) setResolutionDpi(image, x, y);
    if (unit == RESUNIT_CENTIMETER)
        setResolutionDpi(image, x * units::kMmPerInch / 10, y * units::kMmPerInch / 10);
}

} // namespace

DibImage decodeTiff(QByteArrayView bytes, const ImageLimits& limits) {
    if (bytes.size() < 8) return {};
    MemoryFile file{reinterpret_cast<const uint8_t*>(bytes.data()), nullptr, toff_t(bytes.size())};
    TiffHandle tiff = openMemory(file, "rm", limits.pixelMemoryBytes);
    if (!tiff) return {};
    TiffLayout l;
    if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &l.width) ||
        !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &l.height))
        return {};
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &l.bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &l.samples);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_PLANARCONFIG, &l.planar);
    TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &l.photometric);
    if (!codec::acceptableSize(l.width, l.height, 1, limits)) return {};

    const bool single = l.samples == 1 && !TIFFIsTiled(tiff.get());
    const bool palette = single && l.photometric == PHOTOMETRIC_PALETTE &&
                         (l.bits == 1 || l.bits == 2 || l.bits == 4 || l.bits == 8);
    const bool grey = single &&
                      (l.photometric == PHOTOMETRIC_MINISBLACK || l.photometric == PHOTOMETRIC_MINISWHITE) &&
                      (l.bits == 1 || l.bits == 2 || l.bits == 4 || l.bits == 8 || l.bits == 16);
    const bool rgb = !TIFFIsTiled(tiff.get()) && l.photometric == PHOTOMETRIC_RGB && l.samples == 3 &&
                     l.bits == 8 && l.planar == PLANARCONFIG_CONTIG;
    DibImage image = palette || grey || rgb ? readScanlines(tiff.get(), l, limits)
                                            : readThroughRgba(tiff.get(), l, limits);
    if (!image.isNull()) readResolution(tiff.get(), image);
    return image;
}

namespace {

bool isBlackWhite(const DibImage& image) {
    const auto t = image.colors();
    return image.bitCount() == 1 && t[0] == RgbQuad{0, 0, 0, 0} && t[1] == RgbQuad{255, 255, 255, 0};
}

bool writeFields(TIFF* tiff, const DibImage& image, bool grey) {
    const int bits = image.bitCount();
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(image.height()));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(bits == 24 ? 8 : bits));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(bits == 24 ? 3 : 1));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC,
                 bits == 24 ? PHOTOMETRIC_RGB
                 : grey     ? PHOTOMETRIC_MINISBLACK
                            : PHOTOMETRIC_PALETTE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    if (image.header().biXPelsPerMeter > 0 && image.header().biYPelsPerMeter > 0) {
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_CENTIMETER);
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(image.header().biXPelsPerMeter) / 100.0f);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(image.header().biYPelsPerMeter) / 100.0f);
    }
    if (bits <= 8 && !grey) {
        std::vector<uint16_t> red(256), green(256), blue(256);
        const auto t = image.colors();
        for (std::size_t i = 0; i < t.size(); ++i)
            red[i] = uint16_t(t[i].red * 257), green[i] = uint16_t(t[i].green * 257),
            blue[i] = uint16_t(t[i].blue * 257);
        if (!TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data())) return false;
    }
    return true;
}

} // namespace

QByteArray encodeTiff(const DibImage& image) {
    if (image.isNull()) return {};
    QByteArray out;
    MemoryFile file{nullptr, &out};
    {
        TiffHandle tiff = openMemory(file, "w");
        if (!tiff) return {};
        const bool grey = isBlackWhite(image) || codec::hasGreyRamp(image);
        if (!writeFields(tiff.get(), image, grey)) return {};
        std::vector<uint8_t> line(std::size_t(image.stride()));
        for (int y = 0; y < image.height(); ++y) {
            const uint8_t* src = image.rowFromTop(y);
            if (image.bitCount() == 24) {
                for (int x = 0; x < image.width(); ++x)
                    line[std::size_t(3 * x)] = src[3 * x + 2], line[std::size_t(3 * x + 1)] = src[3 * x + 1],
                                         line[std::size_t(3 * x + 2)] = src[3 * x];
            } else {
                std::copy(src, src + image.stride(), line.begin());
            }
            if (TIFFWriteScanline(tiff.get(), line.data(), uint32_t(y), 0) < 0) return {};
        }
        if (!TIFFWriteDirectory(tiff.get())) return {};
    }
    out.resize(qsizetype(file.size));
    return out;
}
