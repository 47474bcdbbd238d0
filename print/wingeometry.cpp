#include "print/wingeometry.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Boxes given the wrong way round are drawn as if given the right way, as the
// Windows calls do.
WinBox normalized(WinBox box) {
    if (box.right < box.left) std::swap(box.left, box.right);
    if (box.bottom < box.top) std::swap(box.top, box.bottom);
    return box;
}

bool isEmpty(const WinBox& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

QRectF toRectF(const WinBox& box) {
    return QRectF(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

// The line through the centres of the box's outermost pixels, grown (or shrunk,
// for a negative `by`) by `by` pixels on every side.
QRectF centreLine(const WinBox& box, double by) {
    return QRectF(box.left + 0.5 - by, box.top + 0.5 - by, box.right - box.left - 1 + 2 * by,
                  box.bottom - box.top - 1 + 2 * by);
}

// Fills `path` with no pen, no antialiasing and no pen offset, leaving the
// painter as it was.
void fillPath(QPainter& painter, const QPainterPath& path, const QColor& color) {
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, color);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

} // namespace

void winRectangle(QPainter& painter, WinBox box, const WinPen& pen, std::optional<QColor> fill) {
    box = normalized(box);
    if (isEmpty(box)) return;
    if (fill) painter.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top, *fill);
    const int w = std::max(1, pen.width);
    const int before = (w - 1) / 2;
    const WinBox outer{box.left - before, box.top - before, box.right - 1 - before + w,
                       box.bottom - 1 - before + w};
    const WinBox inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    auto strip = [&](int l, int t, int r, int b) {
        if (r > l && b > t) painter.fillRect(l, t, r - l, b - t, pen.color);
    };
    if (isEmpty(inner)) {
        strip(outer.left, outer.top, outer.right, outer.bottom);
        return;
    }
    strip(outer.left, outer.top, outer.right, inner.top);
    strip(outer.left, inner.bottom, outer.right, outer.bottom);
    strip(outer.left, inner.top, inner.left, inner.bottom);
    strip(inner.right, inner.top, outer.right, inner.bottom);
}

void winEllipse(QPainter& painter, WinBox box, const WinPen& pen, std::optional<QColor> fill) {
    box = normalized(box);
    if (isEmpty(box)) return;
    if (fill) {
        QPainterPath inside;
        inside.addEllipse(toRectF(box));
        fillPath(painter, inside, *fill);
    }
    const double half = std::max(1, pen.width) / 2.0;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(centreLine(box, half));
    const QRectF hole = centreLine(box, -half);
    if (hole.width() > 0 && hole.height() > 0) ring.addEllipse(hole);
    fillPath(painter, ring, pen.color);
}

void winRoundRect(QPainter& painter, WinBox box, int cornerWidth, int cornerHeight, const WinPen& pen,
                  std::optional<QColor> fill) {
    box = normalized(box);
    if (isEmpty(box)) return;
    const double rx = std::abs(cornerWidth) / 2.0;
    const double ry = std::abs(cornerHeight) / 2.0;
    if (fill) {
        QPainterPath inside;
        inside.addRoundedRect(toRectF(box), rx, ry);
        fillPath(painter, inside, *fill);
    }
    const double half = std::max(1, pen.width) / 2.0;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRoundedRect(centreLine(box, half), rx + half - 0.5, ry + half - 0.5);
    const QRectF hole = centreLine(box, -half);
    if (hole.width() > 0 && hole.height() > 0)
        ring.addRoundedRect(hole, std::max(0.0, rx - half - 0.5), std::max(0.0, ry - half - 0.5));
    fillPath(painter, ring, pen.color);
}

namespace {

// One-pixel line from (x0, y0) up to but not including (x1, y1), stepping along
// the longer axis like the Windows line algorithm.
void thinLine(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& color) {
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) return;
    if (dy == 0) {
        painter.fillRect(dx > 0 ? x0 : x1 + 1, y0, std::abs(dx), 1, color);
        return;
    }
    if (dx == 0) {
        painter.fillRect(x0, dy > 0 ? y0 : y1 + 1, 1, std::abs(dy), color);
        return;
    }
    QList<QPoint> points;
    points.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        // Nearest pixel to the exact line, halves rounded away from the start.
        const int x = x0 + int(std::floor((2LL * dx * i + steps) / (2.0 * steps)));
        const int y = y0 + int(std::floor((2LL * dy * i + steps) / (2.0 * steps)));
        points.append(QPoint(x, y));
    }
    const QPen previousPen = painter.pen();
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 0));
    painter.drawPoints(points.constData(), int(points.size()));
    painter.setPen(previousPen);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

} // namespace

void winLine(QPainter& painter, int x0, int y0, int x1, int y1, const WinPen& pen) {
    if (pen.width <= 1) {
        thinLine(painter, x0, y0, x1, y1, pen.color);
        return;
    }
    // A wide pen has round ends and runs through the pixel centres.
    QPainterPath centre;
    centre.moveTo(x0 + 0.5, y0 + 0.5);
    centre.lineTo(x1 + 0.5, y1 + 0.5);
    QPainterPathStroker stroker;
    stroker.setWidth(pen.width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    fillPath(painter, stroker.createStroke(centre), pen.color);
}
