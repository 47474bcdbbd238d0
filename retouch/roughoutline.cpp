#include "retouch/roughoutline.h"

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// A round outline fills this much of its smallest enclosing circle (a square: 0.64).
constexpr double kRoundFill = 0.85;
// A four-sided one this much of its smallest rectangle (a disc: 0.79).
constexpr double kFourSidedFill = 0.88;
// Something touching the edge counts as an object cut off when it fills at
// least this much of its bounding box; the shadow along the edges does not.
constexpr double kCutOffFill = 0.4;

cv::Mat objectMask(const ReducedScan& reduced, const BedModel& bed, double contrast) {
    cv::Mat mask;
    cv::threshold(bed.distances(reduced), mask, std::max(contrast, 5 * bed.noise()), 255, cv::THRESH_BINARY);
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, {3, 3}));
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_ELLIPSE, {7, 7}));
    return mask;
}

bool touchesEdge(const cv::Rect& box, const cv::Size& size) {
    return box.x <= 0 || box.y <= 0 || box.x + box.width >= size.width || box.y + box.height >= size.height;
}

// The outline around component `label`, its holes filled.
std::vector<cv::Point> outlineOf(const cv::Mat& labels, int label, const cv::Rect& box) {
    const cv::Rect grown =
        (box + cv::Size(2, 2) - cv::Point(1, 1)) & cv::Rect(0, 0, labels.cols, labels.rows);
    cv::Mat component = labels(grown) == label;
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(component, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, grown.tl());
    std::size_t largest = 0;
    for (std::size_t i = 1; i < contours.size(); ++i)
        if (cv::contourArea(contours[i]) > cv::contourArea(contours[largest])) largest = i;
    return contours.empty() ? std::vector<cv::Point>{} : contours[largest];
}

cv::Point2d toPicture(const ReducedScan& reduced, cv::Point2f point) {
    // Contour points are pixel centres of the reduced copy.
    return reduced.toPicture({point.x, point.y});
}

std::optional<RoughOutline> roundOutline(const ReducedScan& reduced, const std::vector<cv::Point>& outline,
                                         double area) {
    cv::Point2f centre;
    float radius = 0;
    cv::minEnclosingCircle(outline, centre, radius);
    // The enclosing circle runs through pixel centres: half a pixel more reaches the edge.
    const double r = radius + 0.5;
    if (area / (std::numbers::pi * r * r) < kRoundFill) return std::nullopt;
    RoughOutline found;
    found.shape = RoughOutline::Shape::Round;
    found.centre = toPicture(reduced, centre);
    found.radius = r * (reduced.scaleX + reduced.scaleY) / 2;
    return found;
}

std::optional<RoughOutline> fourSidedOutline(const ReducedScan& reduced,
                                             const std::vector<cv::Point>& outline, double area) {
    const cv::RotatedRect box = cv::minAreaRect(outline);
    const double boxArea = double(box.size.width + 1) * double(box.size.height + 1);
    std::vector<cv::Point> hull, corners;
    cv::convexHull(outline, hull);
    cv::approxPolyDP(hull, corners, 0.02 * cv::arcLength(hull, true), true);
    if (area / boxArea < kFourSidedFill || corners.size() != 4) return std::nullopt;
    cv::Point2f points[4];
    box.points(points);
    // The edge from points[0] to points[1] and the one after it; the one
    // nearer to level is the width.
    cv::Point2d first = toPicture(reduced, points[1]) - toPicture(reduced, points[0]);
    cv::Point2d second = toPicture(reduced, points[2]) - toPicture(reduced, points[1]);
    if (std::abs(first.y) > std::abs(first.x)) std::swap(first, second);
    if (first.x < 0) first = -first;
    RoughOutline found;
    found.shape = RoughOutline::Shape::FourSided;
    found.centre = toPicture(reduced, box.center);
    const double pad = (reduced.scaleX + reduced.scaleY) / 2; // from pixel centres to edges
    found.width = std::hypot(first.x, first.y) + pad;
    found.height = std::hypot(second.x, second.y) + pad;
    // y points down: a side rising to the right is turned counter-clockwise.
    found.angleDeg = -std::atan2(first.y, first.x) * 180 / std::numbers::pi;
    return found;
}

} // namespace

std::optional<RoughOutline> findRoughOutline(const ReducedScan& reduced, const BedModel& bed,
                                             const OutlineLimits& limits) {
    const cv::Mat mask = objectMask(reduced, bed, limits.contrast);
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
    const double pixelArea = reduced.scaleX * reduced.scaleY;
    const double smallest = limits.smallestArea / pixelArea;
    int best = 0, bestArea = 0, largestCutOff = 0;
    for (int label = 1; label < count; ++label) {
        const int area = stats.at<int>(label, cv::CC_STAT_AREA);
        const cv::Rect box(stats.at<int>(label, cv::CC_STAT_LEFT), stats.at<int>(label, cv::CC_STAT_TOP),
                           stats.at<int>(label, cv::CC_STAT_WIDTH), stats.at<int>(label, cv::CC_STAT_HEIGHT));
        if (!touchesEdge(box, mask.size())) {
            if (area > bestArea) best = label, bestArea = area;
        } else if (area >= smallest / 2 && area >= kCutOffFill * box.area()) {
            largestCutOff = std::max(largestCutOff, area);
        }
    }
    // An object cut off by the edge, larger than whatever else lies there,
    // is what the user wanted: no cut rather than a wrong one.
    if (best == 0 || largestCutOff >= bestArea) return std::nullopt;
    const cv::Rect box(stats.at<int>(best, cv::CC_STAT_LEFT), stats.at<int>(best, cv::CC_STAT_TOP),
                       stats.at<int>(best, cv::CC_STAT_WIDTH), stats.at<int>(best, cv::CC_STAT_HEIGHT));
    const std::vector<cv::Point> outline = outlineOf(labels, best, box);
    if (outline.size() < 8) return std::nullopt;
    // The area inside the outline, holes and all; the outline runs through pixel centres.
    const double area = cv::contourArea(outline) + cv::arcLength(outline, true) / 2;
    if (area < smallest) return std::nullopt;
    if (auto round = roundOutline(reduced, outline, area)) return round;
    return fourSidedOutline(reduced, outline, area);
}
