#pragma once
// The coarse outline made exact on the full scan: edge points all around,
// then a circle or a level rectangle fitted to them. Internal to the automatic crop.

#include "retouch/edgeprobe.h"
#include "retouch/roughoutline.h"
#include "retouch/shapefit.h"

struct RefinedDisc {
    FittedCircle outer;
    double holeRadius = 0;
};
// `holeSearch` is the range of radii (pixels) the hole's edge lies in.
std::optional<RefinedDisc> refineDisc(const EdgeProbe& probe, const RoughOutline& rough, double pixelScale,
                                      std::pair<double, double> holeSearch);

std::optional<FittedRectangle> refineCover(const EdgeProbe& probe, const RoughOutline& rough,
                                           double pixelScale);
