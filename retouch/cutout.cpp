// Cutting out what the automatic crop found: a disc as it lies, a cover
// turned level.

#include "raster/imageresolution.h"
#include "retouch/affinewarp.h"
#include "retouch/autocrop.h"
#include "retouch/colordepth.h"
#include "retouch/matview.h"
#include "retouch/rowaccess.h"
#include "retouch/rowsplit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How much of the pixel centred at distance `distance` from the disc's
// centre is disc: 1 well inside, 0 outside and in the hole, a one-pixel ramp
// at both edges so that they come out smooth.
double discCoverage(double distance, double radius, double holeRadius) {
    return std::clamp(radius - distance + 0.5, 0.0, 1.0) * std::clamp(distance - holeRadius + 0.5, 0.0, 1.0);
}

// One row of the square around the disc: `from` is the scan's row (null
// above or below the scan), `left` the scan column of the square's first pixel.
void cutDiscRow(const uint8_t* from, int scanWidth, int left, int bytes, double dy, double centreX,
                const FoundObject& disc, uint8_t* to, int side) {
    const double radius = disc.width / 2, hole = disc.holeDiameter / 2;
    for (int i = 0; i < side; ++i) {
        const int x = left + i;
        const double coverage = discCoverage(std::hypot(i + 0.5 - centreX, dy), radius, hole);
        for (int b = 0; b < bytes; ++b) {
            const double value = from && x >= 0 && x < scanWidth ? from[bytes * x + b] : 255.0;
            to[bytes * i + b] = uint8_t(std::lround(255.0 + (value - 255.0) * coverage));
        }
    }
}

DibImage cutDisc(const DibImage& scan, const FoundObject& disc, const ImageLimits& limits,
                 const ProgressFn& report) {
    const int side = std::max(1, int(std::lround(disc.width)));
    const int left = int(std::lround(disc.centreX - side / 2.0));
    const int top = int(std::lround(disc.centreY - side / 2.0));
    DibImage cut = createImage(side, side, scan.bitCount(), scan.colors().data(), scan.paletteSize(), limits);
    if (cut.isNull()) return {};
    const ConstRows from(scan);
    const Rows to(cut);
    const int bytes = scan.bitCount() / 8;
    RowProgress progress(report, side);
    forEachRow(side, int64_t(side) * bytes * 8, limits.rowThreads, progress, [&](int j) {
        const int y = top + j;
        const uint8_t* row = y >= 0 && y < scan.height() ? from.fromTop(y) : nullptr;
        cutDiscRow(row, scan.width(), left, bytes, j + 0.5 - (disc.centreY - top), disc.centreX - left, disc,
                   to.fromTop(j), side);
    });
    progress.reset();
    copyResolution(scan, cut);
    return cut;
}

DibImage cutCover(const DibImage& scan, const FoundObject& cover, const ImageLimits& limits,
                  const ProgressFn& progress) {
    const int width = std::max(1, int(std::lround(cover.width)));
    const int height = std::max(1, int(std::lround(cover.height)));
    const double turn = cover.angleDeg * std::numbers::pi / 180;
    // The cover's own axes on the scan: x along its top edge, y down its left edge.
    const double xAxis[2] = {std::cos(turn), -std::sin(turn)}, yAxis[2] = {std::sin(turn), std::cos(turn)};
    PictureMap map;
    for (int k = 0; k < 2; ++k) {
        map.linear[k][0] = xAxis[k];
        map.linear[k][1] = yAxis[k];
    }
    map.offset[0] = cover.centreX - (xAxis[0] * width + yAxis[0] * height) / 2;
    map.offset[1] = cover.centreY - (xAxis[1] * width + yAxis[1] * height) / 2;
    return warpImage(scan, map, width, height, limits, progress);
}

} // namespace

DibImage cutOutObject(const DibImage& scan, const FoundObject& found, const ImageLimits& limits,
                      const ProgressFn& progress) {
    if (scan.isNull() || !found.found()) return {};
    if (found.kind == FoundKind::Cover) return cutCover(scan, found, limits, progress);
    if (scan.bitCount() == 24 || indicesAreGrey(scan)) return cutDisc(scan, found, limits, progress);
    const DibImage expanded = DepthUpTo(scan, 24, limits);
    return expanded.isNull() ? DibImage() : cutDisc(expanded, found, limits, progress);
}
