#pragma once
// Circles and level rectangles fitted to edge points, with the points that lie
// far off (a print near the edge, a speck of dust) left out.
// Internal to the automatic crop.

#include <opencv2/core.hpp>

#include <array>
#include <optional>
#include <vector>

struct FittedCircle {
    cv::Point2d centre;
    double radius = 0;
    double spread = 0; // root mean square distance of the points kept from the circle
    std::size_t kept = 0;
};
// Nothing when fewer than `fewest` points remain.
std::optional<FittedCircle> fitCircle(std::vector<cv::Point2d> points, std::size_t fewest);

// Edge points of the four sides of a rectangle, in the order top, right,
// bottom, left as the rectangle lies when levelled.
using SidePoints = std::array<std::vector<cv::Point2d>, 4>;

struct FittedRectangle {
    cv::Point2d centre;
    double width = 0, height = 0;
    double angleDeg = 0; // counter-clockwise, y pointing down
};
// Nothing when a side keeps fewer than `fewest` points.
std::optional<FittedRectangle> fitRectangle(const SidePoints& sides, std::size_t fewest);
