#pragma once
// Shapes drawn the way the Windows drawing calls draw them, on any QPainter:
// a box (left, top, right, bottom) covers columns left .. right − 1 and rows
// top .. bottom − 1, a pen of width w is centred on the outermost pixel row of
// the box, and a one-pixel line leaves out its end point. The shapes are filled
// pixel by pixel without antialiasing, so what a pixel shows is decided by the
// geometry alone and not by the painter's stroking rules.

#include <QColor>

#include <algorithm>
#include <cstdint>
#include <optional>

class QPainter;

// Object boxes come from files and may hold any value; held within this reach,
// sums of a few edges and offsets cannot overflow, and nothing this far out is
// seen on any device.
inline int withinReach(int32_t pixels) {
    constexpr int32_t kFar = 1 << 26;
    return std::clamp(pixels, -kFar, kFar);
}

struct WinBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct WinPen {
    QColor color;
    int width = 1; // device pixels, at least 1
};

// `fill` empty: the inside keeps what was drawn before.
void winRectangle(QPainter& painter, WinBox box, const WinPen& pen, std::optional<QColor> fill);
void winEllipse(QPainter& painter, WinBox box, const WinPen& pen, std::optional<QColor> fill);
// Corners are quarters of an ellipse cornerWidth wide and cornerHeight high.
void winRoundRect(QPainter& painter, WinBox box, int cornerWidth, int cornerHeight, const WinPen& pen,
                  std::optional<QColor> fill);
void winLine(QPainter& painter, int x0, int y0, int x1, int y1, const WinPen& pen);
