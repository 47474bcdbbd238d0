#pragma once
// GIF through giflib.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// The first picture of the file on its logical screen, filled with the
// background colour where the picture does not reach. The palette keeps its
// indices at 1, 4 or 8 bits by its size; the transparent colour becomes white.
DibImage decodeGif(QByteArrayView bytes, const ImageLimits& limits = {});

// Palette images at their own bit count. GIF holds at most 256 colours, so a
// 24-bit image is written with a palette of its colours, exact when it has
// 256 or fewer and a median cut otherwise. Empty on failure.
QByteArray encodeGif(const DibImage& image, const ImageLimits& limits = {});
