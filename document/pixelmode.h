#pragma once
// The scales the pixel accessors of Tobs convert with. They are process-wide on
// purpose: the accessors take no arguments, and the one renderer switches them
// into render mode for the length of one drawing. The main window's view zoom
// and units per screen pixel live here, so the accessors see every change.

#include "base/units.h"

#include <cstdint>

enum PixelModeValue : int { PixelModeView = 0, PixelModeRender = 1 };

struct PixelScales {
    int PixelMode = PixelModeView;
    double viewZoom = 1.0;          // zoom of the annotation page
    double unitsPerScreenPixel = 0; // internal units per view pixel at zoom 1
    double RenderScale = 0;         // device pixels per internal unit while rendering
};

namespace detail {
extern PixelScales pixelScalesInstance;
}
inline PixelScales& pixelScales() {
    return detail::pixelScalesInstance;
}

// Internal units to device pixels by the current mode, truncated toward zero.
inline int32_t unitsToPixels(int32_t value) {
    const PixelScales& s = pixelScales();
    if (s.PixelMode == PixelModeRender) return units::trunc32(value * s.RenderScale);
    return units::trunc32(value * s.viewZoom / s.unitsPerScreenPixel);
}

// View pixels to internal units; setting always works in view mode.
inline int32_t viewPixelsToUnits(int32_t pixels) {
    const PixelScales& s = pixelScales();
    return units::trunc32(pixels / s.viewZoom * s.unitsPerScreenPixel);
}

// Render mode for the lifetime of the guard, so no early return or exception can
// leave the accessors converting at the render scale. RenderScale keeps its
// value afterwards.
class ScopedRenderMode {
public:
    explicit ScopedRenderMode(double scale) {
        pixelScales().RenderScale = scale;
        pixelScales().PixelMode = PixelModeRender;
    }
    ~ScopedRenderMode() { pixelScales().PixelMode = PixelModeView; }
    ScopedRenderMode(const ScopedRenderMode&) = delete;
    ScopedRenderMode& operator=(const ScopedRenderMode&) = delete;
};
