#include "raster/jpegcodec.h"

#include "base/units.h"
#include "raster/codecs/codecsupport.h"
#include "raster/imageresolution.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it
// jumps back to the decoder, whose frame holds nothing that needs destroying.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void stayQuiet(j_common_ptr, int) {}

// libjpeg only warns when the data ends early and fills the rest with grey; a
// cut-off file is treated as unreadable instead of showing half a picture.
void failOnEarlyEnd(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) info->err->error_exit(info);
}

// A progressive file can announce thousands of scans that each cost a full
// pass; more than this many is refused rather than letting a file stall us.
constexpr long kMaxScans = 500;
void limitScans(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->is_decompressor && decompress->input_scan_number > kMaxScans) {
        decompress->err->msg_code = JERR_NOT_COMPILED;
        decompress->err->error_exit(info);
    }
}

// CMYK rows, the one kind libjpeg cannot hand out in the record's layout.
void storeCmykRow(DibImage& image, int y, const JSAMPLE* samples, bool invertedCmyk) {
    uint8_t* row = image.rowFromTop(y);
    for (int x = 0; x < image.width(); ++x) {
        int c = samples[4 * x], m = samples[4 * x + 1], yy = samples[4 * x + 2], k = samples[4 * x + 3];
        // Adobe files store the complements: the values are the ink's absence.
        if (!invertedCmyk) c = 255 - c, m = 255 - m, yy = 255 - yy, k = 255 - k;
        row[3 * x] = uint8_t(yy * k / 255);
        row[3 * x + 1] = uint8_t(m * k / 255);
        row[3 * x + 2] = uint8_t(c * k / 255);
    }
}

// Decodes into `out`; false on any error. Only plain data lives in this frame
// across the setjmp, so the jump back skips no destructor.
bool decodeInto(QByteArrayView bytes, const ImageLimits& limits, DibImage* out,
                std::vector<JSAMPLE>* rowBuffer) {
    jpeg_decompress_struct info;
    JumpingErrorManager errors;
    jpeg_progress_mgr progress;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.emit_message = failOnEarlyEnd;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    progress.progress_monitor = limitScans;
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);

    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    const bool invertedCmyk = cmyk && info.saw_Adobe_marker;
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxDibSide ||
        info.image_height > kMaxDibSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *out = createImage(int(info.image_width), int(info.image_height), grey ? 8 : 24, limits);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Unit 0 gives only the pixels' aspect, no resolution.
    if (info.density_unit == 1) setResolutionDpi(*out, info.X_density, info.Y_density);
    if (info.density_unit == 2)
        setResolutionDpi(*out, info.X_density * units::kMmPerInch / 10,
                         info.Y_density * units::kMmPerInch / 10);
    // Grey and colour rows come out of the library in the record's own
    // layout (blue, green, red), straight into the image.
    if (!cmyk && !grey) info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    if (cmyk) rowBuffer->resize(std::size_t(info.output_width) * std::size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {cmyk ? rowBuffer->data() : out->rowFromTop(y)};
        jpeg_read_scanlines(&info, rows, 1);
        if (cmyk) storeCmykRow(*out, y, rowBuffer->data(), invertedCmyk);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

DibImage decodeJpeg(QByteArrayView bytes, const ImageLimits& limits) {
    if (bytes.size() < 4) return {};
    auto image = std::make_unique<DibImage>();
    auto rowBuffer = std::make_unique<std::vector<JSAMPLE>>();
    if (!decodeInto(bytes, limits, image.get(), rowBuffer.get())) return {};
    return std::move(*image);
}

namespace {

bool paletteIsGrey(const DibImage& image) {
    for (const RgbQuad& c : image.colors())
        if (c.red != c.green || c.green != c.blue) return false;
    return image.hasPalette();
}

struct EncodeState {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row;
};

// Encodes into `state`; false on an error. As for decoding, only plain data
// lives in this frame across the setjmp.
bool encodeInto(const DibImage& image, int quality, bool grey, EncodeState* state) {
    jpeg_compress_struct info;
    JumpingErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.emit_message = stayQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state->buffer, &state->size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Dots per inch: dots per centimetre, JFIF's other unit, would round 300 dpi to 299.7.
    const std::optional<double> dpiX = resolutionDpiX(image), dpiY = resolutionDpiY(image);
    if (dpiX && dpiY) {
        info.density_unit = 1;
        info.X_density = UINT16(std::min(65535L, std::lround(*dpiX)));
        info.Y_density = UINT16(std::min(65535L, std::lround(*dpiY)));
    }
    jpeg_start_compress(&info, TRUE);
    const bool indexed = image.hasPalette();
    if (indexed) state->row.resize(std::size_t(image.width()));
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        JSAMPROW rows[1];
        if (indexed) {
            const uint8_t* src = image.rowFromTop(y);
            for (int x = 0; x < image.width(); ++x) {
                state->row[std::size_t(x)] = image.colors()[codec::indexAt(src, x, image.bitCount())].red;
            }
            rows[0] = state->row.data();
        } else {
            rows[0] = const_cast<JSAMPROW>(image.rowFromTop(y));
        }
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray encodeJpeg(const DibImage& image, int quality, const ImageLimits& limits) {
    if (image.isNull()) return {};
    const bool grey = paletteIsGrey(image);
    const DibImage expanded = image.hasPalette() && !grey ? codec::toTrueColor(image, limits) : DibImage();
    if (image.hasPalette() && !grey && expanded.isNull()) return {};
    const DibImage& source = expanded.isNull() ? image : expanded;
    auto state = std::make_unique<EncodeState>();
    const bool done = encodeInto(source, std::clamp(quality, 1, 100), grey, state.get());
    QByteArray out;
    if (done) out = QByteArray(reinterpret_cast<const char*>(state->buffer), qsizetype(state->size));
    std::free(state->buffer);
    return out;
}
