#pragma once
// Cutting a rectangle out of an image.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

// A rectangle of image pixels from the top-left corner: columns left .. right − 1,
// rows top .. bottom − 1.
struct PixelRegion {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool isEmpty() const { return left >= right || top >= bottom; }
    friend bool operator==(const PixelRegion&, const PixelRegion&) = default;
};

// `region` limited to a width × height image, ordered so that left <= right and
// top <= bottom.
PixelRegion clampRegion(PixelRegion region, int width, int height);

// A new image of the same bit count and colours holding `region` of `source`
// (first limited to the image). Null when the region is empty or memory is short.
DibImage cropImage(const DibImage& source, const PixelRegion& region, const ImageLimits& limits = {},
                   const ProgressFn& progress = {});

// Copies `bitCount` bits starting at bit `sourceBit` of `source` (counted from
// the most significant bit of the first byte) to the start of `target`. The bits
// of the last target byte beyond the copied ones become zero.
void copyBitRun(const uint8_t* source, int64_t sourceBit, uint8_t* target, int64_t bitCount);
