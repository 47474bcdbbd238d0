#include "retouch/affinewarp.h"

#include "raster/imageresolution.h"
#include "retouch/colordepth.h"
#include "retouch/matview.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <climits>

namespace {

// OpenCV's interpolation keeps source coordinates in 16 bits.
constexpr int kLargestSource = SHRT_MAX - 1;
// Bands of new rows drawn one after another, so the status bar can follow.
constexpr int kBands = 32;

cv::Matx33d asMatrix(const PictureMap& map) {
    return {map.linear[0][0],
            map.linear[0][1],
            map.offset[0],
            map.linear[1][0],
            map.linear[1][1],
            map.offset[1],
            0,
            0,
            1};
}

// Draws into `target` (same depth as `source`, both 24-bit or grey 8-bit).
void drawThrough(const DibImage& source, const PictureMap& map, DibImage& target, const ProgressFn& report) {
    const cv::Mat from = memoryRowsOf(source);
    cv::Mat to = memoryRowsOf(target);
    // New memory rows → new picture → source picture → source memory rows.
    const cv::Matx33d whole = FlippedRows{source.height()}.pictureToMat() * asMatrix(map) *
                              FlippedRows{target.height()}.matToPicture();
    const cv::Scalar white = cv::Scalar::all(255);
    RowProgress progress(report, kBands);
    const int rows = target.height();
    for (int band = 0; band < kBands; ++band) {
        const int first = int(int64_t(rows) * band / kBands), end = int(int64_t(rows) * (band + 1) / kBands);
        if (first == end) continue;
        progress.row(band);
        // The band's own row 0 is memory row `first`.
        const cv::Matx33d shifted = whole * cv::Matx33d(1, 0, 0, 0, 1, first, 0, 0, 1);
        const cv::Matx23d inverse(shifted(0, 0), shifted(0, 1), shifted(0, 2), shifted(1, 0), shifted(1, 1),
                                  shifted(1, 2));
        cv::Mat bandRows = to.rowRange(first, end);
        cv::warpAffine(from, bandRows, inverse, bandRows.size(), cv::INTER_CUBIC | cv::WARP_INVERSE_MAP,
                       cv::BORDER_CONSTANT, white);
    }
    progress.reset();
}

} // namespace

DibImage warpImage(const DibImage& source, const PictureMap& map, int width, int height,
                   const ImageLimits& limits, const ProgressFn& progress) {
    if (source.isNull() || width <= 0 || height <= 0 || source.width() > kLargestSource ||
        source.height() > kLargestSource)
        return {};
    const bool direct = source.bitCount() == 24 || indicesAreGrey(source);
    const DibImage expanded = direct ? DibImage() : DepthUpTo(source, 24, limits);
    if (!direct && expanded.isNull()) return {};
    const DibImage& from = direct ? source : expanded;
    DibImage target =
        createImage(width, height, from.bitCount(), from.colors().data(), from.paletteSize(), limits);
    if (target.isNull()) return {};
    try {
        drawThrough(from, map, target, progress);
    } catch (const cv::Exception&) {
        return {};
    }
    copyResolution(source, target);
    return target;
}
