#include "retouch/edgeprobe.h"

#include "retouch/matview.h"

#include <algorithm>
#include <cmath>
#include <vector>

EdgeProbe::EdgeProbe(const DibImage& scan, const BedModel& bed, double contrast)
    : rows_(memoryRowsOf(scan)), height_(scan.height()), bed_(bed), contrast_(contrast) {}

double EdgeProbe::distanceAt(double x, double y) const {
    const cv::Point2d at = FlippedRows{height_}.toMat({x, y});
    const int x0 = int(std::floor(at.x)), y0 = int(std::floor(at.y));
    if (x0 < 0 || y0 < 0 || x0 + 1 >= rows_.cols || y0 + 1 >= rows_.rows) return -1;
    const double fx = at.x - x0, fy = at.y - y0;
    const int channels = rows_.channels();
    const uint8_t* lower = rows_.ptr<uint8_t>(y0) + x0 * channels;
    const uint8_t* upper = rows_.ptr<uint8_t>(y0 + 1) + x0 * channels;
    const cv::Vec3d bed = bed_.colourAt(x, y);
    double largest = 0;
    for (int c = 0; c < 3; ++c) {
        const int k = channels == 3 ? c : 0;
        const double value = (1 - fy) * ((1 - fx) * lower[k] + fx * lower[k + channels]) +
                             fy * ((1 - fx) * upper[k] + fx * upper[k + channels]);
        largest = std::max(largest, std::abs(value - bed[c]));
    }
    return largest;
}

std::optional<cv::Point2d> EdgeProbe::edgeFrom(cv::Point2d start, cv::Point2d unit, double length) const {
    const int steps = int(length);
    if (steps < 8) return std::nullopt;
    std::vector<double> profile(std::size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        profile[std::size_t(i)] = distanceAt(start.x + unit.x * i, start.y + unit.y * i);
        if (profile[std::size_t(i)] < 0) return std::nullopt;
    }
    // Smoothed slope: the difference over two steps of the [1 2 1]-smoothed profile.
    const auto smoothed = [&](int i) { return profile[i - 1] + 2 * profile[i] + profile[i + 1]; };
    std::vector<double> slope(profile.size(), 0.0);
    for (int i = 2; i + 2 <= steps; ++i)
        slope[std::size_t(i)] = (smoothed(i + 1) - smoothed(i - 1)) / 8;
    const auto peak = std::max_element(slope.begin(), slope.end());
    const int at = int(peak - slope.begin());
    if (at < 3 || at + 3 > steps) return std::nullopt;
    // The rise across the edge must be a real one, not noise on the bed.
    const double before = (profile[at - 3] + profile[at - 2]) / 2;
    const double after = (profile[at + 2] + profile[at + 3]) / 2;
    if (after - before < contrast_ / 2) return std::nullopt;
    // The summit of a parabola through the slope's peak and its neighbours.
    const double left = slope[at - 1], middle = slope[at], right = slope[at + 1];
    const double curvature = left - 2 * middle + right;
    const double shift = curvature < 0 ? std::clamp(0.5 * (left - right) / curvature, -0.5, 0.5) : 0.0;
    const double t = at + shift;
    return cv::Point2d(start.x + unit.x * t, start.y + unit.y * t);
}
