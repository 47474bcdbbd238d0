#include "retouch/autocrop.h"

#include "raster/imageresolution.h"
#include "retouch/colordepth.h"
#include "retouch/matview.h"
#include "retouch/refineoutline.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Levels (of 255) by which an object must differ from the bed in one colour
// channel at least; a white cover on a white lid differs by less.
constexpr double kContrast = 16;
// Sizes in millimetres, when the scan knows its resolution.
constexpr double kDiscDiameters[] = {120, 80};
constexpr double kSizeTolerance = 3;
constexpr double kHoleDiameter = 15;
constexpr double kShortestCoverSide = 118 - kSizeTolerance, kLongestShortSide = 183 + kSizeTolerance,
                 kLongestCoverSide = 273 + kSizeTolerance;
// A cover lies at most this far turned.
constexpr double kSteepestCover = 15;
// The largest scanner bed (A3) with a margin. A picture larger than this at
// the resolution it names is a photo whose "72 dpi" mean nothing.
constexpr double kLargestBedMm[2] = {330, 460};

using std::numbers::pi;

// The smallest object the coarse search keeps, in square pixels: a little
// less than the smallest disc or cover that may be found.
double smallestArea(const DibImage& scan, double perMm) {
    if (perMm > 0) {
        const double radius = (kDiscDiameters[1] / 2 - kSizeTolerance) * perMm;
        return 0.8 * pi * radius * radius;
    }
    const double shorter = std::min(scan.width(), scan.height()) / 6.0;
    return 0.8 * std::min(pi * shorter * shorter, scan.width() * double(scan.height()) / 5);
}

// The scan's resolution where it can be a scanner's; 0 otherwise.
double bedPixelsPerMm(const DibImage& scan) {
    const double perMm = squarePixelsPerMm(scan).value_or(0);
    const double shorter = std::min(scan.width(), scan.height()),
                 longer = std::max(scan.width(), scan.height());
    return perMm > 0 && shorter / perMm <= kLargestBedMm[0] && longer / perMm <= kLargestBedMm[1] ? perMm : 0;
}

bool insidePicture(const DibImage& scan, cv::Point2d point) {
    constexpr double kSlack = 0.5;
    return point.x >= -kSlack && point.y >= -kSlack && point.x <= scan.width() + kSlack &&
           point.y <= scan.height() + kSlack;
}

FoundObject discFrom(const DibImage& scan, const EdgeProbe& probe, const RoughOutline& rough, double scale,
                     double perMm) {
    const double lowest = perMm > 0 ? 5 * perMm : 0.08 * rough.radius;
    const double highest = perMm > 0 ? 10 * perMm : 0.2 * rough.radius;
    const auto disc = refineDisc(probe, rough, scale, {lowest, highest});
    if (!disc) return {};
    const double radius = disc->outer.radius;
    const cv::Point2d centre = disc->outer.centre;
    if (perMm > 0 && std::ranges::none_of(kDiscDiameters, [&](double mm) {
            return std::abs(2 * radius / perMm - mm) <= kSizeTolerance;
        }))
        return {};
    if (perMm <= 0 && 2 * radius < std::min(scan.width(), scan.height()) / 3.0) return {};
    for (double a = 0; a < 2 * pi; a += pi / 2)
        if (!insidePicture(scan, centre + cv::Point2d(std::cos(a), std::sin(a)) * radius)) return {};
    // Every disc has its hole; where its edge does not show, it is where it must be.
    const double hole = disc->holeRadius > 0 ? 2 * disc->holeRadius
                        : perMm > 0          ? kHoleDiameter * perMm
                                             : 2 * radius * kHoleDiameter / kDiscDiameters[0];
    return {FoundKind::Disc, centre.x, centre.y, 2 * radius, 2 * radius, 0, hole, perMm};
}

FoundObject coverFrom(const DibImage& scan, const EdgeProbe& probe, const RoughOutline& rough, double scale,
                      double perMm) {
    if (std::abs(rough.angleDeg) > kSteepestCover + 1) return {};
    const auto box = refineCover(probe, rough, scale);
    if (!box || std::abs(box->angleDeg) > kSteepestCover) return {};
    const double shorter = std::min(box->width, box->height), longer = std::max(box->width, box->height);
    if (perMm > 0 && (shorter / perMm < kShortestCoverSide || shorter / perMm > kLongestShortSide ||
                      longer / perMm > kLongestCoverSide))
        return {};
    if (perMm <= 0 && box->width * box->height < scan.width() * double(scan.height()) / 5) return {};
    const double turn = box->angleDeg * pi / 180;
    const cv::Point2d xAxis(std::cos(turn), -std::sin(turn)), yAxis(std::sin(turn), std::cos(turn));
    for (int corner = 0; corner < 4; ++corner) {
        const double sx = corner & 1 ? 0.5 : -0.5, sy = corner & 2 ? 0.5 : -0.5;
        if (!insidePicture(scan, box->centre + xAxis * (sx * box->width) + yAxis * (sy * box->height)))
            return {};
    }
    return {FoundKind::Cover, box->centre.x, box->centre.y, box->width, box->height, box->angleDeg, 0, perMm};
}

FoundObject lookFor(const DibImage& scan, const DibImage& source, const ProgressFn& progress) {
    const ReducedScan reduced = reduceScan(source);
    if (reduced.pixels.empty()) return {};
    if (progress) progress(50);
    const std::optional<BedModel> bed = BedModel::fit(reduced);
    if (!bed) return {};
    const double perMm = bedPixelsPerMm(scan);
    const auto rough = findRoughOutline(reduced, *bed, {smallestArea(scan, perMm), kContrast});
    if (!rough) return {};
    if (progress) progress(70);
    const EdgeProbe probe(source, *bed, kContrast);
    const double scale = (reduced.scaleX + reduced.scaleY) / 2;
    return rough->shape == RoughOutline::Shape::Round ? discFrom(scan, probe, *rough, scale, perMm)
                                                      : coverFrom(scan, probe, *rough, scale, perMm);
}

// 24-bit and grey images are read as they are; other palettes are expanded.
bool readDirectly(const DibImage& scan) {
    return scan.bitCount() == 24 || indicesAreGrey(scan);
}

} // namespace

FoundObject findObject(const DibImage& scan, const ImageLimits& limits, const ProgressFn& progress) {
    if (progress) progress(0);
    FoundObject found;
    if (!scan.isNull()) {
        const DibImage expanded = readDirectly(scan) ? DibImage() : DepthUpTo(scan, 24, limits);
        const DibImage& source = readDirectly(scan) ? scan : expanded;
        try {
            if (!source.isNull()) found = lookFor(scan, source, progress);
        } catch (const cv::Exception&) {
            found = {};
        }
    }
    if (progress) progress(0);
    return found;
}

QString nothingFoundMessage() {
    return QCoreApplication::translate("AutoCrop", "Auf dem Bild wurde keine CD und kein Cover gefunden.");
}
