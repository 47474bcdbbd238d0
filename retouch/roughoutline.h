#pragma once
// The first, coarse look for a disc or a cover on the reduced scan: what
// stands out from the bed, and whether its outline is round or four-sided.
// Internal to the automatic crop; the result is refined on the full scan.

#include "retouch/bedmodel.h"

#include <optional>

struct RoughOutline {
    enum class Shape { Round, FourSided } shape = Shape::Round;
    // Picture coordinates of the full scan.
    cv::Point2d centre;
    double radius = 0;            // round
    double width = 0, height = 0; // four-sided: the side nearest to level is the width
    double angleDeg = 0;          // four-sided: counter-clockwise
};

// What must hold for an outline to count, in pixels of the full scan.
struct OutlineLimits {
    double smallestArea = 0;
    double contrast = 16; // levels an object differs from the bed by, at least
};

// The object standing out on the bed, or nothing when nothing does, when what
// stands out is cut off by the scan's edge, or when it is neither round nor
// four-sided.
std::optional<RoughOutline> findRoughOutline(const ReducedScan& reduced, const BedModel& bed,
                                             const OutlineLimits& limits);
