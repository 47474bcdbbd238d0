#include "retouch/shapefit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Points further than this from the fit are dropped: three robust standard
// deviations, but never less than a pixel.
double keepWithin(const std::vector<double>& residuals) {
    std::vector<double> sizes;
    for (double r : residuals)
        sizes.push_back(std::abs(r));
    return std::max(1.0, 3 * 1.4826 * median(sizes));
}

// The algebraic circle through the points: x² + y² + d·x + e·y + f = 0 in the
// least squares sense.
std::optional<FittedCircle> algebraicCircle(const std::vector<cv::Point2d>& points) {
    cv::Mat a(int(points.size()), 3, CV_64F), b(int(points.size()), 1, CV_64F);
    for (int i = 0; i < a.rows; ++i) {
        const cv::Point2d& p = points[std::size_t(i)];
        a.at<double>(i, 0) = p.x, a.at<double>(i, 1) = p.y, a.at<double>(i, 2) = 1;
        b.at<double>(i) = -(p.x * p.x + p.y * p.y);
    }
    cv::Mat s;
    if (!cv::solve(a, b, s, cv::DECOMP_SVD)) return std::nullopt;
    FittedCircle circle;
    circle.centre = {-s.at<double>(0) / 2, -s.at<double>(1) / 2};
    const double squared = circle.centre.dot(circle.centre) - s.at<double>(2);
    if (!(squared > 0)) return std::nullopt;
    circle.radius = std::sqrt(squared);
    return circle;
}

// The direction of a side's points (unit vector) through their centroid.
cv::Point2d principalDirection(const std::vector<cv::Point2d>& points, cv::Point2d& centroid) {
    centroid = {};
    for (const cv::Point2d& p : points)
        centroid += p;
    centroid *= 1.0 / double(points.size());
    double xx = 0, xy = 0, yy = 0;
    for (const cv::Point2d& p : points) {
        const cv::Point2d d = p - centroid;
        xx += d.x * d.x, xy += d.x * d.y, yy += d.y * d.y;
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    return {std::cos(angle), std::sin(angle)};
}

// Drops the points of a side that lie far off its straight line.
std::vector<cv::Point2d> straightPart(std::vector<cv::Point2d> points) {
    for (int round = 0; round < 2 && points.size() >= 3; ++round) {
        cv::Point2d centroid;
        const cv::Point2d along = principalDirection(points, centroid);
        const cv::Point2d across(-along.y, along.x);
        std::vector<double> residuals;
        for (const cv::Point2d& p : points)
            residuals.push_back((p - centroid).dot(across));
        const double limit = keepWithin(residuals);
        std::vector<cv::Point2d> kept;
        for (std::size_t i = 0; i < points.size(); ++i)
            if (std::abs(residuals[i]) <= limit) kept.push_back(points[i]);
        points = std::move(kept);
    }
    return points;
}

} // namespace

std::optional<FittedCircle> fitCircle(std::vector<cv::Point2d> points, std::size_t fewest) {
    std::optional<FittedCircle> circle;
    for (int round = 0; round < 3; ++round) {
        if (points.size() < std::max<std::size_t>(fewest, 3)) return std::nullopt;
        circle = algebraicCircle(points);
        if (!circle) return std::nullopt;
        std::vector<double> residuals;
        for (const cv::Point2d& p : points)
            residuals.push_back(cv::norm(p - circle->centre) - circle->radius);
        const double limit = keepWithin(residuals);
        std::vector<cv::Point2d> kept;
        double squares = 0;
        for (std::size_t i = 0; i < points.size(); ++i)
            if (std::abs(residuals[i]) <= limit)
                kept.push_back(points[i]), squares += residuals[i] * residuals[i];
        circle->kept = kept.size();
        circle->spread = kept.empty() ? 0 : std::sqrt(squares / double(kept.size()));
        points = std::move(kept);
    }
    if (circle && circle->kept < fewest) return std::nullopt;
    return circle;
}

std::optional<FittedRectangle> fitRectangle(const SidePoints& sides, std::size_t fewest) {
    SidePoints straight;
    // The turn of each side, counted as the turn of the rectangle, weighted by its points.
    double turnSum = 0, weightSum = 0;
    for (int side = 0; side < 4; ++side) {
        straight[side] = straightPart(sides[side]);
        if (straight[side].size() < std::max<std::size_t>(fewest, 3)) return std::nullopt;
        cv::Point2d centroid;
        cv::Point2d along = principalDirection(straight[side], centroid);
        // Top and bottom run along x, left and right along y: turned back by a
        // quarter the latter also give the rectangle's turn.
        if (side % 2 == 1) along = {along.y, -along.x};
        if (along.x < 0) along = -along;
        const double weight = double(straight[side].size());
        turnSum += -std::atan2(along.y, along.x) * weight;
        weightSum += weight;
    }
    const double turn = turnSum / weightSum;
    // The rectangle's own axes on the picture (y down, counter-clockwise turn).
    const cv::Point2d xAxis(std::cos(turn), -std::sin(turn)), yAxis(std::sin(turn), std::cos(turn));
    // Where each side lies along its axis: the mean over its points.
    double position[4];
    for (int side = 0; side < 4; ++side) {
        const cv::Point2d& axis = side % 2 == 0 ? yAxis : xAxis;
        double sum = 0;
        for (const cv::Point2d& p : straight[side])
            sum += p.dot(axis);
        position[side] = sum / double(straight[side].size());
    }
    FittedRectangle rectangle;
    rectangle.width = position[1] - position[3];
    rectangle.height = position[2] - position[0];
    if (!(rectangle.width > 0 && rectangle.height > 0)) return std::nullopt;
    rectangle.centre = xAxis * ((position[1] + position[3]) / 2) + yAxis * ((position[0] + position[2]) / 2);
    rectangle.angleDeg = turn * 180 / std::numbers::pi;
    return rectangle;
}
