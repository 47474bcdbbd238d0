#include "document/coverfile.h"
#include "document/printsettingsblock.h"

#include <QBuffer>
#include <QtEndian>

#include <cstring>

namespace cover {

namespace {

void putInt32(QByteArray& out, int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putUint8(QByteArray& out, uint8_t value) {
    out.append(char(value));
}

void putDouble(QByteArray& out, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char bytes[8];
    qToLittleEndian(bits, bytes);
    out.append(bytes, 8);
}

// Strings carry no length, so a 0 inside one would end it early for every reader;
// such a string is stored up to that byte.
void putString(QByteArray& out, const QByteArray& text) {
    const qsizetype zero = text.indexOf('\0');
    out.append(zero < 0 ? text : text.left(zero));
    out.append('\0');
}

QByteArray fixedPart(const CoverSource& source) {
    QByteArray out = signature();
    putInt32(out, source.pageWidth);
    putInt32(out, source.pageHeight);
    putDouble(out, source.viewZoom);
    putDouble(out, source.unitsPerScreenPixel);
    return out;
}

// H, C, then the header and the colour table.
QByteArray imageHeaderBlock(const DibImage& image) {
    const int colours = image.paletteSize();
    QByteArray out;
    putInt32(out, 40 + 4 * colours);
    putInt32(out, colours);
    out.append(reinterpret_cast<const char*>(&image.header()), sizeof(BitmapInfoHeader));
    out.append(reinterpret_cast<const char*>(image.colors().data()), qsizetype(colours) * 4);
    return out;
}

bool writeAll(QIODevice& device, const char* data, qint64 size) {
    return device.write(data, size) == size;
}
bool writeAll(QIODevice& device, const QByteArray& bytes) {
    return writeAll(device, bytes.data(), bytes.size());
}

} // namespace

QByteArray objectRecord(int slot, const AnnotationObject& object) {
    QByteArray out;
    putInt32(out, slot);
    putInt32(out, object.Left);
    putInt32(out, object.Top);
    putInt32(out, object.Width);
    putInt32(out, object.Height);
    putUint8(out, object.Created);
    putInt32(out, object.Kind);
    putInt32(out, int32_t(object.Color));
    putInt32(out, object.Shape);
    putInt32(out, object.Align);
    putInt32(out, int32_t(object.BorderColor));
    putInt32(out, object.FillMode);
    putUint8(out, object.Shadow ? 1 : 0);
    putUint8(out, object.Outline ? 1 : 0);
    putInt32(out, object.ShadowX);
    putInt32(out, object.ShadowY);
    putUint8(out, object.Reserved2);
    putUint8(out, object.Reserved1);
    putInt32(out, object.LineWidth);
    putInt32(out, object.Rotation);
    putString(out, object.Text);
    putInt32(out, int32_t(object.FontColor));
    putInt32(out, object.FontHeight);
    putString(out, object.FontName);
    putUint8(out, object.FontPitch);
    putInt32(out, object.FontSize);
    putUint8(out, object.FontStyle);
    return out;
}

bool writeCover(QIODevice& device, const CoverSource& source, const Progress& progress) {
    const DibImage& image = *source.image;
    if (image.isNull()) return false;

    QByteArray head = fixedPart(source);
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
        const AnnotationObject& object = source.objects->slot(slot);
        if (object.Kind > 0) head.append(objectRecord(slot, object));
    }
    putInt32(head, kEndMarker);
    head.append(imageHeaderBlock(image));
    if (!writeAll(device, head)) return false;

    const int rows = image.height();
    if (progress) progress(0);
    for (int row = 0; row < rows; ++row) {
        if (progress) progress(rowPercent(row, rows));
        if (!writeAll(device, reinterpret_cast<const char*>(image.memoryRow(row)), image.stride()))
            return false;
    }
    if (progress) progress(0);
    // Everything before stays as older programs wrote it; they stop after the last row.
    return !source.printSettings || writeAll(device, printSettingsBlock(*source.printSettings));
}

QByteArray coverBytes(const CoverSource& source, const Progress& progress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeCover(buffer, source, progress)) return {};
    return bytes;
}

} // namespace cover
