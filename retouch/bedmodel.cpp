#include "retouch/bedmodel.h"

#include "retouch/matview.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kReducedSide = 1000;

struct BorderSample {
    double x, y; // picture coordinates
    cv::Vec3d colour;
};

// The median colour of a strip of the border, taken across its depth: the
// shadow along the bed's very edge covers less than half of it.
cv::Vec3d medianColour(const cv::Mat& strip) {
    cv::Vec3d result;
    std::vector<uint8_t> values;
    values.reserve(strip.total());
    for (int c = 0; c < 3; ++c) {
        values.clear();
        for (int y = 0; y < strip.rows; ++y)
            for (int x = 0; x < strip.cols; ++x)
                values.push_back(strip.at<cv::Vec3b>(y, x)[c]);
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        result[c] = values[values.size() / 2];
    }
    return result;
}

// Samples every few reduced pixels along all four sides, each the median of
// the border band beside it.
std::vector<BorderSample> borderSamples(const ReducedScan& reduced) {
    const cv::Mat& p = reduced.pixels;
    const int band = std::max(3, int(std::lround(0.06 * std::min(p.cols, p.rows))));
    const int step = std::max(2, band / 3);
    std::vector<BorderSample> samples;
    const auto add = [&](cv::Rect strip) {
        const cv::Point2d middle(strip.x + strip.width / 2.0 - 0.5, strip.y + strip.height / 2.0 - 0.5);
        const cv::Point2d at = reduced.toPicture(middle);
        samples.push_back({at.x, at.y, medianColour(p(strip))});
    };
    for (int x = 0; x + step <= p.cols; x += step) {
        add({x, 0, step, band});
        add({x, p.rows - band, step, band});
    }
    for (int y = band; y + step <= p.rows - band; y += step) {
        add({0, y, band, step});
        add({p.cols - band, y, band, step});
    }
    return samples;
}

std::array<double, 6> terms(double u, double v) {
    return {1, u, v, u * u, u * v, v * v};
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

ReducedScan reduceScan(const DibImage& scan) {
    ReducedScan reduced;
    const cv::Mat rows = memoryRowsOf(scan);
    if (rows.empty()) return reduced;
    const int factor = std::max(1, (std::max(scan.width(), scan.height()) + kReducedSide - 1) / kReducedSide);
    const cv::Size size(scan.width() / factor, scan.height() / factor);
    if (size.area() == 0) return reduced;
    // A whole factor takes OpenCV's fast way of averaging blocks; the last few
    // columns and the bottom rows of the picture (the first memory rows) that
    // make no whole block are left out.
    const cv::Mat whole =
        rows(cv::Rect(0, scan.height() - size.height * factor, size.width * factor, size.height * factor));
    cv::Mat small;
    cv::resize(whole, small, size, 0, 0, cv::INTER_AREA);
    if (small.channels() == 1) cv::cvtColor(small, small, cv::COLOR_GRAY2BGR);
    // The record's rows are bottom-up; the small copy is turned upright.
    cv::flip(small, reduced.pixels, 0);
    reduced.scaleX = reduced.scaleY = factor;
    return reduced;
}

std::optional<BedModel> BedModel::fit(const ReducedScan& reduced) {
    std::vector<BorderSample> samples = borderSamples(reduced);
    if (samples.size() < 12) return std::nullopt;
    BedModel model;
    model.halfWidth_ = reduced.pixels.cols * reduced.scaleX / 2;
    model.halfHeight_ = reduced.pixels.rows * reduced.scaleY / 2;
    std::vector<bool> kept(samples.size(), true);
    // Fit, drop what lies far off (an object over the border, a dark corner), fit again.
    for (int round = 0; round < 3; ++round) {
        cv::Mat a(0, 6, CV_64F), b(0, 3, CV_64F);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            if (!kept[i]) continue;
            const auto t = terms(samples[i].x / model.halfWidth_ - 1, samples[i].y / model.halfHeight_ - 1);
            a.push_back(cv::Mat(1, 6, CV_64F, const_cast<double*>(t.data())).clone());
            b.push_back(
                cv::Mat(cv::Matx13d(samples[i].colour[0], samples[i].colour[1], samples[i].colour[2])));
        }
        if (a.rows < 12) return std::nullopt;
        cv::Mat solution;
        if (!cv::solve(a, b, solution, cv::DECOMP_SVD)) return std::nullopt;
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 6; ++k)
                model.coefficients_[c][k] = solution.at<double>(k, c);
        std::vector<double> residuals(samples.size());
        std::vector<double> keptResiduals;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const cv::Vec3d d = samples[i].colour - model.colourAt(samples[i].x, samples[i].y);
            residuals[i] = std::max({std::abs(d[0]), std::abs(d[1]), std::abs(d[2])});
            if (kept[i]) keptResiduals.push_back(residuals[i]);
        }
        model.noise_ = 1.4826 * median(keptResiduals);
        const double limit = std::max(4.0, 3 * model.noise_);
        for (std::size_t i = 0; i < samples.size(); ++i)
            kept[i] = residuals[i] <= limit;
    }
    return model;
}

cv::Vec3d BedModel::colourAt(double x, double y) const {
    const auto t = terms(x / halfWidth_ - 1, y / halfHeight_ - 1);
    cv::Vec3d colour;
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 6; ++k)
            colour[c] += coefficients_[c][k] * t[k];
    return colour;
}

cv::Mat BedModel::distances(const ReducedScan& reduced) const {
    const cv::Mat& p = reduced.pixels;
    cv::Mat result(p.size(), CV_8UC1);
    for (int y = 0; y < p.rows; ++y) {
        const cv::Vec3b* row = p.ptr<cv::Vec3b>(y);
        uint8_t* out = result.ptr<uint8_t>(y);
        for (int x = 0; x < p.cols; ++x) {
            const cv::Point2d at = reduced.toPicture({double(x), double(y)});
            const cv::Vec3d bed = colourAt(at.x, at.y);
            double largest = 0;
            for (int c = 0; c < 3; ++c)
                largest = std::max(largest, std::abs(row[x][c] - bed[c]));
            out[x] = cv::saturate_cast<uint8_t>(largest);
        }
    }
    return result;
}
