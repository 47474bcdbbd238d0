#pragma once
// Image files: recognising, opening and saving every format the program knows.
// Files are read whole and recognised by their content, never by the name.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class Messages;

// The save formats in the order of the save dialog's filters, then the
// formats that are only opened.
enum class ImageFileFormat { Bmp, Dib, Gif, Iff, Jif, Jpg, Lbm, Pcx, Rle, Tga, Tif, Png, Pnm, Unknown };

// Save formats are numbered by their filter position + 2: 3 for the first
// filter (.bmp) up to 13 for the eleventh (.tif) and 14 for .png.
inline constexpr int kSaveFilterCount = 12;
int formatNumberOfFilter(int filterPosition);
ImageFileFormat formatOfNumber(int formatNumber); // Unknown when out of range

// The extension a name without one gets for a filter position (1-based), ".bmp" .. ".png".
QString defaultExtension(int filterPosition);
// `fileName` with the filter's default extension when it has none.
QString withDefaultExtension(const QString& fileName, int filterPosition);

// What the bytes look like; Unknown when no decoder would take them.
ImageFileFormat detectImageFormat(QByteArrayView bytes);
// The picture in `bytes`, whatever its format; null when unreadable or larger
// than `limits` allow.
DibImage decodeImage(QByteArrayView bytes, const ImageLimits& limits = {});
// The picture in the given save format; empty when the encoder fails.
QByteArray encodeImage(const DibImage& image, ImageFileFormat format, const ImageLimits& limits = {});

// The image in a file; null when it cannot be read or is no picture we know.
DibImage OpenDib(const QString& fileName, const ImageLimits& limits = {});
// What the user is told when a picture cannot be read; `name` as the user knows the file.
QString imageReadFailureText(const QString& name);

// The image in a file, and when there is none, whether it was refused for the
// memory its pixels need.
struct ImageFileRead {
    DibImage image;
    OversizeImage oversize;
};
ImageFileRead readImageFile(const QString& fileName, const ImageLimits& limits = {});
// What the user is told when `read` holds no image: the picture's size and
// what it would need when it was too large for `limits`, else the general text.
QString imageReadFailureText(const QString& name, const ImageFileRead& read, const ImageLimits& limits);

// Writes the image in the format `formatNumber`. A failure is told to the user
// in a message box captioned "Fehler" and leaves an existing file as it was.
bool SaveDib(const DibImage& image, const QString& fileName, int formatNumber, Messages& messages,
             const ImageLimits& limits = {});

// File dialog filters in the "text|patterns|text|patterns" form.
QString GetDIBOpenFilter();
QString GetDIBSaveFilter();
