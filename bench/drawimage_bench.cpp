// Repainting a view of a 3000 × 3000 scan: drawImage into a 1000 × 800
// visible area at 10 %, 100 % and 500 %, beside QPainter::drawImage of the same
// scaled region with fast transformation. Then large palette images: 1, 4 and
// 8 bits at 20000 × 15000 side by side, and a 40000 × 30000 one-bit line art,
// each repainted in the same view; and the view on a screen with a scale factor.

#include "raster/drawimage.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>

namespace {

const DibImage& scan() {
    static DibImage image = [] {
        DibImage made = createImage(3000, 3000, 24);
        uint8_t* p = made.pixels();
        for (std::size_t i = 0; i < made.sizeImage(); ++i)
            p[i] = uint8_t(i * 7 + i / 9001);
        return made;
    }();
    return image;
}

// A palette image with a pattern in every row, so that no two rows are alike.
DibImage largePaletteImage(int width, int height, int bits) {
    DibImage made = createImage(width, height, bits);
    uint8_t* p = made.pixels();
    for (std::size_t i = 0; i < made.sizeImage(); ++i)
        p[i] = uint8_t(i * 13 + i / 7919);
    return made;
}

// Made on first use and kept: width × (3/4 width) at `bits`.
const DibImage& paletteImage(int bits, int width) {
    static std::map<std::pair<int, int>, DibImage> images;
    DibImage& image = images[{bits, width}];
    if (image.isNull()) image = largePaletteImage(width, width / 4 * 3, bits);
    return image;
}

// The view: a 1000 × 800 window onto the middle of the zoomed image.
QRect destinationFor(int zoom, QSize image = {3000, 3000}) {
    const int width = int(int64_t(image.width()) * zoom / 100);
    const int height = int(int64_t(image.height()) * zoom / 100);
    return {-(width - 1000) / 2, -(height - 800) / 2, width, height};
}

void BM_StretchDrawDib(benchmark::State& state) {
    const int zoom = int(state.range(0));
    QImage view(1000, 800, QImage::Format_RGB32);
    const QRect dest = destinationFor(zoom);
    StderrMessages messages;
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setClipRect(view.rect());
        drawWholeDib(painter, DrawContext{messages}, dest, scan(), true);
    }
}

void BM_QPainterDrawImage(benchmark::State& state) {
    const int zoom = int(state.range(0));
    QImage view(1000, 800, QImage::Format_RGB32);
    const QImage& picture = scan().asQImage();
    const QRect dest = destinationFor(zoom);
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(dest, picture);
    }
}

// Arguments: bits, image width (20000 or 40000), zoom.
void BM_StretchDrawPalette(benchmark::State& state) {
    const DibImage& image = paletteImage(int(state.range(0)), int(state.range(1)));
    QImage view(1000, 800, QImage::Format_RGB32);
    const QRect dest = destinationFor(int(state.range(2)), QSize(image.width(), image.height()));
    StderrMessages messages;
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setClipRect(view.rect());
        drawWholeDib(painter, DrawContext{messages}, dest, image, true);
    }
}

// The 3000 × 3000 scan in the same 1000 × 800 logical view on a screen with a
// scale factor of range(0) / 100: the picture is computed for every device pixel.
void BM_StretchDrawScaledScreen(benchmark::State& state) {
    const qreal ratio = state.range(0) / 100.0;
    QImage view(QSize(qRound(1000 * ratio), qRound(800 * ratio)), QImage::Format_RGB32);
    view.setDevicePixelRatio(ratio);
    const QRect dest = destinationFor(100);
    StderrMessages messages;
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setClipRect(QRect(0, 0, 1000, 800));
        drawWholeDib(painter, DrawContext{messages}, dest, scan(), true);
    }
}

} // namespace

BENCHMARK(BM_StretchDrawDib)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterDrawImage)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchDrawPalette)
    ->ArgsProduct({{8, 4, 1}, {20000}, {10, 100}})
    ->Args({1, 40000, 10})
    ->Args({1, 40000, 100})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchDrawScaledScreen)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);
