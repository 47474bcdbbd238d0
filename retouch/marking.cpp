#include "retouch/marking.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Round to nearest, halves to the even neighbour (the default rounding mode).
int nearest(double value) {
    return int(std::nearbyint(value));
}

} // namespace

void RegionMarking::layout(int imageW, int imageH, int viewW, int viewH, const PixelRegion& region) {
    if (imageW <= 0 || imageH <= 0) return;
    scaleX_ = double(viewW) / imageW;
    scaleY_ = double(viewH) / imageH;
    limitX_ = viewW - 1;
    limitY_ = viewH - 1;
    view_.left = nearest(double(int64_t(viewW) * region.left) / imageW);
    view_.right = std::min(nearest(double(int64_t(viewW) * region.right) / imageW), viewW - 1);
    view_.top = nearest(double(int64_t(viewH) * region.top) / imageH);
    view_.bottom = std::min(nearest(double(int64_t(viewH) * region.bottom) / imageH), viewH - 1);
}

MarkCursor RegionMarking::hover(int x, int y) {
    const auto [l, t, r, b] = view_;
    EdgeFlags near;
    near.left = l - 5 < x && x < l + 5 && x < r && t <= y && y <= b;
    near.right = !near.left && r - 5 < x && x < r + 5 && l < x && t <= y && y <= b;
    near.top = t - 5 < y && y < t + 5 && y < b && l <= x && x <= r;
    near.bottom = !near.top && b - 5 < y && y < b + 5 && t < y && l <= x && x <= r;

    MarkCursor cursor = MarkCursor::Arrow;
    const bool horizontal = near.left || near.right, vertical = near.top || near.bottom;
    if (horizontal && !vertical) cursor = MarkCursor::SizeWE;
    if (vertical && !horizontal) cursor = MarkCursor::SizeNS;
    if ((near.left && near.top) || (near.right && near.bottom)) cursor = MarkCursor::SizeNWSE;
    if ((near.right && near.top) || (near.left && near.bottom)) cursor = MarkCursor::SizeNESW;
    edges_ = near;
    edgeHover_ = near.any();
    return cursor;
}

bool RegionMarking::press(int x, int y, PixelRegion& region) {
    if (edgeHover_) {
        dragging_ = 1;
        return true;
    }
    if (x > limitX_ || y > limitY_ || x < 0 || y < 0) return false;
    dragging_ = 1;
    view_ = {x, y, x, y};
    edges_ = {false, true, false, true};
    region.left = region.right = nearest(x / scaleX_);
    region.top = region.bottom = nearest(y / scaleY_);
    return true;
}

void RegionMarking::dragTo(int x, int y, PixelRegion& region) {
    if (edges_.left) view_.left = x;
    if (edges_.right) view_.right = x;
    if (edges_.top) view_.top = y;
    if (edges_.bottom) view_.bottom = y;
    // Every edge is kept inside the view, also a left or top edge dragged out
    // past the right or bottom: it becomes the right or bottom edge below and
    // must not carry the region beyond the image.
    view_.left = std::clamp(view_.left, 0, std::max(limitX_, 0));
    view_.right = std::clamp(view_.right, 0, std::max(limitX_, 0));
    view_.top = std::clamp(view_.top, 0, std::max(limitY_, 0));
    view_.bottom = std::clamp(view_.bottom, 0, std::max(limitY_, 0));
    region.left = nearest(view_.left / scaleX_);
    region.right = nearest(view_.right / scaleX_);
    region.top = nearest(view_.top / scaleY_);
    region.bottom = nearest(view_.bottom / scaleY_);
    // The dragged edge goes on as the other one, so the region stays ordered.
    if (region.right < region.left) {
        std::swap(region.left, region.right);
        std::swap(edges_.left, edges_.right);
    }
    if (region.bottom < region.top) {
        std::swap(region.top, region.bottom);
        std::swap(edges_.top, edges_.bottom);
    }
}

bool RegionMarking::release() {
    if (dragging_ != 1) return false;
    dragging_ = 0;
    return true;
}
