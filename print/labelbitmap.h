#pragma once
// The finished label (image plus annotation objects, placed as on the
// "Zentrieren" page) rendered once onto a white bitmap. The sheet preview and
// the print run copy that bitmap 1:1 to every position, so the cost of the
// objects' fonts and outlines does not grow with the number of copies.

#include "document/objecttable.h"
#include "paper/labelshape.h"
#include "paper/placement.h"
#include "print/annotationpainter.h"
#include "raster/dibimage.h"
#include "raster/drawcontext.h"

#include <QImage>
#include <QSize>

#include <optional>

struct LabelContent {
    const DibImage& image;
    const ObjectTable& objects;
    PlacementValues placement;
    LabelRenderSettings render;
    // With a shape, whatever lies outside it stays white (a disc's hole too).
    std::optional<LabelShape> clipShape = std::nullopt;
};

// The label `size` pixels large on a device of the given resolution and
// factors (device.LabelPx is taken from `size`), its picture drawn as on the
// screen `drawing` names. Null when the size is empty or memory is short (the
// label's bitmaps stay within the drawing's limits, too).
QImage renderLabel(const LabelContent& content, QSize size, PlacementDevice device,
                   const DrawContext& drawing);
