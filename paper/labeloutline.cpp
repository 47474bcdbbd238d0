#include "paper/labeloutline.h"

namespace {

QRectF circleAround(const QPointF& centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

} // namespace

QPainterPath labelOutline(const std::optional<LabelShape>& shape, const QRectF& box, double pixelsPerMm) {
    QPainterPath path;
    if (!shape) {
        path.addRect(box);
        return path;
    }
    const QPointF centre = box.center();
    switch (shape->kind) {
    case LabelShape::Kind::Rectangle: {
        const double corner = shape->cornerRadiusMm * pixelsPerMm;
        path.addRoundedRect(box, corner, corner);
        break;
    }
    case LabelShape::Kind::Round:
        path.addEllipse(circleAround(centre, shape->outerRadiusMm * pixelsPerMm));
        break;
    case LabelShape::Kind::Ellipse:
        path.addEllipse(box);
        break;
    case LabelShape::Kind::Disc: {
        QPainterPath outer;
        outer.addEllipse(circleAround(centre, shape->outerRadiusMm * pixelsPerMm));
        QPainterPath cut;
        cut.addRect(box);
        QPainterPath hole;
        hole.addEllipse(circleAround(centre, shape->holeRadiusMm * pixelsPerMm));
        path = outer.intersected(cut).subtracted(hole);
        break;
    }
    }
    return path;
}
