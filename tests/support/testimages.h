#pragma once
// Small images with known pixels for the tests.

#include "raster/dibimage.h"

#include <QColor>

// A 24-bit image whose pixel (x, y) has red = x, green = y and blue = seed.
DibImage gradientImage24(int width, int height, int seed = 7);
// A palette image (1, 4 or 8 bits) whose pixel (x, y) has index (x + 3y + seed) mod colours.
DibImage patternImage(int width, int height, int bitCount, int seed = 0);
// A 24-bit image in one colour.
DibImage solidImage24(int width, int height, const QColor& colour);
