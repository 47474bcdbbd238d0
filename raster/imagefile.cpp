#include "raster/imagefile.h"

#include "base/messages.h"
#include "base/savefile.h"
#include "raster/codecs/bmpcodec.h"
#include "raster/codecs/gifcodec.h"
#include "raster/codecs/ilbmcodec.h"
#include "raster/codecs/pcxcodec.h"
#include "raster/codecs/pngcodec.h"
#include "raster/codecs/pnmcodec.h"
#include "raster/codecs/tgacodec.h"
#include "raster/codecs/tiffcodec.h"
#include "raster/jpegcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

struct SaveFormat {
    ImageFileFormat format;
    const char* extension;
    const char* description; // German, shown translated
};

constexpr SaveFormat kSaveFormats[kSaveFilterCount] = {
    {ImageFileFormat::Bmp, ".bmp", QT_TRANSLATE_NOOP("ImageFile", "Windows-Bitmap")},
    {ImageFileFormat::Dib, ".dib", QT_TRANSLATE_NOOP("ImageFile", "Geräteunabhängige Bitmap")},
    {ImageFileFormat::Gif, ".gif", QT_TRANSLATE_NOOP("ImageFile", "CompuServe GIF")},
    {ImageFileFormat::Iff, ".iff", QT_TRANSLATE_NOOP("ImageFile", "IFF ILBM")},
    {ImageFileFormat::Jif, ".jif", QT_TRANSLATE_NOOP("ImageFile", "JPEG/JFIF")},
    {ImageFileFormat::Jpg, ".jpg", QT_TRANSLATE_NOOP("ImageFile", "JPEG")},
    {ImageFileFormat::Lbm, ".lbm", QT_TRANSLATE_NOOP("ImageFile", "Deluxe Paint ILBM/PBM")},
    {ImageFileFormat::Pcx, ".pcx", QT_TRANSLATE_NOOP("ImageFile", "ZSoft Paintbrush PCX")},
    {ImageFileFormat::Rle, ".rle", QT_TRANSLATE_NOOP("ImageFile", "RLE-komprimierte Windows-Bitmap")},
    {ImageFileFormat::Tga, ".tga", QT_TRANSLATE_NOOP("ImageFile", "Truevision Targa")},
    {ImageFileFormat::Tif, ".tif", QT_TRANSLATE_NOOP("ImageFile", "TIFF")},
    {ImageFileFormat::Png, ".png", QT_TRANSLATE_NOOP("ImageFile", "Portable Network Graphics")},
};

// Files larger than this are refused before they are read into memory.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

// "Name (*.ext)|*.ext" for one save format.
QString filterEntry(const SaveFormat& f) {
    const QString pattern = QStringLiteral("*") + QLatin1String(f.extension);
    return QCoreApplication::translate("ImageFile", f.description) + QStringLiteral(" (") + pattern +
           QStringLiteral(")|") + pattern;
}

void reportSaveFailure(Messages& messages, const QString& text) {
    messages.message(text, QCoreApplication::translate("ImageFile", "Fehler"), MsgButtons::Ok,
                     MsgIcon::Error);
}

} // namespace

int formatNumberOfFilter(int filterPosition) {
    return filterPosition + 2;
}

ImageFileFormat formatOfNumber(int formatNumber) {
    const int position = formatNumber - 2;
    if (position < 1 || position > kSaveFilterCount) return ImageFileFormat::Unknown;
    return kSaveFormats[position - 1].format;
}

QString defaultExtension(int filterPosition) {
    if (filterPosition < 1 || filterPosition > kSaveFilterCount) return {};
    return QLatin1String(kSaveFormats[filterPosition - 1].extension);
}

QString withDefaultExtension(const QString& fileName, int filterPosition) {
    if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
    // A name ending in a dot has an empty extension too; do not double the dot.
    QString base = fileName;
    if (base.endsWith(QLatin1Char('.'))) base.chop(1);
    return base + defaultExtension(filterPosition);
}

ImageFileFormat detectImageFormat(QByteArrayView bytes) {
    auto starts = [&](const char* magic) { return bytes.startsWith(QByteArrayView(magic)); };
    if (starts("BM")) return ImageFileFormat::Bmp;
    if (starts("GIF87a") || starts("GIF89a")) return ImageFileFormat::Gif;
    if (bytes.size() >= 12 && starts("FORM") &&
        (bytes.sliced(8, 4) == QByteArrayView("ILBM") || bytes.sliced(8, 4) == QByteArrayView("PBM ")))
        return ImageFileFormat::Iff;
    if (starts("\xFF\xD8\xFF")) return ImageFileFormat::Jpg;
    if (starts("\x89PNG\r\n\x1A\n")) return ImageFileFormat::Png;
    if (starts("II*") || bytes.startsWith(QByteArrayView("MM\0*", 4))) return ImageFileFormat::Tif;
    if (bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6' &&
        QByteArrayView(" \t\r\n#").contains(bytes[2]))
        return ImageFileFormat::Pnm;
    if (bytes.size() >= 128 && uint8_t(bytes[0]) == 0x0A && uint8_t(bytes[1]) <= 5 && uint8_t(bytes[2]) <= 1)
        return ImageFileFormat::Pcx;
    if (looksLikeTga(bytes)) return ImageFileFormat::Tga;
    return ImageFileFormat::Unknown;
}

DibImage decodeImage(QByteArrayView bytes, const ImageLimits& limits) {
    switch (detectImageFormat(bytes)) {
    case ImageFileFormat::Bmp:
    case ImageFileFormat::Dib:
    case ImageFileFormat::Rle:
        return decodeBmp(bytes, limits);
    case ImageFileFormat::Gif:
        return decodeGif(bytes, limits);
    case ImageFileFormat::Iff:
    case ImageFileFormat::Lbm:
        return decodeIlbm(bytes, limits);
    case ImageFileFormat::Jif:
    case ImageFileFormat::Jpg:
        return decodeJpeg(bytes, limits);
    case ImageFileFormat::Pcx:
        return decodePcx(bytes, limits);
    case ImageFileFormat::Tga:
        return decodeTga(bytes, limits);
    case ImageFileFormat::Tif:
        return decodeTiff(bytes, limits);
    case ImageFileFormat::Png:
        return decodePng(bytes, limits);
    case ImageFileFormat::Pnm:
        return decodePnm(bytes, limits);
    case ImageFileFormat::Unknown:
        break;
    }
    return {};
}

QByteArray encodeImage(const DibImage& image, ImageFileFormat format, const ImageLimits& limits) {
    if (image.isNull()) return {};
    switch (format) {
    case ImageFileFormat::Bmp:
    case ImageFileFormat::Dib:
        return encodeBmp(image);
    case ImageFileFormat::Rle:
        return encodeRle(image, limits);
    case ImageFileFormat::Gif:
        return encodeGif(image, limits);
    case ImageFileFormat::Iff:
        return encodeIlbm(image);
    case ImageFileFormat::Lbm:
        return encodeLbm(image, limits);
    case ImageFileFormat::Jif:
    case ImageFileFormat::Jpg:
        return encodeJpeg(image, kJpegQuality, limits);
    case ImageFileFormat::Pcx:
        return encodePcx(image);
    case ImageFileFormat::Tga:
        return encodeTga(image);
    case ImageFileFormat::Tif:
        return encodeTiff(image);
    case ImageFileFormat::Png:
        return encodePng(image);
    case ImageFileFormat::Pnm:
    case ImageFileFormat::Unknown:
        break;
    }
    return {};
}

DibImage OpenDib(const QString& fileName, const ImageLimits& limits) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {};
    const QByteArray bytes = file.readAll();
    return decodeImage(bytes, limits);
}

QString imageReadFailureText(const QString& name) {
    return QCoreApplication::translate("ImageFile", "Das Bild %1 konnte nicht gelesen werden.").arg(name);
}

ImageFileRead readImageFile(const QString& fileName, const ImageLimits& limits) {
    ImageFileRead read;
    ImageLimits noting = limits;
    noting.oversize = &read.oversize;
    read.image = OpenDib(fileName, noting);
    if (!read.image.isNull()) read.oversize = {};
    return read;
}

QString imageReadFailureText(const QString& name, const ImageFileRead& read, const ImageLimits& limits) {
    if (read.oversize.bytes == 0) return imageReadFailureText(name);
    constexpr uint64_t kMegabyte = 1024 * 1024;
    // Rounded so that what is needed never looks like what is allowed.
    const uint64_t needed = (read.oversize.bytes + kMegabyte - 1) / kMegabyte;
    const uint64_t allowed = limits.pixelMemoryBytes / kMegabyte;
    return QCoreApplication::translate(
               "ImageFile", "Das Bild %1 ist zu groß: %2 × %3 Bildpunkte brauchen %4 MB, erlaubt sind %5 MB.")
        .arg(name)
        .arg(read.oversize.width)
        .arg(read.oversize.height)
        .arg(needed)
        .arg(allowed);
}

bool SaveDib(const DibImage& image, const QString& fileName, int formatNumber, Messages& messages,
             const ImageLimits& limits) {
    const QString shownName = QFileInfo(fileName).fileName();
    const ImageFileFormat format = formatOfNumber(formatNumber);
    if (image.isNull() || format == ImageFileFormat::Unknown) {
        reportSaveFailure(messages,
                          QCoreApplication::translate(
                              "ImageFile", "Das Bild kann in diesem Format nicht gespeichert werden."));
        return false;
    }
    const QByteArray bytes = encodeImage(image, format, limits);
    if (bytes.isEmpty()) {
        reportSaveFailure(messages,
                          QCoreApplication::translate(
                              "ImageFile", "Das Bild konnte nicht umgewandelt werden (zu wenig Speicher?).\n"
                                           "Die Datei \"%1\" wurde nicht geschrieben.")
                              .arg(shownName));
        return false;
    }
    // The picture goes to a temporary file beside the target and replaces it
    // only when complete, so a failed save never leaves half a file behind.
    if (!replaceFile(fileName, bytes)) {
        reportSaveFailure(messages, QCoreApplication::translate(
                                        "ImageFile", "Die Datei \"%1\" konnte nicht geschrieben werden.")
                                        .arg(shownName));
        return false;
    }
    return true;
}

QString GetDIBOpenFilter() {
    QStringList patterns;
    for (const SaveFormat& f : kSaveFormats)
        patterns << QStringLiteral("*") + QLatin1String(f.extension);
    patterns << QStringLiteral("*.jpeg") << QStringLiteral("*.tiff") << QStringLiteral("*.pbm")
             << QStringLiteral("*.pgm") << QStringLiteral("*.ppm");
    const QString all = patterns.join(QLatin1Char(';'));
    QStringList entries{QCoreApplication::translate("ImageFile", "Alle Bilddateien") + QLatin1Char('|') +
                        all};
    for (const SaveFormat& f : kSaveFormats)
        entries << filterEntry(f);
    entries << QStringLiteral("Portable Bitmap/Graymap/Pixmap (*.pbm;*.pgm;*.ppm)|*.pbm;*.pgm;*.ppm");
    // "*.*" would hide files without an extension; images are told by their content.
    entries << QCoreApplication::translate("ImageFile", "Alle Dateien (*)") + QStringLiteral("|*");
    return entries.join(QLatin1Char('|'));
}

QString GetDIBSaveFilter() {
    QStringList entries;
    for (const SaveFormat& f : kSaveFormats)
        entries << filterEntry(f);
    return entries.join(QLatin1Char('|'));
}
