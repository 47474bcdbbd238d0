#pragma once
// The outline of one label position as a painter path: the label's shape
// centred in its box (a disc's circle cut by the box where the box is smaller,
// its hole left out), or the box itself for a format without a shape.

#include "paper/labelshape.h"

#include <QPainterPath>
#include <QRectF>

#include <optional>

// `box` is the label's bounding box in device pixels, `pixelsPerMm` the scale
// of the shape's radii on that device.
QPainterPath labelOutline(const std::optional<LabelShape>& shape, const QRectF& box, double pixelsPerMm);
