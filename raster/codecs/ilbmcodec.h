#pragma once
// IFF interleaved bitmaps: ILBM (.iff, planar) and the chunky PBM form that
// Deluxe Paint writes as .lbm.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads ILBM with 1 to 8 bit planes (with extra-half-brite and hold-and-modify),
// 24 planes, an optional mask plane, and PBM with 8-bit chunky pixels; plain or
// ByteRun1-compressed. Hold-and-modify and 24 planes become 24-bit images.
DibImage decodeIlbm(QByteArrayView bytes, const ImageLimits& limits = {});

// ILBM with as many planes as the image has bits, ByteRun1-compressed.
QByteArray encodeIlbm(const DibImage& image);
// PBM with 8-bit chunky pixels for palette images (1- and 4-bit indices are
// widened); PBM has no true-colour form, so 24-bit images are written as ILBM
// with 24 planes, which Deluxe Paint's later versions also read as .lbm.
QByteArray encodeLbm(const DibImage& image, const ImageLimits& limits = {});
