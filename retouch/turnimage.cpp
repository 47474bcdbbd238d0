#include "retouch/turnimage.h"

#include "retouch/affinewarp.h"

#include <cmath>
#include <numbers>

namespace {

// Sines and cosines that should be 0 come out of std::sin as 1e-17; a quarter
// turn must give exactly the swapped size.
double cleaned(double value) {
    return std::abs(value) < 1e-12 ? 0.0 : value;
}

} // namespace

CanvasSize turnedCanvas(int width, int height, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::abs(cleaned(std::cos(radians))), s = std::abs(cleaned(std::sin(radians)));
    // A hair of rounding must not add a whole row of white.
    const auto side = [](double length) { return std::max(1, int(std::ceil(length - 1e-6))); };
    return {side(width * c + height * s), side(width * s + height * c)};
}

DibImage turnImage(const DibImage& source, double degrees, const ImageLimits& limits,
                   const ProgressFn& progress) {
    if (source.isNull() || !std::isfinite(degrees)) return {};
    const CanvasSize canvas = turnedCanvas(source.width(), source.height(), degrees);
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = cleaned(std::cos(radians)), s = cleaned(std::sin(radians));
    // With y pointing down, a point q of the turned picture (from its centre)
    // comes from (q.x cos − q.y sin, q.x sin + q.y cos) of the source.
    PictureMap map;
    map.linear[0][0] = c, map.linear[0][1] = -s;
    map.linear[1][0] = s, map.linear[1][1] = c;
    const double fromX = canvas.width / 2.0, fromY = canvas.height / 2.0;
    map.offset[0] = source.width() / 2.0 - (c * fromX - s * fromY);
    map.offset[1] = source.height() / 2.0 - (s * fromX + c * fromY);
    return warpImage(source, map, canvas.width, canvas.height, limits, progress);
}
