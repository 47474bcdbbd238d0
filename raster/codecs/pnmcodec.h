#pragma once
// The portable bitmap, greymap and pixmap formats (.pbm, .pgm, .ppm), for opening.

#include "raster/dibimage.h"

#include <QByteArrayView>

// Plain (P1-P3) and raw (P4-P6) forms: bitmaps become 1-bit black on white,
// greymaps 8-bit grey, pixmaps 24-bit; samples above 255 are scaled down.
DibImage decodePnm(QByteArrayView bytes, const ImageLimits& limits = {});
