#include "widgets/dragscroll.h"

#include "widgets/scrollbox.h"

#include <algorithm>

void DragScroll::mouseDown(ScrollBox& box, QPoint position, bool takeFocus) {
    if (takeFocus) box.setFocus();
    active = true;
    x = position.x();
    y = position.y();
}

void DragScroll::mouseMove(ScrollBox& box, QPoint position) {
    if (!active) return;
    // Each position is held between 0 and its range − 1, the range being the
    // extent of the view; the scroll box itself then keeps it within what can
    // be scrolled.
    const int horizontalRange = box.view()->width();
    const int verticalRange = box.view()->height();
    const int horizontal =
        std::clamp(box.horizontalPosition() + (x - position.x()), 0, std::max(0, horizontalRange - 1));
    const int vertical =
        std::clamp(box.verticalPosition() + (y - position.y()), 0, std::max(0, verticalRange - 1));
    box.setHorizontalPosition(horizontal);
    box.setVerticalPosition(vertical);
}
