#pragma once
// ZSoft Paintbrush (.pcx), run-length encoded.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads 1-bit, 2- and 4-bit (packed or in up to four bit planes), 8-bit with
// the 256-colour palette at the end (grey when it is missing) and 24-bit in
// three planes; a fourth plane of alpha is laid onto white.
DibImage decodePcx(QByteArrayView bytes, const ImageLimits& limits = {});

// Writes the image at its own bit count: 1-bit, 4-bit as four bit planes,
// 8-bit with the 256-colour palette, 24-bit as three planes.
QByteArray encodePcx(const DibImage& image);
