#pragma once
// The resolution an image was scanned or saved at. The image record keeps it
// in its header as pixels per metre, as bitmap files do; 0 means unknown.

#include "raster/dibimage.h"

#include <optional>

// Pixels per metre for `dpi` dots per inch, rounded to nearest; 0 for a
// resolution outside what scanners and files give.
int32_t pelsPerMeterOfDpi(double dpi);

// Stores `dpiX` × `dpiY` in the header; an implausible value stores "unknown".
void setResolutionDpi(DibImage& image, double dpiX, double dpiY);
inline void setResolutionDpi(DibImage& image, double dpi) {
    setResolutionDpi(image, dpi, dpi);
}

// The image's dots per inch across and down; nothing when unknown.
std::optional<double> resolutionDpiX(const DibImage& image);
std::optional<double> resolutionDpiY(const DibImage& image);

// Pixels per millimetre when the header knows it the same in both directions
// (within one percent); nothing otherwise. What size checks need.
std::optional<double> squarePixelsPerMm(const DibImage& image);

// `target` takes the resolution of `source`; `turned` exchanges across and
// down, for a quarter turn.
void copyResolution(const DibImage& source, DibImage& target, bool turned = false);
