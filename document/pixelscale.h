#pragma once
// The scale an annotation object's pixel accessors convert with. The annotation
// view converts by its zoom and its units per screen pixel; the renderer by its
// device pixels per internal unit. Each caller hands in the scale it draws at.

#include "base/units.h"

#include <cstdint>

class PixelScale {
  public:
    // The annotation view: `viewZoom` and the internal units one view pixel
    // shows at zoom 1.
    static PixelScale view(double viewZoom, double unitsPerScreenPixel) {
        return PixelScale(false, viewZoom, unitsPerScreenPixel, 0);
    }
    // A renderer drawing `renderScale` device pixels per internal unit.
    static PixelScale render(double renderScale) { return PixelScale(true, 1, 0, renderScale); }

    // Internal units to device pixels, truncated toward zero.
    int32_t toPixels(int32_t value) const {
        if (render_) return units::trunc32(value * renderScale_);
        return units::trunc32(value * viewZoom_ / unitsPerScreenPixel_);
    }
    // View pixels to internal units, truncated toward zero. Only the view sets
    // objects from pixels: a render scale converts as the view at zoom 1 would
    // with no units, so it is never used for setting.
    int32_t toUnits(int32_t pixels) const {
        return units::trunc32(pixels / viewZoom_ * unitsPerScreenPixel_);
    }

    bool isRender() const { return render_; }
    double viewZoom() const { return viewZoom_; }
    double unitsPerScreenPixel() const { return unitsPerScreenPixel_; }
    double renderScale() const { return renderScale_; }

  private:
    PixelScale(bool render, double viewZoom, double unitsPerScreenPixel, double renderScale)
        : render_(render), viewZoom_(viewZoom), unitsPerScreenPixel_(unitsPerScreenPixel),
          renderScale_(renderScale) {}
    bool render_;
    double viewZoom_;
    double unitsPerScreenPixel_;
    double renderScale_;
};
