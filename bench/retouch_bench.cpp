// The retouch operations on a 3000 × 3000 scan, 24-bit and (where the
// operation works on pixels of any depth) 8-bit. bench/compare-imagemagick.sh
// runs ImageMagick on the same picture and prints the ratios.

#include "retouch/cropimage.h"
#include "retouch/dibfilter.h"
#include "retouch/quarterturns.h"
#include "retouch/tones.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kSide = 3000;

// A noisy picture: smooth gradients would let caches and branch predictors look
// better than on a real scan.
const DibImage& scan(int bits) {
    static DibImage images[2];
    DibImage& image = images[bits == 24 ? 0 : 1];
    if (image.isNull()) {
        image = createImage(kSide, kSide, bits);
        std::mt19937 random(42);
        uint8_t* p = image.pixels();
        for (std::size_t i = 0; i < image.sizeImage(); ++i)
            p[i] = uint8_t(random());
    }
    return image;
}

int bitsOf(const benchmark::State& state) {
    return int(state.range(0));
}

void BM_RotateLeft(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rotateLeft(scan(bitsOf(state))));
}
void rotateRightWith(benchmark::State& state, const ImageLimits& limits) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rotateRight(scan(bitsOf(state)), limits));
}
void BM_RotateRight(benchmark::State& state) {
    rotateRightWith(state, {});
}
void BM_MirrorLeftRight(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mirrorLeftRight(scan(bitsOf(state))));
}
void BM_MirrorTopBottom(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mirrorTopBottom(scan(bitsOf(state))));
}
// The same rectangle as ImageMagick's -crop 2000x2000+500+500.
void BM_Crop(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cropImage(scan(bitsOf(state)), {500, 500, 2500, 2500}));
}
// Brightness +20 and contrast 130 in one pass, as the preview runs them.
void BM_BrightnessContrast(benchmark::State& state) {
    DibImage image = scan(24).clone();
    for (auto _ : state) {
        HelligkeitUndKontrast(image, 20, 130);
        benchmark::ClobberMemory();
    }
}
// Filter `state.range(0)` of the table, as the menu applies it.
void filterWith(benchmark::State& state, const ImageLimits& limits) {
    DibImage image = scan(24).clone();
    const EffectFilter filter = TransposeKernel(effectTable()[state.range(0)]);
    for (auto _ : state) {
        DibImage work;
        benchmark::DoNotOptimize(DibFilter(image, filter, work, limits));
    }
}
void BM_Filter(benchmark::State& state) {
    filterWith(state, {});
}

// The same on the calling thread alone: what a single core does.
constexpr ImageLimits kOneThread{.rowThreads = 1};
void BM_FilterOneThread(benchmark::State& state) {
    filterWith(state, kOneThread);
}
void BM_RotateRightOneThread(benchmark::State& state) {
    rotateRightWith(state, kOneThread);
}

} // namespace

BENCHMARK(BM_RotateLeft)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateRight)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirrorLeftRight)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirrorTopBottom)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Crop)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrightnessContrast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter)->DenseRange(0, kEffectCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterOneThread)->Arg(2)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateRightOneThread)->Arg(24)->Unit(benchmark::kMillisecond);
