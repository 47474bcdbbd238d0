#pragma once
// What the scanner's bed looks like around an object: a reduced copy of the
// scan, and the bed's colour over the whole picture, fitted to its border.
// Internal to the automatic crop.

#include "raster/dibimage.h"

#include <opencv2/core.hpp>

#include <array>
#include <optional>

// The scan reduced to at most about a thousand pixels on its longer side,
// blue-green-red, rows from the top. Pixel (i, j) of it covers picture pixels
// [i·scale, (i + 1)·scale) across and likewise down.
struct ReducedScan {
    cv::Mat pixels;
    double scaleX = 1, scaleY = 1;
    cv::Point2d toPicture(cv::Point2d reduced) const {
        return {(reduced.x + 0.5) * scaleX, (reduced.y + 0.5) * scaleY};
    }
};
// Null Mat when memory is short; `scan` is 24-bit or 8-bit grey.
ReducedScan reduceScan(const DibImage& scan);

// The bed's colour as a smooth surface (second order in x and y for each
// channel), in picture coordinates of the full scan. A lid brighter at one
// end, or lit from one side, is followed; the shadow along the bed's edges
// and anything lying on the border are left out of the fit.
class BedModel {
  public:
    static std::optional<BedModel> fit(const ReducedScan& reduced);

    cv::Vec3d colourAt(double x, double y) const;
    // How far a pixel of the reduced copy differs from the bed: the largest
    // difference of its three channels.
    cv::Mat distances(const ReducedScan& reduced) const;
    // How much the bed itself scatters around the surface, in levels.
    double noise() const { return noise_; }

  private:
    std::array<std::array<double, 6>, 3> coefficients_{};
    double halfWidth_ = 1, halfHeight_ = 1;
    double noise_ = 0;
};
