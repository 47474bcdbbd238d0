#pragma once
// The status bar's progress bar: the value shown and the panel rectangle the bar
// was last drawn in. A rising value extends the bar without clearing the panel;
// a falling one redraws the panel from empty.

#include <QRect>

// A rectangle as Windows gives it: right and bottom are not part of it.
struct WinRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    friend bool operator==(const WinRect&, const WinRect&) = default;
};

class ProgressBarState {
  public:
    // Stores `percent`; true when it went down, so the whole panel must be redrawn.
    // The value is stored as given: callers pass 0..100.
    bool set(int percent) {
        const bool down = percent < value_;
        value_ = percent;
        return down;
    }
    int value() const { return value_; }
    const WinRect& panel() const { return panel_; }
    void setPanel(const WinRect& panel) { panel_ = panel; }

    // The filled part for `percent`: from (left, top) to
    // (left + (right − left) × percent / 100, bottom), the division truncating.
    static WinRect barRect(const WinRect& panel, int percent) {
        return {panel.left, panel.top, panel.left + (panel.right - panel.left) * percent / 100, panel.bottom};
    }

  private:
    int value_ = 0;
    WinRect panel_;
};
