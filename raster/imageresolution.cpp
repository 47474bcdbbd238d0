#include "raster/imageresolution.h"

#include "base/units.h"

#include <cmath>

namespace {

// From a fax at 10 dpi to a film scanner at 20000 dpi; anything else in a
// header is taken as unknown.
constexpr int32_t kLowestPelsPerMeter = 394;
constexpr int32_t kHighestPelsPerMeter = 787402;
constexpr double kMmPerMeter = 1000.0;

bool plausible(int32_t pelsPerMeter) {
    return pelsPerMeter >= kLowestPelsPerMeter && pelsPerMeter <= kHighestPelsPerMeter;
}

std::optional<double> dpiOf(int32_t pelsPerMeter) {
    if (!plausible(pelsPerMeter)) return std::nullopt;
    return pelsPerMeter / kMmPerMeter * units::kMmPerInch;
}

} // namespace

int32_t pelsPerMeterOfDpi(double dpi) {
    if (!std::isfinite(dpi)) return 0;
    const int32_t value = units::nearest32(dpi / units::kMmPerInch * kMmPerMeter);
    return plausible(value) ? value : 0;
}

void setResolutionDpi(DibImage& image, double dpiX, double dpiY) {
    image.header().biXPelsPerMeter = pelsPerMeterOfDpi(dpiX);
    image.header().biYPelsPerMeter = pelsPerMeterOfDpi(dpiY);
}

std::optional<double> resolutionDpiX(const DibImage& image) {
    return dpiOf(image.header().biXPelsPerMeter);
}

std::optional<double> resolutionDpiY(const DibImage& image) {
    return dpiOf(image.header().biYPelsPerMeter);
}

std::optional<double> squarePixelsPerMm(const DibImage& image) {
    const int32_t x = image.header().biXPelsPerMeter, y = image.header().biYPelsPerMeter;
    if (!plausible(x) || !plausible(y) || std::abs(x - y) * 100 > x) return std::nullopt;
    return (x + y) / 2.0 / kMmPerMeter;
}

void copyResolution(const DibImage& source, DibImage& target, bool turned) {
    const BitmapInfoHeader& from = source.header();
    target.header().biXPelsPerMeter = turned ? from.biYPelsPerMeter : from.biXPelsPerMeter;
    target.header().biYPelsPerMeter = turned ? from.biXPelsPerMeter : from.biYPelsPerMeter;
}
