#include "objects/annotationview.h"

#include "base/units.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

namespace {

bool nearHandle(QPoint handle, int x, int y) {
    return std::abs(x - handle.x()) <= kHandleReach && std::abs(y - handle.y()) <= kHandleReach;
}

int32_t saturate32(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// The handle that mirrors `handle` left to right.
DragHandle mirroredLeftRight(DragHandle handle) {
    switch (handle) {
    case DragHandle::TopLeft:
        return DragHandle::TopRight;
    case DragHandle::TopRight:
        return DragHandle::TopLeft;
    case DragHandle::BottomLeft:
        return DragHandle::BottomRight;
    case DragHandle::BottomRight:
        return DragHandle::BottomLeft;
    case DragHandle::Left:
        return DragHandle::Right;
    case DragHandle::Right:
        return DragHandle::Left;
    default:
        return handle;
    }
}

// The handle that mirrors `handle` top to bottom.
DragHandle mirroredTopBottom(DragHandle handle) {
    switch (handle) {
    case DragHandle::TopLeft:
        return DragHandle::BottomLeft;
    case DragHandle::BottomLeft:
        return DragHandle::TopLeft;
    case DragHandle::TopRight:
        return DragHandle::BottomRight;
    case DragHandle::BottomRight:
        return DragHandle::TopRight;
    case DragHandle::Top:
        return DragHandle::Bottom;
    case DragHandle::Bottom:
        return DragHandle::Top;
    default:
        return handle;
    }
}

} // namespace

std::array<QPoint, 8> handlePoints(int L, int T, int W, int H) {
    return {QPoint(L, T),         QPoint(L + W, T),         QPoint(L, T + H),     QPoint(L + W, T + H),
            QPoint(L + W / 2, T), QPoint(L + W / 2, T + H), QPoint(L, T + H / 2), QPoint(L + W, T + H / 2)};
}

DragHit setdragmod(AnnotationTool tool, const AnnotationObject* selected, int x, int y,
                   const PixelScale& view) {
    DragHit hit;
    switch (tool) {
    case AnnotationTool::Pointer:
        break;
    case AnnotationTool::Zoom:
        hit.cursor = CursorMagnifier;
        return hit;
    case AnnotationTool::Hand:
        hit.cursor = CursorGrab;
        return hit;
    default:
        hit.cursor = CursorInsert;
        return hit;
    }
    if (!selected) return hit;

    const int L = selected->PixLeft(view), T = selected->PixTop(view), W = selected->PixWidth(view),
              H = selected->PixHeight(view);
    const std::array<QPoint, 8> handles = handlePoints(L, T, W, H);
    // The offsets keep the mouse where it took the handle; the edge middles
    // move in one direction only and keep no offset along their edge.
    const bool offsetX[8] = {true, true, true, true, false, false, true, true};
    const bool offsetY[8] = {true, true, true, true, true, true, false, false};
    for (int i = 0; i < 8; ++i) {
        if (!nearHandle(handles[i], x, y)) continue;
        hit.handle = DragHandle(i + 1);
        hit.cursor = i + 1;
        hit.GrabX = offsetX[i] ? x - handles[i].x() : 0;
        hit.GrabY = offsetY[i] ? y - handles[i].y() : 0;
        return hit;
    }
    if (L <= x && x <= L + W && T <= y && y <= T + H) {
        hit.handle = DragHandle::Body;
        hit.cursor = CursorGrab;
        hit.GrabX = x - L;
        hit.GrabY = y - T;
    }
    return hit;
}

DragHandle dragit(AnnotationObject& object, DragHandle handle, int x, int y, int32_t grabX, int32_t grabY,
                  const ViewScale& view) {
    // 64 bits, so that no edge arithmetic wraps around before it is stored.
    int64_t L = object.Left, T = object.Top, W = object.Width, H = object.Height;
    const int64_t oldL = L, oldT = T;
    const double perPixel = view.unitsPerScreenPixel / view.viewZoom;
    const int64_t mx = units::trunc32(double(int64_t(x) - grabX) * perPixel);
    const int64_t my = units::trunc32(double(int64_t(y) - grabY) * perPixel);

    switch (handle) {
    case DragHandle::TopLeft:
        L = mx, T = my, W += oldL - mx, H += oldT - my;
        break;
    case DragHandle::TopRight:
        T = my, W = mx - L, H += oldT - my;
        break;
    case DragHandle::BottomLeft:
        L = mx, W += oldL - mx, H = my - T;
        break;
    case DragHandle::BottomRight:
        W = mx - L, H = my - T;
        break;
    case DragHandle::Top:
        T = my, H += oldT - my;
        break;
    case DragHandle::Bottom:
        H = my - T;
        break;
    case DragHandle::Left:
        L = mx, W += oldL - mx;
        break;
    case DragHandle::Right:
        W = mx - L;
        break;
    case DragHandle::Body:
        L = mx, T = my;
        break;
    default:
        break;
    }
    if (W < 0) {
        L += W;
        W = -W;
        handle = mirroredLeftRight(handle);
    }
    if (H < 0) {
        T += H;
        H = -H;
        handle = mirroredTopBottom(handle);
    }
    if (L + W < 0) L = -W;
    if (T + H < 0) T = -H;
    const double lastX = view.viewWidth * perPixel - 1;
    const double lastY = view.viewHeight * perPixel - 1;
    if (L > lastX) L = units::trunc32(lastX);
    if (T > lastY) T = units::trunc32(lastY);

    object.Left = saturate32(L);
    object.Top = saturate32(T);
    object.Width = saturate32(W);
    object.Height = saturate32(H);
    return handle;
}

int objectAt(const ObjectTable& table, int x, int y, const PixelScale& view) {
    for (int i = ObjectTable::kSlots; i >= 1; --i) {
        const AnnotationObject& object = table.slot(i);
        if (object.Kind <= 0) continue;
        const int64_t L = object.PixLeft(view), T = object.PixTop(view);
        if (L <= x && x <= L + object.PixWidth(view) && T <= y && y <= T + object.PixHeight(view)) return i;
    }
    return 0;
}

int nextUsedSlot(const ObjectTable& table, int from) {
    int slot = from;
    do {
        slot = slot >= ObjectTable::kSlots ? 1 : slot + 1;
        if (table.slot(slot).inUse()) return slot;
    } while (slot != from);
    return from;
}

double zoomedIn(double unitsPerScreenPixel) {
    return unitsPerScreenPixel > 9000 ? unitsPerScreenPixel / 1.5 : unitsPerScreenPixel;
}

double zoomedOut(double unitsPerScreenPixel) {
    return unitsPerScreenPixel < 500000 ? unitsPerScreenPixel * 1.5 : unitsPerScreenPixel;
}

int clampScroll(int position, int range) {
    return std::max(0, std::min(position, range - 1));
}

void markrec(QPainter& canvas, const AnnotationObject* selected, MouseAction action, const PixelScale& view) {
    if (!selected) return;
    const int L = selected->PixLeft(view), T = selected->PixTop(view), W = selected->PixWidth(view),
              H = selected->PixHeight(view);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    // The outline covers the box's columns L .. L + W − 1 and rows T .. T + H − 1
    // as a Windows rectangle does. As a region each pixel is drawn once, which
    // the inverting mode needs to be undone by a second drawing.
    const int right = std::max(L, L + W - 1), bottom = std::max(T, T + H - 1);
    QRegion outline(QRect(QPoint(L, T), QPoint(right, bottom)));
    if (right - L >= 2 && bottom - T >= 2)
        outline -= QRect(QPoint(L + 1, T + 1), QPoint(right - 1, bottom - 1));
    if (action == MouseAction::Dragging)
        canvas.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    for (const QRect& part : outline)
        canvas.fillRect(part, Qt::black);
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (action == MouseAction::Idle) {
        for (const QPoint& handle : handlePoints(L, T, W, H))
            canvas.fillRect(QRect(handle.x() - kHandleReach, handle.y() - kHandleReach, 2 * kHandleReach,
                                  2 * kHandleReach),
                            Qt::black);
    }
    canvas.restore();
}
