#pragma once
// One product of a label-sheet template database: a sheet of a given size with
// labels of one shape, laid out in one or more grids. Lengths are millimetres.

#include "paper/labelshape.h"

#include <QString>
#include <QStringList>

#include <vector>

// One grid of labels on the sheet. A sheet whose rows are staggered has several.
struct TemplateLayout {
    int nx = 1, ny = 1;    // labels across and down
    double x0 = 0, y0 = 0; // the first label's top-left corner on the sheet
    double dx = 0, dy = 0; // pitch from one label to the next
    friend bool operator==(const TemplateLayout&, const TemplateLayout&) = default;
};

struct LabelTemplate {
    QString brand;
    QString part;
    QString description;
    QString sheetSize;     // the paper size's name ("A4", "US-Letter", "Other")
    double sheetWidth = 0; // 0 when the paper size is unknown
    double sheetHeight = 0;
    LabelShape shape;
    double labelWidth = 0; // the label's bounding box
    double labelHeight = 0;
    std::vector<TemplateLayout> layouts;
    QStringList categories;

    // "brand part", as a user names the product.
    QString product() const { return brand + QLatin1Char(' ') + part; }
    int labelsPerSheet() const;
    // A label meant for a CD or DVD: a disc shape, or media labels described as such.
    bool isDiscLabel() const;
};

// "117 × 117 mm", "25,4 × 12,7 mm": up to two decimals, German notation; the
// sheet's size is empty when it is unknown.
QString millimetreSizeText(double width, double height);
QString labelSizeText(const LabelTemplate& label);
QString sheetSizeText(const LabelTemplate& label);
