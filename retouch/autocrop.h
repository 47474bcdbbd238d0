#pragma once
// The automatic crop: finding a disc or a cover laid on the scanner's bed and
// cutting it out, level. A disc is cut as a square around it, white outside
// the disc and in its hole; a cover is turned level and cut to its rectangle.
// Where nothing stands out clearly, or what does is cut off by the scan's
// edge, nothing is found: no cut rather than a wrong one.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

#include <QString>

enum class FoundKind { Nothing, Disc, Cover };

struct FoundObject {
    FoundKind kind = FoundKind::Nothing;
    // The centre in picture coordinates: x to the right, y down from the
    // top-left corner, pixel (i, j) covering [i, i + 1) × [j, j + 1).
    double centreX = 0, centreY = 0;
    // A disc: its outer diameter, twice; a cover: its sides when level. Pixels.
    double width = 0, height = 0;
    // How far the cover lies turned counter-clockwise; 0 for a disc.
    double angleDeg = 0;
    // A disc's hole, in pixels across.
    double holeDiameter = 0;
    // The scan's pixels per millimetre; 0 when the scan does not know its resolution.
    double pixelsPerMm = 0;

    bool found() const { return kind != FoundKind::Nothing; }
};

// Looks for a disc or a cover. With a known resolution only the sizes of
// discs (120 or 80 mm) and covers (from 118 mm up to a DVD inlay) are taken;
// without one, or with one that would make the picture larger than a
// scanner's bed (a photo's "72 dpi"), a disc must span a third of the
// shorter side and a cover a fifth of the picture.
FoundObject findObject(const DibImage& scan, const ImageLimits& limits = {}, const ProgressFn& progress = {});

// The found object cut out of `scan` (same depth; palette images other than
// grey become 24-bit) with the scan's resolution; null when nothing was found
// or memory is short.
DibImage cutOutObject(const DibImage& scan, const FoundObject& found, const ImageLimits& limits = {},
                      const ProgressFn& progress = {});

// What the user is told when nothing was found.
QString nothingFoundMessage();
