#pragma once
// Dragging a view with the mouse to scroll it: the grabbed point of the
// picture stays under the mouse. One state is shared by the views that scroll
// this way (scan view, placement view, sheet preview), as only one can be
// dragged at a time.

#include <QPoint>

class ScrollBox;

struct DragScroll {
    bool active = false;
    int x = 0, y = 0; // mouse position at the press, view pixels

    // Button down: the drag begins; the scroll box takes the focus unless told not to.
    void mouseDown(ScrollBox& box, QPoint position, bool takeFocus = true);
    // While dragging, scrolls by the distance from the pressed point. The
    // view moves with the content, so the pressed point is never updated.
    void mouseMove(ScrollBox& box, QPoint position);
    void mouseUp() { active = false; }
};
