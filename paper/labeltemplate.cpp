#include "paper/labeltemplate.h"

#include <QLocale>

int LabelTemplate::labelsPerSheet() const {
    int labels = 0;
    for (const TemplateLayout& layout : layouts)
        labels += layout.nx * layout.ny;
    return labels;
}

bool LabelTemplate::isDiscLabel() const {
    if (shape.kind == LabelShape::Kind::Disc) return true;
    return categories.contains(QStringLiteral("media")) &&
           (description.contains(QStringLiteral("CD")) || description.contains(QStringLiteral("DVD")));
}

QString millimetreSizeText(double width, double height) {
    const QLocale german(QLocale::German, QLocale::Germany);
    auto number = [&](double mm) {
        QString text = german.toString(mm, 'f', 2);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char(','))) text.chop(1);
        return text;
    };
    return QStringLiteral("%1 × %2 mm").arg(number(width), number(height));
}

QString labelSizeText(const LabelTemplate& label) {
    return millimetreSizeText(label.labelWidth, label.labelHeight);
}

QString sheetSizeText(const LabelTemplate& label) {
    if (label.sheetWidth <= 0 || label.sheetHeight <= 0) return {};
    return millimetreSizeText(label.sheetWidth, label.sheetHeight);
}
