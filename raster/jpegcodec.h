#pragma once
// JPEG/JFIF through libjpeg.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// Grey pictures become 8-bit images with a grey palette, colour and CMYK
// pictures 24-bit images. A damaged or hostile file gives the null image.
DibImage decodeJpeg(QByteArrayView bytes, const ImageLimits& limits = {});

// Baseline JFIF at `quality` (1..100). Images whose palette holds only greys
// are written as grey JPEGs; other palette images are expanded to colour,
// since JPEG has no palette. Empty on failure.
inline constexpr int kJpegQuality = 90;
QByteArray encodeJpeg(const DibImage& image, int quality = kJpegQuality, const ImageLimits& limits = {});
