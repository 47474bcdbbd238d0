#pragma once
// Lengths: the document measures in internal units of 1/200000 mm, and every
// conversion to or from device pixels uses 25.39995 mm per inch.

#include <cmath>
#include <cstdint>

namespace units {

inline constexpr double kMmPerInch = 25.39995;
inline constexpr double kUnitsPerMm = 200000.0;

// Internal units covered by `pixels` device pixels at `dpi` dots per inch,
// computed in the order pixels × 200000 × 25.39995 / dpi.
inline double unitsFromPixels(double pixels, double dpi) {
    return pixels * kUnitsPerMm * kMmPerInch / dpi;
}

// Device pixels covered by `mm` millimetres at `dpi` dots per inch (not truncated).
inline double pixelsFromMm(double mm, double dpi) {
    return mm / kMmPerInch * dpi;
}

// Truncation toward zero into a 32-bit value; out-of-range values saturate instead
// of being undefined.
inline int32_t trunc32(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Rounding to nearest with halves to the even neighbour.
inline int32_t nearest32(double v) {
    return trunc32(std::nearbyint(v));
}

} // namespace units
