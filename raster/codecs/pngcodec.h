#pragma once
// PNG through libpng.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QByteArrayView>

// Palette pictures keep their indices (2-bit ones widen to 4) with transparent
// entries laid onto white; 1-bit grey stays 1-bit, other grey becomes 8-bit
// grey; colour becomes 24-bit; 16-bit samples are scaled to 8; alpha is laid
// onto white.
DibImage decodePng(QByteArrayView bytes, const ImageLimits& limits = {});

// Palette images as palette PNGs at their own bit count, grey-ramp images as
// 8-bit grey, 24-bit images as RGB. Empty on failure.
QByteArray encodePng(const DibImage& image);
