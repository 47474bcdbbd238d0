// Repainting a view of a 3000 × 3000 scan: StretchDrawDib into a 1000 × 800
// visible area at 10 %, 100 % and 500 %, beside QPainter::drawImage of the same
// scaled region with fast transformation.

#include "raster/stretchdraw.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const DibImage& scan() {
    static DibImage image = [] {
        DibImage made = newdib(3000, 3000, 24);
        uint8_t* p = made.pixels();
        for (std::size_t i = 0; i < made.sizeImage(); ++i) p[i] = uint8_t(i * 7 + i / 9001);
        return made;
    }();
    return image;
}

// The view: a 1000 × 800 window onto the middle of the zoomed image.
QRect destinationFor(int zoom) {
    const int size = 3000 * zoom / 100;
    return {-(size - 1000) / 2, -(size - 800) / 2, size, size};
}

void BM_StretchDrawDib(benchmark::State& state) {
    const int zoom = int(state.range(0));
    QImage view(1000, 800, QImage::Format_RGB32);
    const QRect dest = destinationFor(zoom);
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setClipRect(view.rect());
        drawWholeDib(painter, dest, scan(), true);
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

} // namespace

BENCHMARK(BM_StretchDrawDib)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterDrawImage)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
