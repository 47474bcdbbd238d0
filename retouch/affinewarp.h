#pragma once
// Drawing an image anew through an affine map with good (bicubic)
// interpolation, in one pass over the new pixels: the turn by any angle and
// the levelled cut of a cover both end here.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

// Where a pixel of the new image comes from: picture coordinates of the new
// image (x right, y down, pixel (i, j) covering [i, i + 1) × [j, j + 1)) map
// to those of the source as source = linear × new + offset.
struct PictureMap {
    double linear[2][2] = {{1, 0}, {0, 1}};
    double offset[2] = {0, 0};
};

// A width × height image drawn from `source` through `map`; what lies outside
// the source is white. 24-bit and grey 8-bit images keep their depth, other
// palette images become 24-bit. The resolution is the source's. Null when
// memory is short or the source is too large for the interpolation
// (32767 pixels on a side).
DibImage warpImage(const DibImage& source, const PictureMap& map, int width, int height,
                   const ImageLimits& limits = {}, const ProgressFn& progress = {});
