#include "paper/placement.h"

#include "base/units.h"

#include <algorithm>
#include <cmath>

namespace {

// A saturated shift of INT32_MIN has no 32-bit negation.
int32_t negated(int32_t shift) {
    return shift == INT32_MIN ? INT32_MAX : -shift;
}

} // namespace

ImagePlacement placeImage(int imageWidth, int imageHeight, const PlacementValues& values,
                          const PlacementDevice& device, double ImagePixelSize) {
    ImagePlacement placement;
    placement.imgW = units::trunc32(double(int64_t(values.widthPercent) * device.LabelPx / 100));
    // A device pixel is not square when the axes differ in resolution or in
    // their calibration: the picture's height then follows the vertical ones.
    const double heightPerWidth = (device.dpiY * device.kY) / (device.dpiX * device.kX);
    if (imageWidth > 0) {
        if (heightPerWidth == 1) {
            // The product is taken in 64 bits: where 32 bits suffice the result
            // is the same, and a printer-sized label times a tall image cannot
            // wrap into a negative height.
            const int64_t product = int64_t(placement.imgW) * imageHeight;
            placement.imgH = units::trunc32(double(product / imageWidth));
        } else {
            placement.imgH =
                units::trunc32(double(placement.imgW) * imageHeight / imageWidth * heightPerWidth);
        }
        if (ImagePixelSize > 0) placement.Scale = placement.imgW / (double(imageWidth) * ImagePixelSize);
    }
    placement.ScaleY = placement.Scale * (std::isfinite(heightPerWidth) ? heightPerWidth : 1);
    placement.shiftX = units::trunc32(values.shiftRightMm * device.dpiX / units::kMmPerInch * device.kX);
    placement.shiftY = units::trunc32(values.shiftDownMm * device.dpiY / units::kMmPerInch * device.kY);
    placement.OffsetX = negated(placement.shiftX);
    placement.OffsetY = negated(placement.shiftY);
    return placement;
}

QSize placementViewSize(double LabelWidth, double LabelHeight, int zoomPercent, double dpi) {
    // Formats read from a file may hold negative sizes; a view cannot.
    return {std::max(0, units::trunc32(zoomPercent * (dpi * LabelWidth / units::kMmPerInch) / 100)),
            std::max(0, units::trunc32(zoomPercent * (dpi * LabelHeight / units::kMmPerInch) / 100))};
}
