#pragma once
// Turning an image by any angle: the canvas grows to hold the whole turned
// picture, and its new corners are white.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

// The size of the canvas that holds a width × height picture turned by `degrees`.
struct CanvasSize {
    int width = 0, height = 0;
};
CanvasSize turnedCanvas(int width, int height, double degrees);

// `source` turned counter-clockwise by `degrees` (−180 .. 180) about its
// centre. Depth and resolution as for warpImage; null when memory is short.
DibImage turnImage(const DibImage& source, double degrees, const ImageLimits& limits = {},
                   const ProgressFn& progress = {});
