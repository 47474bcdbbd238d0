#include "retouch/quarterturns.h"

#include "raster/imageresolution.h"
#include "retouch/rowaccess.h"
#include "retouch/rowsplit.h"

#include <algorithm>
#include <cstring>

namespace {

// Moving one pixel between rows; the target rows start zeroed, so sub-byte
// pixels are merged in with OR.
template <int Bits> struct Pixel;
template <> struct Pixel<1> {
    static void copy(const uint8_t* from, int fromX, uint8_t* to, int toX) {
        const unsigned value = (from[fromX >> 3] >> (7 - (fromX & 7))) & 1u;
        to[toX >> 3] |= uint8_t(value << (7 - (toX & 7)));
    }
};
template <> struct Pixel<4> {
    static void copy(const uint8_t* from, int fromX, uint8_t* to, int toX) {
        const unsigned value = (fromX & 1) ? (from[fromX >> 1] & 0x0Fu) : (from[fromX >> 1] >> 4);
        to[toX >> 1] |= uint8_t((toX & 1) ? value : value << 4);
    }
};
template <> struct Pixel<8> {
    static void copy(const uint8_t* from, int fromX, uint8_t* to, int toX) { to[toX] = from[fromX]; }
};
template <> struct Pixel<24> {
    static void copy(const uint8_t* from, int fromX, uint8_t* to, int toX) {
        std::memcpy(to + 3 * toX, from + 3 * fromX, 3);
    }
};

// Square tiles keep both the source rows read and the target rows written in
// the cache while a turn walks across columns.
constexpr int kTile = 64;

// Turns the band of source rows y0 .. y0 + kTile − 1, pixel by pixel; for the
// sub-byte depths, whose target bytes are shared between bands.
template <int Bits, bool Counterclockwise>
void turnBand(const ConstRows& from, const Rows& to, int W, int H, int y0) {
    const int rows = std::min(kTile, H - y0);
    const uint8_t* band[kTile];
    for (int i = 0; i < rows; ++i)
        band[i] = from.fromTop(y0 + i);
    for (int x0 = 0; x0 < W; x0 += kTile) {
        const int x1 = std::min(W, x0 + kTile);
        for (int x = x0; x < x1; ++x) {
            uint8_t* targetRow = to.fromTop(Counterclockwise ? W - 1 - x : x);
            for (int i = 0; i < rows; ++i) {
                const int y = y0 + i;
                Pixel<Bits>::copy(band[i], x, targetRow, Counterclockwise ? y : H - 1 - y);
            }
        }
    }
}

// Whole-byte pixels: four source rows at a time, so that each source column
// gives four neighbouring target pixels written with one store.
template <int Bytes, bool Counterclockwise>
void turnBandByBlocks(const ConstRows& from, const Rows& to, int W, int H, int y0) {
    const int y1 = std::min(H, y0 + kTile);
    for (int x0 = 0; x0 < W; x0 += kTile) {
        const int x1 = std::min(W, x0 + kTile);
        int y = y0;
        for (; y + 4 <= y1; y += 4) {
            // Target order: rising y for the left turn, falling for the right one.
            const uint8_t* rows[4];
            for (int k = 0; k < 4; ++k)
                rows[k] = from.fromTop(Counterclockwise ? y + k : y + 3 - k);
            const std::size_t at = std::size_t(Bytes) * (Counterclockwise ? y : H - 4 - y);
            for (int x = x0; x < x1; ++x) {
                uint8_t block[4 * Bytes];
                for (int k = 0; k < 4; ++k)
                    for (int b = 0; b < Bytes; ++b)
                        block[Bytes * k + b] = rows[k][Bytes * x + b];
                std::memcpy(to.fromTop(Counterclockwise ? W - 1 - x : x) + at, block, sizeof block);
            }
        }
        for (; y < y1; ++y) {
            const uint8_t* row = from.fromTop(y);
            const std::size_t at = std::size_t(Bytes) * (Counterclockwise ? y : H - 1 - y);
            for (int x = x0; x < x1; ++x)
                std::memcpy(to.fromTop(Counterclockwise ? W - 1 - x : x) + at, row + Bytes * x, Bytes);
        }
    }
}

template <int Bits, bool Counterclockwise>
void turnPixels(const DibImage& source, DibImage& target, int threadLimit, RowProgress& progress) {
    const int W = source.width(), H = source.height();
    const ConstRows from(source);
    const Rows to(target);
    const int bands = (H + kTile - 1) / kTile;
    progress.setRows(bands);
    if constexpr (Bits % 8 == 0) {
        // Bands write disjoint bytes of the target, so they may run side by side.
        forEachRow(bands, int64_t(kTile) * source.stride(), threadLimit, progress, [&](int band) {
            turnBandByBlocks<Bits / 8, Counterclockwise>(from, to, W, H, band * kTile);
        });
    } else {
        for (int band = 0; band < bands; ++band) {
            progress.row(band);
            turnBand<Bits, Counterclockwise>(from, to, W, H, band * kTile);
        }
    }
}

template <int Bits>
void mirrorRows(const DibImage& source, DibImage& target, int threadLimit, RowProgress& progress) {
    const int W = source.width(), H = source.height();
    const ConstRows from(source);
    const Rows to(target);
    auto mirrorRow = [&](int y) {
        const uint8_t* sourceRow = from.fromTop(y);
        uint8_t* targetRow = to.fromTop(y);
        if constexpr (Bits == 8) {
            std::reverse_copy(sourceRow, sourceRow + W, targetRow);
        } else {
            for (int x = 0; x < W; ++x)
                Pixel<Bits>::copy(sourceRow, W - 1 - x, targetRow, x);
        }
    };
    if constexpr (Bits % 8 == 0) {
        forEachRow(H, source.stride(), threadLimit, progress, mirrorRow);
    } else {
        for (int y = 0; y < H; ++y) {
            progress.row(y);
            mirrorRow(y);
        }
    }
}

template <template <int> class Work>
bool byBitCount(const DibImage& source, DibImage& target, int threadLimit, RowProgress& p) {
    switch (source.bitCount()) {
    case 1:
        return Work<1>::run(source, target, threadLimit, p), true;
    case 4:
        return Work<4>::run(source, target, threadLimit, p), true;
    case 8:
        return Work<8>::run(source, target, threadLimit, p), true;
    case 24:
        return Work<24>::run(source, target, threadLimit, p), true;
    }
    return false;
}

template <int Bits> struct TurnLeft {
    static void run(const DibImage& s, DibImage& t, int threads, RowProgress& p) {
        turnPixels<Bits, true>(s, t, threads, p);
    }
};
template <int Bits> struct TurnRight {
    static void run(const DibImage& s, DibImage& t, int threads, RowProgress& p) {
        turnPixels<Bits, false>(s, t, threads, p);
    }
};
template <int Bits> struct MirrorLeftRight {
    static void run(const DibImage& s, DibImage& t, int threads, RowProgress& p) {
        mirrorRows<Bits>(s, t, threads, p);
    }
};

// The frame all four share: the new image with the source's colours and
// resolution (across and down exchanged by a turn), filled, or null (with the bar back at 0) when it cannot
// be made.
template <typename Fill>
DibImage transformed(const DibImage& source, bool turn, const ImageLimits& limits, const ProgressFn& report,
                     Fill fill) {
    const int width = turn ? source.height() : source.width();
    const int height = turn ? source.width() : source.height();
    RowProgress progress(report, source.height());
    progress.reset();
    if (source.isNull()) return {};
    DibImage target =
        createImage(width, height, source.bitCount(), source.colors().data(), source.paletteSize(), limits);
    if (!target.isNull() && !fill(source, target, limits.rowThreads, progress)) target = DibImage();
    if (!target.isNull()) copyResolution(source, target, turn);
    progress.reset();
    return target;
}

} // namespace

DibImage rotateLeft(const DibImage& source, const ImageLimits& limits, const ProgressFn& progress) {
    return transformed(source, true, limits, progress, byBitCount<TurnLeft>);
}

DibImage rotateRight(const DibImage& source, const ImageLimits& limits, const ProgressFn& progress) {
    return transformed(source, true, limits, progress, byBitCount<TurnRight>);
}

DibImage mirrorLeftRight(const DibImage& source, const ImageLimits& limits, const ProgressFn& progress) {
    return transformed(source, false, limits, progress, byBitCount<MirrorLeftRight>);
}

DibImage mirrorTopBottom(const DibImage& source, const ImageLimits& limits, const ProgressFn& progress) {
    return transformed(source, false, limits, progress,
                       [](const DibImage& s, DibImage& t, int, RowProgress& p) {
                           const ConstRows from(s);
                           const Rows to(t);
                           for (int e = 0; e < s.height(); ++e) {
                               p.row(e);
                               std::memcpy(to.memory(s.height() - 1 - e), from.memory(e), from.stride);
                           }
                           return true;
                       });
}
