#pragma once
// The arithmetic behind the mouse on the "Kommentare" view: which handle of the
// selected object the mouse is over, how a drag moves and resizes the object,
// which object a press hits, the magnifier's steps, the pan and the selection
// frame. It works on the table and plain numbers; the page's handlers only read
// the mouse, call these and repaint.

#include "objects/objectops.h"

#include <QPoint>

#include <array>

class QPainter;

// The view's cursors by the numbers the main window registers them under.
enum ViewCursor : int {
    CursorResizeTopLeft = 1,
    CursorResizeTopRight = 2,
    CursorResizeBottomLeft = 3,
    CursorResizeBottomRight = 4,
    CursorResizeTop = 5,
    CursorResizeBottom = 6,
    CursorResizeLeft = 7,
    CursorResizeRight = 8,
    CursorGrab = 9,
    CursorArrow = 10,
    CursorMagnifier = 11,
    CursorInsert = 12,
};

// What of the selected object the mouse holds: nothing, a corner, the middle
// of an edge or the body. The values follow the handle order of handlePoints(),
// counted from 1, and are also the numbers of the cursors that show them.
enum class DragHandle : int32_t {
    None = 0,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    Top,
    Bottom,
    Left,
    Right,
    Body,
};

// What a press on the annotation view started: nothing, a drag of the
// selected object, or panning the view.
enum class MouseAction : int32_t { Idle = 0, Dragging, Panning };

// What the mouse is over on the selected object, the cursor that shows it and
// the mouse's offset from the grabbed handle in view pixels.
struct DragHit {
    DragHandle handle = DragHandle::None;
    int cursor = CursorArrow;
    int32_t GrabX = 0;
    int32_t GrabY = 0;
};

// Half the side of a handle square, in view pixels.
inline constexpr int kHandleReach = 3;

// The eight handle points in hit-test and drawing order: the corners top-left,
// top-right, bottom-left, bottom-right, then the middles of the top, bottom,
// left and right edges.
std::array<QPoint, 8> handlePoints(int L, int T, int W, int H);

// The hit test of the selected object's handles and body. The first region
// that contains the point, borders included, wins, so a corner beats an edge
// and the top beats the bottom where small boxes make them overlap.
DragHit setdragmod(AnnotationTool tool, const AnnotationObject* selected, int x, int y,
                   const PixelScale& view);

// The view the arithmetic converts in.
struct ViewScale {
    double unitsPerScreenPixel = 1;
    double viewZoom = 1;
    int viewWidth = 0; // view pixels
    int viewHeight = 0;
};

// Moves or resizes `object` for the mouse at view pixel (x, y). A box dragged
// across its opposite edge flips, and the returned handle is the mirrored
// handle the drag goes on with. The far edge stops at 0 and the near edge at
// the view's right and bottom border.
DragHandle dragit(AnnotationObject& object, DragHandle handle, int x, int y, int32_t grabX, int32_t grabY,
                  const ViewScale& view);

// The topmost used object whose box contains view pixel (x, y), borders
// included; 0 when there is none.
int objectAt(const ObjectTable& table, int x, int y, const PixelScale& view);

// The next used slot after `from`, wrapping from 10000 to 1; `from` itself when
// no other slot is in use.
int nextUsedSlot(const ObjectTable& table, int from);

// The magnifier: units per screen pixel one step in (÷ 1.5 while above 9000)
// or out (× 1.5 while below 500000); beyond the bounds the value stays.
double zoomedIn(double unitsPerScreenPixel);
double zoomedOut(double unitsPerScreenPixel);

// A scroll position kept inside 0 .. range − 1.
int clampScroll(int position, int range);

// The selection frame of the selected object. While dragging
// the outline is inverted (not-xor), so drawing it twice restores the picture,
// and no handles are drawn; while panning only the outline is drawn.
void markrec(QPainter& canvas, const AnnotationObject* selected, MouseAction action, const PixelScale& view);
