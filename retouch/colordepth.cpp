#include "retouch/colordepth.h"

#include "raster/imageresolution.h"
#include "retouch/rowaccess.h"
#include "retouch/rowsplit.h"

#include <array>

namespace {

// The palette index of pixel x of a row.
template <int Bits> unsigned indexAt(const uint8_t* row, int x) {
    if constexpr (Bits == 8) return row[x];
    if constexpr (Bits == 4) return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    return (row[x >> 3] >> (7 - (x & 7))) & 1u;
}

template <int Bits>
void expandRows(const DibImage& source, DibImage& target, int threadLimit, RowProgress& progress) {
    // Blue, green and red of every possible index.
    std::array<std::array<uint8_t, 3>, 256> bgr{};
    const auto colours = source.colors();
    for (std::size_t i = 0; i < colours.size(); ++i)
        bgr[i] = {colours[i].blue, colours[i].green, colours[i].red};
    const ConstRows from(source);
    const Rows to(target);
    const int W = source.width();
    forEachRow(source.height(), int64_t(3) * W, threadLimit, progress, [&](int row) {
        const uint8_t* indices = from.memory(row);
        uint8_t* pixel = to.memory(row);
        for (int x = 0; x < W; ++x, pixel += 3) {
            const auto& colour = bgr[indexAt<Bits>(indices, x)];
            pixel[0] = colour[0];
            pixel[1] = colour[1];
            pixel[2] = colour[2];
        }
    });
}

} // namespace

DibImage DepthUpTo(const DibImage& source, int bits, const ImageLimits& limits, const ProgressFn& report) {
    RowProgress progress(report, source.height());
    progress.reset();
    if (bits != 24 || source.isNull() || !source.hasPalette()) return {};
    DibImage target = createImage(source.width(), source.height(), 24, limits);
    if (!target.isNull()) {
        copyResolution(source, target);
        switch (source.bitCount()) {
        case 1:
            expandRows<1>(source, target, limits.rowThreads, progress);
            break;
        case 4:
            expandRows<4>(source, target, limits.rowThreads, progress);
            break;
        case 8:
            expandRows<8>(source, target, limits.rowThreads, progress);
            break;
        }
    }
    progress.reset();
    return target;
}
