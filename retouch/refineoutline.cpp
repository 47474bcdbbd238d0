#include "retouch/refineoutline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRays = 360;
// Share of the rays or of a side's probes that must find the edge.
constexpr double kFoundShare = 0.5;

cv::Point2d direction(double radians) {
    return {std::cos(radians), std::sin(radians)};
}

// The edge points around a circle of about `radius`, each searched from
// `reach` outside it inwards.
std::vector<cv::Point2d> rimPoints(const EdgeProbe& probe, cv::Point2d centre, double radius, double reach) {
    std::vector<cv::Point2d> points;
    for (int ray = 0; ray < kRays; ++ray) {
        const cv::Point2d out = direction(2 * std::numbers::pi * ray / kRays);
        if (auto edge = probe.edgeFrom(centre + out * (radius + reach), -out, 2 * reach))
            points.push_back(*edge);
    }
    return points;
}

// The hole shows the bed: its edge is found from the middle outwards.
double holeRadius(const EdgeProbe& probe, cv::Point2d centre, std::pair<double, double> search) {
    std::vector<cv::Point2d> points;
    for (int ray = 0; ray < kRays; ++ray) {
        const cv::Point2d out = direction(2 * std::numbers::pi * ray / kRays);
        if (auto edge = probe.edgeFrom(centre + out * search.first, out, search.second - search.first))
            points.push_back(*edge);
    }
    const auto hole = fitCircle(points, std::size_t(kRays * kFoundShare));
    // A hole off the disc's centre is some print, not the hole.
    if (!hole || cv::norm(hole->centre - centre) > 0.1 * hole->radius) return 0;
    return hole->radius;
}

// Probes along a side of half length `halfAlong`, one every few pixels.
int probesAlong(double halfAlong) {
    return std::clamp(int(halfAlong / 3), 8, 200);
}

// Probes across each side of the rectangle, from `reach` outside it inwards.
SidePoints sidePoints(const EdgeProbe& probe, const FittedRectangle& box, double reach) {
    const double turn = box.angleDeg * std::numbers::pi / 180;
    const cv::Point2d xAxis(std::cos(turn), -std::sin(turn)), yAxis(std::sin(turn), std::cos(turn));
    // Outward normals of top, right, bottom, left, and half the length of each side.
    const cv::Point2d outward[4] = {-yAxis, xAxis, yAxis, -xAxis};
    const double halfAcross[4] = {box.height / 2, box.width / 2, box.height / 2, box.width / 2};
    const double halfAlong[4] = {box.width / 2, box.height / 2, box.width / 2, box.height / 2};
    SidePoints sides;
    for (int side = 0; side < 4; ++side) {
        const cv::Point2d along(-outward[side].y, outward[side].x);
        const int probes = probesAlong(halfAlong[side]);
        for (int i = 0; i < probes; ++i) {
            // Corners are left out: there two edges meet.
            const double offset = (-0.85 + 1.7 * i / (probes - 1)) * halfAlong[side];
            const cv::Point2d start =
                box.centre + outward[side] * (halfAcross[side] + reach) + along * offset;
            if (auto edge = probe.edgeFrom(start, -outward[side], 2 * reach)) sides[side].push_back(*edge);
        }
    }
    return sides;
}

} // namespace

std::optional<RefinedDisc> refineDisc(const EdgeProbe& probe, const RoughOutline& rough, double pixelScale,
                                      std::pair<double, double> holeSearch) {
    const std::size_t fewest = std::size_t(kRays * kFoundShare);
    auto outer = fitCircle(rimPoints(probe, rough.centre, rough.radius, 3 * pixelScale + 4), fewest);
    if (!outer) return std::nullopt;
    // Once more from the better circle, closer in.
    outer = fitCircle(rimPoints(probe, outer->centre, outer->radius, pixelScale + 4), fewest);
    if (!outer || cv::norm(outer->centre - rough.centre) > 3 * pixelScale + 4) return std::nullopt;
    return RefinedDisc{*outer, holeRadius(probe, outer->centre, holeSearch)};
}

std::optional<FittedRectangle> refineCover(const EdgeProbe& probe, const RoughOutline& rough,
                                           double pixelScale) {
    FittedRectangle box{rough.centre, rough.width, rough.height, rough.angleDeg};
    // The coarse turn may be half a degree off: the first probes reach far
    // enough for the corners of a long side.
    const double firstReach = 3 * pixelScale + 4 + std::max(box.width, box.height) * 0.01;
    for (double reach : {firstReach, pixelScale + 4}) {
        const SidePoints sides = sidePoints(probe, box, reach);
        for (int side = 0; side < 4; ++side) {
            const double halfAlong = (side % 2 == 0 ? box.width : box.height) / 2;
            if (double(sides[side].size()) < kFoundShare * probesAlong(halfAlong)) return std::nullopt;
        }
        const auto fitted = fitRectangle(sides, std::size_t(kFoundShare * probesAlong(0)));
        if (!fitted) return std::nullopt;
        box = *fitted;
    }
    if (cv::norm(box.centre - rough.centre) > 3 * pixelScale + 4) return std::nullopt;
    return box;
}
