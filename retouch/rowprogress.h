#pragma once
// Progress of a pass over the rows of an image, as the status bar shows it:
// row r of n is r × 100 div (n − 1). A pass over a single row has no "n − 1" to
// divide by; its only row is also its last, so it shows 100 like the last row
// of any other pass.
//
// A value is handed on only when it differs from the one shown last: a large
// image has many rows per percent, and repainting the bar with the value it
// already shows changes nothing on the screen.

#include <cstdint>
#include <functional>

using ProgressFn = std::function<void(int percent)>;

class RowProgress {
  public:
    RowProgress(const ProgressFn& report, int rows) : report_(report), rows_(rows) {}
    void setRows(int rows) { rows_ = rows; }

    static int percentOfRow(int row, int rows) {
        return rows > 1 ? int(int64_t(row) * 100 / (rows - 1)) : 100;
    }

    // Before the pass, and once more after it.
    void reset() { show(0); }
    void row(int row) { show(percentOfRow(row, rows_)); }

  private:
    void show(int percent) {
        if (!report_ || percent == shown_) return;
        shown_ = percent;
        report_(percent);
    }
    const ProgressFn& report_;
    int rows_;
    int shown_ = -1;
};
