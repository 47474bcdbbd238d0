#pragma once
// Quarter turns and mirrors. Each makes a new image of the same bit count and
// colours; pixel values (palette indices or colours) pass through unchanged.
// Null when memory is short.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

// Counter-clockwise: source pixel (x, y) goes to (y, W − 1 − x).
DibImage rotateLeft(const DibImage& source, const ImageLimits& limits = {}, const ProgressFn& progress = {});
// Clockwise: source pixel (x, y) goes to (H − 1 − y, x).
DibImage rotateRight(const DibImage& source, const ImageLimits& limits = {}, const ProgressFn& progress = {});
// Left and right exchanged: (x, y) goes to (W − 1 − x, y).
DibImage mirrorLeftRight(const DibImage& source, const ImageLimits& limits = {},
                         const ProgressFn& progress = {});
// Top and bottom exchanged: (x, y) goes to (x, H − 1 − y).
DibImage mirrorTopBottom(const DibImage& source, const ImageLimits& limits = {},
                         const ProgressFn& progress = {});
