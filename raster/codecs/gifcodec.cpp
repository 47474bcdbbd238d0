#include "raster/codecs/gifcodec.h"

#include "raster/codecs/codecsupport.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct MemoryInput {
    const uint8_t* data;
    qsizetype size;
    qsizetype position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int count) {
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(count, in->size - in->position);
    if (n <= 0) return 0;
    std::memcpy(out, in->data + in->position, std::size_t(n));
    in->position += n;
    return int(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifReader = std::unique_ptr<GifFileType, GifCloser>;

// Skips an extension, noting the transparent colour of a graphic control block.
bool readExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    while (block) {
        if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4 && (block[1] & 1)) transparent = block[4];
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
    return true;
}

DibImage readFirstPicture(GifFileType* gif, int transparent, const ImageLimits& limits) {
    if (DGifGetImageDesc(gif) != GIF_OK) return {};
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    const int screenWidth = gif->SWidth > 0 ? gif->SWidth : frame.Width;
    const int screenHeight = gif->SHeight > 0 ? gif->SHeight : frame.Height;
    const int colours = map ? map->ColorCount : 2;
    const int bits = codec::bitsForColours(colours);
    if (frame.Width <= 0 || frame.Height <= 0 ||
        !codec::acceptableSize(screenWidth, screenHeight, bits, limits))
        return {};

    RgbQuad table[256];
    for (int i = 0; map && i < map->ColorCount && i < 256; ++i)
        table[i] = {map->Colors[i].Blue, map->Colors[i].Green, map->Colors[i].Red, 0};
    if (!map) table[0] = {0, 0, 0, 0}, table[1] = {255, 255, 255, 0};
    if (transparent >= 0 && transparent < (1 << bits)) table[transparent] = {255, 255, 255, 0};
    DibImage image =
        createImage(screenWidth, screenHeight, bits, table, map ? std::min(colours, 256) : 2, limits);
    if (image.isNull()) return {};
    // The screen starts in the background colour: one row is made and copied,
    // as a small file may announce a large screen.
    const unsigned fill = unsigned(transparent >= 0 ? transparent : gif->SBackGroundColor);
    if (fill != 0) {
        uint8_t* first = image.memoryRow(0);
        for (int x = 0; x < screenWidth; ++x)
            codec::putIndex(first, x, bits, fill);
        for (int row = 1; row < screenHeight; ++row)
            std::memcpy(image.memoryRow(row), first, std::size_t(image.stride()));
    }

    std::vector<GifPixelType> line(std::size_t(frame.Width));
    auto storeLine = [&](int frameRow) {
        const int y = frame.Top + frameRow;
        if (y < 0 || y >= screenHeight) return;
        uint8_t* dst = image.rowFromTop(y);
        for (int i = 0; i < frame.Width; ++i) {
            const int x = frame.Left + i;
            if (x < screenWidth) codec::putIndex(dst, x, bits, line[std::size_t(i)]);
        }
    };
    if (frame.Interlace) {
        static constexpr int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int row = start[pass]; row < frame.Height; row += step[pass]) {
                if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) return {};
                storeLine(row);
            }
    } else {
        for (int row = 0; row < frame.Height; ++row) {
            if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) return {};
            storeLine(row);
        }
    }
    return image;
}

} // namespace

DibImage decodeGif(QByteArrayView bytes, const ImageLimits& limits) {
    if (bytes.size() < 13 || !bytes.startsWith("GIF8")) return {};
    MemoryInput input{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    int error = 0;
    GifReader gif(DGifOpen(&input, readFromMemory, &error));
    if (!gif) return {};
    int transparent = -1;
    for (;;) {
        GifRecordType record;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK) return {};
        if (record == IMAGE_DESC_RECORD_TYPE) return readFirstPicture(gif.get(), transparent, limits);
        if (record == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), transparent)) return {};
        } else if (record == TERMINATE_RECORD_TYPE) {
            return {};
        }
    }
}

namespace {

int writeToMemory(GifFileType* gif, const GifByteType* data, int count) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), count);
    return count;
}

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

bool writePicture(GifFileType* gif, const DibImage& image, ColorMapObject* map) {
    if (EGifPutScreenDesc(gif, image.width(), image.height(), map->BitsPerPixel, 0, map) != GIF_OK)
        return false;
    if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) != GIF_OK) return false;
    std::vector<GifPixelType> line(std::size_t(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* src = image.rowFromTop(y);
        for (int x = 0; x < image.width(); ++x)
            line[std::size_t(x)] = GifPixelType(codec::indexAt(src, x, image.bitCount()));
        if (EGifPutLine(gif, line.data(), image.width()) != GIF_OK) return false;
    }
    return true;
}

} // namespace

QByteArray encodeGif(const DibImage& image, const ImageLimits& limits) {
    if (image.isNull()) return {};
    const DibImage reduced = image.bitCount() == 24 ? codec::toPalette8(image, limits) : DibImage();
    if (image.bitCount() == 24 && reduced.isNull()) return {};
    const DibImage& source = reduced.isNull() ? image : reduced;

    GifColorType colours[256];
    const auto table = source.colors();
    for (std::size_t i = 0; i < table.size(); ++i)
        colours[i] = {table[i].red, table[i].green, table[i].blue};
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(int(table.size()), colours));
    if (!map) return {};

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToMemory, &error);
    if (!gif) return {};
    const bool written = writePicture(gif, source, map.get());
    // Closing writes the trailer and frees the handle, whatever happened before.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return written && closed ? out : QByteArray();
}
