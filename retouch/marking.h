#pragma once
// Marking a region on the retouch view with the mouse: a new rectangle from a
// press, or the edges and corners of the present one dragged. The view shows the
// image scaled; the region is kept in image pixels and converted both ways by
// rounding to the nearest pixel (halves to even).

#include "retouch/cropimage.h"

enum class MarkCursor { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };

struct ViewRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ViewRect&, const ViewRect&) = default;
};

struct EdgeFlags {
    bool left = false, right = false, top = false, bottom = false;
    bool any() const { return left || right || top || bottom; }
    friend bool operator==(const EdgeFlags&, const EdgeFlags&) = default;
};

class RegionMarking {
  public:
    // The view size for an image at `zoom` percent.
    static int viewLength(int imageLength, int zoom) { return int(int64_t(imageLength) * zoom / 100); }

    // Recomputes scale, limit and the view rectangle of `region` for an image of
    // imageW × imageH shown as viewW × viewH.
    void layout(int imageW, int imageH, int viewW, int viewH, const PixelRegion& region);

    // Without a drag: which edges are near (x, y), and the cursor for them.
    MarkCursor hover(int x, int y);
    // True when the press starts a drag (grabbing the hovered edges or starting a
    // new region inside the view); `region` is then set for a new region.
    bool press(int x, int y, PixelRegion& region);
    // While dragging: the flagged edges follow (x, y); `region` follows the view
    // rectangle, its edges swapped (with their flags) when dragged across.
    void dragTo(int x, int y, PixelRegion& region);
    // True when a drag ended.
    bool release();
    void cancelDrag() { dragging_ = 0; }

    bool dragging() const { return dragging_ == 1; }
    bool edgeHover() const { return edgeHover_; }
    const EdgeFlags& edges() const { return edges_; }
    const ViewRect& viewRect() const { return view_; }
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }

  private:
    ViewRect view_;
    double scaleX_ = 1, scaleY_ = 1;
    int limitX_ = 0, limitY_ = 0;
    EdgeFlags edges_;
    bool edgeHover_ = false;
    int dragging_ = 0;
};
