#include "batch/jobinfo.h"

#include "base/cp1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject objectJson(int slot, const AnnotationObject& o) {
    // In file order; the text variant's Framed and ShadowColor share Shape and FillMode.
    return QJsonObject{{QStringLiteral("slot"), slot},
                       {QStringLiteral("Left"), o.Left},
                       {QStringLiteral("Top"), o.Top},
                       {QStringLiteral("Width"), o.Width},
                       {QStringLiteral("Height"), o.Height},
                       {QStringLiteral("Created"), o.Created},
                       {QStringLiteral("Kind"), o.Kind},
                       {QStringLiteral("Color"), qint64(o.Color)},
                       {QStringLiteral("Shape"), o.Shape},
                       {QStringLiteral("Align"), o.Align},
                       {QStringLiteral("BorderColor"), qint64(o.BorderColor)},
                       {QStringLiteral("FillMode"), o.FillMode},
                       {QStringLiteral("Shadow"), o.Shadow ? 1 : 0},
                       {QStringLiteral("Outline"), o.Outline ? 1 : 0},
                       {QStringLiteral("ShadowX"), o.ShadowX},
                       {QStringLiteral("ShadowY"), o.ShadowY},
                       {QStringLiteral("Reserved2"), o.Reserved2},
                       {QStringLiteral("Reserved1"), o.Reserved1},
                       {QStringLiteral("LineWidth"), o.LineWidth},
                       {QStringLiteral("Rotation"), o.Rotation},
                       {QStringLiteral("Text"), fromCp1252(o.Text)},
                       {QStringLiteral("FontColor"), qint64(o.FontColor)},
                       {QStringLiteral("FontHeight"), o.FontHeight},
                       {QStringLiteral("FontName"), fromCp1252(o.FontName)},
                       {QStringLiteral("FontPitch"), o.FontPitch},
                       {QStringLiteral("FontSize"), o.FontSize},
                       {QStringLiteral("FontStyle"), o.FontStyle}};
}

QString shapeKindName(LabelShape::Kind kind) {
    switch (kind) {
    case LabelShape::Kind::Rectangle:
        return QStringLiteral("Rectangle");
    case LabelShape::Kind::Round:
        return QStringLiteral("Round");
    case LabelShape::Kind::Ellipse:
        return QStringLiteral("Ellipse");
    case LabelShape::Kind::Disc:
        break;
    }
    return QStringLiteral("Disc");
}

// The format under the names of its paper.dat fields.
QJsonObject paperJson(const PaperType& paper) {
    return QJsonObject{{QStringLiteral("Name"), paper.displayName()},
                       {QStringLiteral("LeftMargin"), paper.LeftMargin},
                       {QStringLiteral("TopMargin"), paper.TopMargin},
                       {QStringLiteral("StepX"), paper.StepX},
                       {QStringLiteral("StepY"), paper.StepY},
                       {QStringLiteral("LabelWidth"), paper.LabelWidth},
                       {QStringLiteral("LabelHeight"), paper.LabelHeight},
                       {QStringLiteral("CountX"), paper.CountX},
                       {QStringLiteral("CountY"), paper.CountY}};
}

QJsonObject shapeJson(const LabelShape& shape) {
    return QJsonObject{{QStringLiteral("kind"), shapeKindName(shape.kind)},
                       {QStringLiteral("cornerRadiusMm"), shape.cornerRadiusMm},
                       {QStringLiteral("outerRadiusMm"), shape.outerRadiusMm},
                       {QStringLiteral("holeRadiusMm"), shape.holeRadiusMm}};
}

QJsonObject printSettingsJson(const PrintSettings& settings) {
    QJsonObject json{{QStringLiteral("widthPercent"), settings.placement.widthPercent},
                     {QStringLiteral("shiftRightMm"), settings.placement.shiftRightMm},
                     {QStringLiteral("shiftDownMm"), settings.placement.shiftDownMm},
                     {QStringLiteral("used"), settings.values.used},
                     {QStringLiteral("copies"), settings.values.copies},
                     {QStringLiteral("sheet"), settings.values.sheet},
                     {QStringLiteral("clipToShape"), settings.values.clipToShape}};
    if (settings.paper) json.insert(QStringLiteral("paperFormat"), paperJson(*settings.paper));
    if (settings.shape) json.insert(QStringLiteral("labelShape"), shapeJson(*settings.shape));
    if (settings.disc)
        json.insert(QStringLiteral("disc"),
                    QJsonObject{{QStringLiteral("outerDiameterMm"), settings.disc->outerDiameterMm},
                                {QStringLiteral("innerDiameterMm"), settings.disc->innerDiameterMm}});
    return json;
}

} // namespace

QByteArray jobInfoJson(const cover::CoverDocument& document) {
    // Records in slot order, each slot once (a later record for a slot wins, as on reading).
    ObjectTable table;
    cover::installObjects(document, table);
    QJsonArray objects;
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
        if (table.slot(slot).Kind > 0) objects.append(objectJson(slot, table.slot(slot)));

    const DibImage& image = document.image;
    const QJsonObject imageJson{{QStringLiteral("width"), image.width()},
                                {QStringLiteral("height"), image.height()},
                                {QStringLiteral("bitCount"), image.bitCount()},
                                {QStringLiteral("colors"), image.paletteSize()}};
    QJsonObject job{{QStringLiteral("pageWidth"), document.pageWidth},
                    {QStringLiteral("pageHeight"), document.pageHeight},
                    {QStringLiteral("viewZoom"), document.viewZoom},
                    {QStringLiteral("unitsPerScreenPixel"), document.unitsPerScreenPixel},
                    {QStringLiteral("image"), imageJson},
                    {QStringLiteral("objects"), objects}};
    if (document.printSettings)
        job.insert(QStringLiteral("printSettings"), printSettingsJson(*document.printSettings));
    return QJsonDocument(job).toJson(QJsonDocument::Indented);
}
