#pragma once
// TIFF through libtiff.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// The first page. Bilevel pictures stay 1-bit, palette pictures keep their
// palette (2-bit indices widen to 4), grey becomes 8-bit grey, every other
// kind (RGB, CMYK, YCbCr, 16 bits per sample, tiles) goes through libtiff's
// RGBA reader to 24 bits with alpha laid onto white.
DibImage decodeTiff(QByteArrayView bytes, const ImageLimits& limits = {});

// LZW-compressed: bilevel black/white and grey-ramp images as grey, other
// palette images as palette, 24-bit as RGB. Empty on failure.
QByteArray encodeTiff(const DibImage& image);
