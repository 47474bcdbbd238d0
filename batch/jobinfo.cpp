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
    const QJsonObject job{{QStringLiteral("pageWidth"), document.pageWidth},
                          {QStringLiteral("pageHeight"), document.pageHeight},
                          {QStringLiteral("viewZoom"), document.viewZoom},
                          {QStringLiteral("unitsPerScreenPixel"), document.unitsPerScreenPixel},
                          {QStringLiteral("image"), imageJson},
                          {QStringLiteral("objects"), objects}};
    return QJsonDocument(job).toJson(QJsonDocument::Indented);
}
