#include "paper/labeltemplate.h"

int LabelTemplate::labelsPerSheet() const {
    int labels = 0;
    for (const TemplateLayout& layout : layouts) labels += layout.nx * layout.ny;
    return labels;
}

bool LabelTemplate::isDiscLabel() const {
    if (shape.kind == LabelShape::Kind::Disc) return true;
    return categories.contains(QStringLiteral("media")) &&
           (description.contains(QStringLiteral("CD")) || description.contains(QStringLiteral("DVD")));
}
