#pragma once
// paintAnnotations: the one renderer of the annotation objects, for all four views of a
// label (annotation page, placement view, sheet preview, printer). The caller
// draws the image first, then the objects with the offset and scale that put
// them on the same spots of the image.

#include "document/objecttable.h"

class QPainter;

// What the renderer needs besides the objects.
struct LabelRenderSettings {
    double ImagePixelSize = 0; // internal units per image pixel
    int fontDpi = 96;          // pixels per inch of the font dialog's font (the screen's logical resolution)
    int screenDpi = 96;        // logical pixels per inch of the main window's screen
};

// Draws every used slot 1..10000 in slot order. OffsetX and OffsetY (device
// pixels) are subtracted from every position; Scale is device pixels per
// internal unit.
void paintAnnotations(QPainter& Canvas, int OffsetX, int OffsetY, double Scale, const ObjectTable& objects,
                      const LabelRenderSettings& settings);
