#pragma once
// Raising the colour depth of a palette image.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

// A 24-bit image showing the same colours as the 1-, 4- or 8-bit `source`.
// Null when memory is short or `bits` is not 24 (the only depth asked for);
// a 24-bit source needs no new image and also gives null.
DibImage DepthUpTo(const DibImage& source, int bits, const ImageLimits& limits = {},
                   const ProgressFn& progress = {});
