#pragma once
// Brightness and contrast. Both change every colour component through a table
// of 256 values: the colour table of a palette image (its pixel indices stay),
// or the three bytes of every pixel of a 24-bit image.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

#include <array>

using ToneTable = std::array<uint8_t, 256>;

// v + delta, limited to 0 .. 255.
ToneTable brightnessTable(int delta);
// value <= 100: (v − 127) × value div 100 + 127; value > 100, with k = 200 − value:
// v × k div 100 below 128, 255 − (255 − v) × k div 100 from 128 on. Within the
// track bar's 0 .. 200 no result leaves 0 .. 255; values beyond are limited.
ToneTable contrastTable(int value);
// `second` applied after `first`.
ToneTable composeTables(const ToneTable& first, const ToneTable& second);

// The limits give the threads a pass over the rows may use; no memory is taken.
void applyToneTable(DibImage& image, const ToneTable& table, const ImageLimits& limits = {},
                    const ProgressFn& progress = {});

void Helligkeit(DibImage& image, int delta, const ImageLimits& limits = {}, const ProgressFn& progress = {});
void Kontrast(DibImage& image, int value, const ImageLimits& limits = {}, const ProgressFn& progress = {});
// Brightness, then contrast, in one pass.
void HelligkeitUndKontrast(DibImage& image, int delta, int value, const ImageLimits& limits = {},
                           const ProgressFn& progress = {});
