#pragma once
// Truevision Targa (.tga).

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// True when the 18-byte header makes sense as a Targa header. The format has
// no signature, so this is how a file is recognised (after every other format).
bool looksLikeTga(QByteArrayView bytes);

// Reads colour-mapped (8-bit indices), true-colour (15, 16, 24, 32 bits) and
// grey (8 bits, 16 with alpha) pictures, plain or run-length encoded, in any
// corner order. Colour-mapped pictures keep their palette when it fits 256
// entries; true colour becomes 24-bit, alpha is laid onto white.
DibImage decodeTga(QByteArrayView bytes, const ImageLimits& limits = {});

// Palette images as colour-mapped 8-bit indices, 24-bit images as true colour;
// uncompressed, with the format's version 2 footer.
QByteArray encodeTga(const DibImage& image);
