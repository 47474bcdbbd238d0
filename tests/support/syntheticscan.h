#pragma once
// Scans made up for the automatic crop: a disc or a cover with markers at
// known places, turned by a known angle, laid at a known place on a light lid
// (brighter at one end, a shadow along the bed's edges) or a dark open lid,
// with noise and JPEG artefacts as a scanner's file has them.

#include "raster/dibimage.h"

#include <QPointF>

#include <vector>

struct SyntheticScan {
    enum class Bed { Light, Dark } bed = Bed::Light;
    enum class Object { None, Disc, Cover } object = Object::Disc;
    double bedWidthMm = 150, bedHeightMm = 200;
    double dpi = 150;
    bool resolutionKnown = true;
    double claimedDpi = 0; // what the header says instead, as a photo's "72 dpi"
    // The object's centre on the bed, its size (a disc: the diameter) and its
    // counter-clockwise turn.
    double centreXMm = 75, centreYMm = 100;
    double widthMm = 120, heightMm = 120;
    double angleDeg = 0;
    // The object's ground colour (red, green, blue) and whether it carries markers.
    int colour[3] = {70, 120, 190};
    bool markers = true;
    double noise = 0;    // standard deviation, in levels
    int jpegQuality = 0; // 0: no JPEG
    bool grey = false;   // an 8-bit grey scan
};

DibImage makeSyntheticScan(const SyntheticScan& scan);

// Where the markers' centres lie on the object, in millimetres from its
// centre, level (y down). They are black dots 5 mm across.
std::vector<QPointF> syntheticMarkers(SyntheticScan::Object object);
