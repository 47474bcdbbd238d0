#include "document/coverfile.h"
#include "document/printsettingsblock.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <optional>

namespace cover {

namespace {

// Reads fields front to back; every read checks the remaining length first, and
// once a read ran past the end every later one fails too.
class ByteCursor {
  public:
    explicit ByteCursor(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype remaining() const { return bytes_.size() - position_; }
    QByteArrayView rest() const { return failed_ ? QByteArrayView() : bytes_.sliced(position_); }
    bool failed() const { return failed_; }

    const uint8_t* take(qsizetype count) {
        if (failed_ || count < 0 || count > remaining()) {
            failed_ = true;
            return nullptr;
        }
        const auto* start = reinterpret_cast<const uint8_t*>(bytes_.data()) + position_;
        position_ += count;
        return start;
    }
    int32_t int32() {
        const uint8_t* p = take(4);
        return p ? qFromLittleEndian<int32_t>(p) : 0;
    }
    uint8_t uint8() {
        const uint8_t* p = take(1);
        return p ? *p : 0;
    }
    double float64() {
        const uint8_t* p = take(8);
        if (!p) return 0;
        const uint64_t bits = qFromLittleEndian<uint64_t>(p);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The bytes up to the next 0; the 0 is consumed, not kept.
    QByteArray string() {
        if (failed_) return {};
        const char* start = bytes_.data() + position_;
        const void* zero = std::memchr(start, 0, std::size_t(remaining()));
        if (!zero) {
            failed_ = true;
            return {};
        }
        const qsizetype length = static_cast<const char*>(zero) - start;
        position_ += length + 1;
        return QByteArray(start, length);
    }

  private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
    bool failed_ = false;
};

// The rest of an object record after its slot number; nothing when the record is
// cut off. Any Kind is kept: the renderer and the editor pass over kinds they do
// not know, and a later writer keeps the record as it came.
std::optional<AnnotationObject> readObject(ByteCursor& in) {
    AnnotationObject object;
    object.Left = in.int32();
    object.Top = in.int32();
    object.Width = in.int32();
    object.Height = in.int32();
    object.Created = in.uint8();
    object.Kind = in.int32();
    object.Color = ColorRef(in.int32());
    object.Shape = in.int32();
    object.Align = in.int32();
    object.BorderColor = ColorRef(in.int32());
    object.FillMode = in.int32();
    object.Shadow = in.uint8() != 0;
    object.Outline = in.uint8() != 0;
    object.ShadowX = in.int32();
    object.ShadowY = in.int32();
    object.Reserved2 = in.uint8();
    object.Reserved1 = in.uint8();
    object.LineWidth = in.int32();
    object.Rotation = in.int32();
    object.Text = in.string();
    object.FontColor = ColorRef(in.int32());
    object.FontHeight = in.int32();
    object.FontName = in.string();
    object.FontPitch = in.uint8();
    object.FontSize = in.int32();
    object.FontStyle = in.uint8();
    if (in.failed()) return std::nullopt;
    return object;
}

bool isViewSide(double pageLength, double zoom, double unitsPerPixel) {
    const double side = pageLength * zoom / unitsPerPixel;
    return std::isfinite(side) && side >= 0 && side <= kMaxViewSide;
}

// Page size and zoom must give the annotation view a size it can have.
bool plausibleView(const CoverDocument& document) {
    const double zoom = document.viewZoom, perPixel = document.unitsPerScreenPixel;
    if (!std::isfinite(zoom) || !std::isfinite(perPixel) || zoom <= 0 || perPixel <= 0) return false;
    return isViewSide(document.pageWidth, zoom, perPixel) && isViewSide(document.pageHeight, zoom, perPixel);
}

// Colour entries a header of `bitCount` bits comes with; -1 for a bit count the
// image record cannot hold.
int paletteEntriesFor(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    case 24:
        return 0;
    }
    return -1;
}

ReadStatus readImage(ByteCursor& in, DibImage& image, const ImageLimits& limits, const Progress& progress) {
    const int32_t headerSize = in.int32();
    const int32_t colours = in.int32();
    if (in.failed() || (colours != 0 && colours != 2 && colours != 16 && colours != 256) ||
        headerSize != 40 + 4 * colours)
        return ReadStatus::Damaged;
    const uint8_t* block = in.take(headerSize);
    if (!block) return ReadStatus::Damaged;

    BitmapInfoHeader header;
    std::memcpy(&header, block, sizeof header);
    const int width = qFromLittleEndian(header.biWidth);
    const int height = qFromLittleEndian(header.biHeight);
    const int bitCount = qFromLittleEndian(header.biBitCount);
    if (paletteEntriesFor(bitCount) != colours || width <= 0 || height <= 0 || width > kMaxDibSide ||
        height > kMaxDibSide)
        return ReadStatus::Damaged;
    // Bytes after the last row belong to no field and are left unread.
    const int64_t stride = dibStride(width, bitCount);
    if (stride * height > in.remaining()) return ReadStatus::Damaged;

    RgbQuad palette[256];
    std::memcpy(palette, block + sizeof header, std::size_t(colours) * sizeof(RgbQuad));
    image = createImage(width, height, bitCount, palette, colours, limits);
    if (image.isNull()) return ReadStatus::OutOfMemory;
    // The resolution the picture was scanned at; the size checks of the
    // automatic crop need it.
    image.header().biXPelsPerMeter = qFromLittleEndian(header.biXPelsPerMeter);
    image.header().biYPelsPerMeter = qFromLittleEndian(header.biYPelsPerMeter);

    if (progress) progress(0);
    for (int row = 0; row < height; ++row) {
        if (progress) progress(rowPercent(row, height));
        std::memcpy(image.memoryRow(row), in.take(stride), std::size_t(stride));
    }
    if (progress) progress(0);
    return ReadStatus::Ok;
}

} // namespace

QByteArray signature() {
    return QByteArrayLiteral("Varnelt Morvanthelquistradibenzor 1.0");
}

int rowPercent(int64_t row, int64_t rows) {
    return rows <= 1 ? 100 : int(row * 100 / (rows - 1));
}

ReadResult readCover(QByteArrayView bytes, const ImageLimits& limits, const Progress& progress) {
    ReadResult result;
    const QByteArray expected = signature();
    if (bytes.size() < expected.size() || bytes.first(expected.size()) != QByteArrayView(expected)) {
        result.status = ReadStatus::NotCoverFile;
        return result;
    }
    ByteCursor in(bytes.sliced(expected.size()));
    CoverDocument& document = result.document;
    document.pageWidth = in.int32();
    document.pageHeight = in.int32();
    document.viewZoom = in.float64();
    document.unitsPerScreenPixel = in.float64();
    result.status = ReadStatus::Damaged;
    if (in.failed() || !plausibleView(document)) return result;

    for (;;) {
        const int32_t slot = in.int32();
        if (in.failed()) return result;
        // The writer ends the list with 10001, but any number above the table ends it.
        if (slot > ObjectTable::kSlots) break;
        if (slot < 1) return result;
        std::optional<AnnotationObject> object = readObject(in);
        if (!object) return result;
        document.objects.emplace_back(slot, std::move(*object));
    }
    result.status = readImage(in, document.image, limits, progress);
    if (result.status == ReadStatus::Ok) document.printSettings = readPrintSettingsBlock(in.rest());
    return result;
}

} // namespace cover
