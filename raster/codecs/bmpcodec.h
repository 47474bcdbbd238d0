#pragma once
// Windows bitmaps (.bmp, .dib) and their run-length compressed form (.rle).

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads core (OS/2 1.x), info and V4/V5 headers at 1, 4, 8, 16, 24 and 32 bits,
// uncompressed, RLE8, RLE4 and bit fields. 16- and 32-bit pictures become 24-bit;
// an alpha channel is laid onto white.
DibImage decodeBmp(QByteArrayView bytes, const ImageLimits& limits = {});

// An uncompressed bitmap at the image's own bit count.
QByteArray encodeBmp(const DibImage& image);

// A run-length compressed bitmap: RLE8 for 8-bit images, RLE4 for 4-bit ones.
// The format has no 1- or 24-bit form: 1-bit images are written as RLE4 with
// the same two colours, 24-bit images as RLE8 with a palette of their colours
// (median cut when there are more than 256). Empty when memory is short.
QByteArray encodeRle(const DibImage& image, const ImageLimits& limits = {});
