#include "print/annotationpainter.h"

#include "base/units.h"
#include "print/labeltext.h"
#include "print/wingeometry.h"

#include <QPainter>

#include <algorithm>

namespace {

QColor colorOf(ColorRef c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

bool isLineShape(int32_t shape) {
    return shape >= ShapeLineHorizontal && shape <= ShapeLineFalling;
}

void drawFigure(QPainter& canvas, const AnnotationObject& object, int offsetX, int offsetY, double scale,
                const LabelRenderSettings& settings) {
    const QColor color = colorOf(object.Color);
    QColor penColor = color;
    std::optional<QColor> fill = color;
    if (!isLineShape(object.Shape) && object.FillMode == 1) {
        penColor = colorOf(object.BorderColor);
        fill.reset();
    } else if (!isLineShape(object.Shape) && object.FillMode == 2) {
        penColor = colorOf(object.BorderColor);
    }
    const PixelScale pixels = PixelScale::render(scale);
    const int L = withinReach(object.PixLeft(pixels)) - offsetX;
    const int T = withinReach(object.PixTop(pixels)) - offsetY;
    const int W = withinReach(object.PixWidth(pixels));
    const int H = withinReach(object.PixHeight(pixels));
    const int E = H > W ? W : H;
    const WinPen pen{penColor,
                     std::max(1, units::trunc32(object.LineWidth * settings.ImagePixelSize * scale))};

    switch (object.Shape) {
    case ShapeCircle:
        winEllipse(canvas, {L, T, L + E, T + E}, pen, fill);
        break;
    case ShapeEllipse:
        winEllipse(canvas, {L, T, L + W, T + H}, pen, fill);
        break;
    case ShapeSquare:
        winRectangle(canvas, {L, T, L + E, T + E}, pen, fill);
        break;
    case ShapeRectangle:
        winRectangle(canvas, {L, T, L + W, T + H}, pen, fill);
        break;
    case ShapeRoundSquare:
        winRoundRect(canvas, {L, T, L + E, T + E}, W / 3, H / 3, pen, fill);
        break;
    case ShapeRoundRect:
        winRoundRect(canvas, {L, T, L + W, T + H}, W / 3, H / 3, pen, fill);
        break;
    case ShapeLineHorizontal:
        winLine(canvas, L, T, L + W, T, pen);
        break;
    case ShapeLineVertical:
        winLine(canvas, L, T, L, T + H, pen);
        break;
    case ShapeLineRising:
        winLine(canvas, L, T + H, L + W, T, pen);
        break;
    case ShapeLineFalling:
        winLine(canvas, L, T, L + W, T + H, pen);
        break;
    default:
        break;
    }
    // The canvas is left as a figure leaves it: a one-pixel pen and a solid brush.
    canvas.setPen(QPen(penColor, 1));
    canvas.setBrush(QBrush(fill.value_or(canvas.brush().color()), Qt::SolidPattern));
}

} // namespace

void paintAnnotations(QPainter& Canvas, int OffsetX, int OffsetY, double Scale, const ObjectTable& objects,
                      const LabelRenderSettings& settings) {
    QPen white = Canvas.pen();
    white.setColor(Qt::white);
    Canvas.setPen(white);
    const QFont callersFont = Canvas.font();
    for (int i = 1; i <= ObjectTable::kSlots; ++i) {
        const AnnotationObject& object = objects.slot(i);
        if (object.Kind == KindFigure)
            drawFigure(Canvas, object, OffsetX, OffsetY, Scale, settings);
        else if (object.Kind == KindText)
            drawTextObject(Canvas, object, OffsetX, OffsetY, Scale, settings);
    }
    Canvas.setFont(callersFont);
}
