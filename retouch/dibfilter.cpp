#include "retouch/dibfilter.h"

#include "retouch/convolverows.h"
#include "retouch/rowaccess.h"
#include "retouch/rowsplit.h"

#include <cstring>

namespace {

constexpr int kBorder = 2;
constexpr std::size_t kBorderBytes = 3 * kBorder;

} // namespace

DibImage makeBorderedCopy(const DibImage& image, const ImageLimits& limits, const ProgressFn& report) {
    const int W = image.width(), H = image.height();
    DibImage work = createImage(W + 2 * kBorder, H + 2 * kBorder, 24, limits);
    if (work.isNull()) return {};
    RowProgress progress(report, H);
    const ConstRows from(image);
    const Rows to(work);
    const std::size_t rowBytes = std::size_t(3) * W;
    for (int y = 0; y < H; ++y) {
        progress.row(y);
        std::memcpy(to.memory(y + kBorder) + kBorderBytes, from.memory(y), rowBytes);
    }
    for (int i = 0; i < kBorder; ++i) {
        std::memcpy(to.memory(i), to.memory(kBorder), to.stride);
        std::memcpy(to.memory(H + kBorder + i), to.memory(H + kBorder - 1), to.stride);
    }
    for (int y = 0; y < H + 2 * kBorder; ++y) {
        uint8_t* row = to.memory(y);
        for (int i = 0; i < kBorder; ++i) {
            std::memcpy(row + 3 * i, row + kBorderBytes, 3);
            std::memcpy(row + 3 * (W + kBorder + i), row + 3 * (W + kBorder - 1), 3);
        }
    }
    return work;
}

void restoreFromBorderedCopy(DibImage& image, const DibImage& workImage, const ProgressFn& report) {
    RowProgress progress(report, image.height());
    const ConstRows from(workImage);
    const Rows to(image);
    const std::size_t rowBytes = std::size_t(3) * image.width();
    for (int y = 0; y < image.height(); ++y) {
        progress.row(y);
        std::memcpy(to.memory(y), from.memory(y + kBorder) + kBorderBytes, rowBytes);
    }
    progress.reset();
}

FilterOutcome DibFilter(DibImage& image, const EffectFilter& filter, DibImage& workImage,
                        const ImageLimits& limits, const ProgressFn& report) {
    RowProgress progress(report, image.height());
    progress.reset();
    if (image.isNull() || image.bitCount() != 24) return FilterOutcome::NotTrueColour;
    workImage = makeBorderedCopy(image, limits, report);
    if (workImage.isNull()) return FilterOutcome::OutOfMemory;

    const RowConvolver convolver(filter);
    const ConstRows window(workImage);
    const Rows to(image);
    const int W = image.width(), H = image.height();
    RowProgress rows(report, H);
    forEachRow(H, int64_t(25) * 3 * W, limits.rowThreads, rows, [&](int y) {
        const uint8_t* windowRows[5];
        for (int r = 0; r < 5; ++r)
            windowRows[r] = window.fromTop(y + r);
        convolver.convolveRow(windowRows, W, to.fromTop(y));
    });
    rows.reset();
    return FilterOutcome::Filtered;
}
