#pragma once
// The 5 × 5 convolution of the effect filters on 24-bit images.
//
// The image is first copied into a work image with a border of two pixels on
// every side that repeat the nearest edge pixel; every window then lies inside
// the work image, and the work image doubles as the backup from which the
// previous pixels come back when the user discards the result.

#include "raster/dibimage.h"
#include "retouch/effecttable.h"
#include "retouch/rowprogress.h"

enum class FilterOutcome { Filtered, NotTrueColour, OutOfMemory };

// Filters `image` in place with `filter`, whose kernel is read transposed: the
// weight of window row r, column c is Kernel[c][r]. Per colour component the
// weighted sum (integers) is divided by Divisor truncating toward zero, Bias is
// added and the value limited to 0 .. 255. On success `workImage` holds the
// bordered copy of the previous pixels.
FilterOutcome DibFilter(DibImage& image, const EffectFilter& filter, DibImage& workImage,
                        const ImageLimits& limits = {}, const ProgressFn& progress = {});

// The bordered copy of a 24-bit image (W + 4) × (H + 4); null when memory is short.
DibImage makeBorderedCopy(const DibImage& image, const ImageLimits& limits = {},
                          const ProgressFn& progress = {});

// Copies the pixels kept in the work image back into `image`.
void restoreFromBorderedCopy(DibImage& image, const DibImage& workImage, const ProgressFn& progress = {});
