#pragma once
// What the image codecs share: the size check made before any allocation, and
// the conversions between bit counts for formats that cannot hold an image as
// it is.

#include "raster/dibimage.h"

#include <cstdint>

namespace codec {

// True when a width × height image of `bitCount` bits may be allocated: both
// sides within the record's limits and the pixel bytes within `limits`.
// Decoders ask this before they allocate anything sized by a header.
bool acceptableSize(int64_t width, int64_t height, int bitCount, const ImageLimits& limits);

// The smallest of 1, 4, 8 bits that holds `colours` palette entries.
int bitsForColours(int colours);

// A palette index in a packed row of 1, 4 or 8 bits per pixel.
inline unsigned indexAt(const uint8_t* row, int x, int bits) {
    switch (bits) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 2:
        return (row[x >> 2] >> (6 - 2 * (x & 3))) & 3;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default:
        return row[x];
    }
}
void putIndex(uint8_t* row, int x, int bits, unsigned value);

// A colour component with coverage `alpha` laid onto white.
inline uint8_t onWhite(int value, int alpha) {
    return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

// True when the image is 8-bit and its palette is the grey ramp 0..255.
bool hasGreyRamp(const DibImage& image);

// The conversions give null when `limits` leave no room for the result.
// The same picture at 24 bits.
DibImage toTrueColor(const DibImage& image, const ImageLimits& limits);
// The same picture with 8-bit indices. Palette images keep their colours;
// 24-bit images get a median-cut palette of at most 256 colours, the closest
// a 256-colour format can come without dithering noise.
DibImage toPalette8(const DibImage& image, const ImageLimits& limits);
// The same picture with 4-bit indices; only for 1- and 4-bit images.
DibImage toPalette4(const DibImage& image, const ImageLimits& limits);

} // namespace codec
