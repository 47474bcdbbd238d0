#pragma once
// Label shapes on a device: the outline of one label position, the paper
// outside it dimmed in the views, or left without ink on the printed label.

#include "paper/labelshape.h"

#include <QPainterPath>
#include <QSizeF>

#include <optional>

class QPainter;

// The outline for a label box of `sizePx` device pixels at its top-left corner
// (0, 0), at `pixelsPerMmX` × `pixelsPerMmY`; the box itself without a shape.
QPainterPath labelShapeOnDevice(const std::optional<LabelShape>& shape, QSizeF sizePx, double pixelsPerMmX,
                                double pixelsPerMmY);

// What of the box at `boxPx` lies outside `outline`: painted white (no ink), or
// dimmed for a view. The outline is drawn as a thin grey line.
void whitenOutside(QPainter& painter, const QPainterPath& outline, const QRectF& boxPx);
void dimOutside(QPainter& painter, const QPainterPath& outline, const QRectF& boxPx);
void drawOutline(QPainter& painter, const QPainterPath& outline);
