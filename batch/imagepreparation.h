#pragma once
// What cdcover-batch does to the job's image before anything else: cut out
// the disc or cover on a scan (--auto-crop), turn it (--rotate), or only tell
// what it finds there (--detect).

#include "raster/dibimage.h"

#include <QByteArray>
#include <QTextStream>

#include <optional>

struct FoundObject;

// Cuts and turns `image` as the options ask; false, with the reason on
// `err`, when nothing was found or memory is short.
bool prepareImage(DibImage& image, bool autoCrop, std::optional<double> rotateDegrees, QTextStream& err);

// --detect: what was found on `image`, as JSON on `out`; false with the
// reason on `err` when nothing was.
bool describeFoundObject(const DibImage& image, QTextStream& out, QTextStream& err);

// The JSON for what was found: "kind" ("disc" or "cover"), "centre" and
// "size" in pixels (x from the left, y from the top edge), the same in
// millimetres as "centreMm" and "sizeMm" when the image knows its resolution,
// "angleDeg" counter-clockwise, and for a disc "holeDiameter" (and "holeDiameterMm").
QByteArray foundObjectJson(const FoundObject& found);
