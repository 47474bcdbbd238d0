#pragma once
// Reduces a 24-bit image to an 8-bit palette image for screens with 256 colours
// or fewer.
//
// Palette: the 6 × 6 × 6 colour cube (index = 36 × r + 6 × g + b, each level a
// multiple of 51) in entries 0..215; entries 216..255 are black and unused.
// Dithering: ordered, with an 8 × 8 Bayer matrix. Each pixel is decided by its
// own value and position alone, so a reduced copy and a full-size copy of the
// same picture dither alike and rows can be done in any order.

#include "raster/dibimage.h"

// The whole 24-bit image halftoned at its own size; null when `source` is not a
// 24-bit image or memory is short.
DibImage DIBHalftoneDIB(const DibImage& source, const ImageLimits& limits = {});

// The same, scaled to width × height first (nearest pixel centre).
DibImage DIBHalftoneDIBXY(const DibImage& source, int width, int height, const ImageLimits& limits = {});

// The palette index the ditherer chooses for one colour at one position.
uint8_t halftoneIndex(int red, int green, int blue, int x, int y);
