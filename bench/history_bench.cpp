// Undo on a 3000 × 3000 24-bit scan: taking back a quarter turn must stay
// under 30 ms, however large the image (the step exchanges, it copies nothing).
//   build/bench/cdcover_bench --benchmark_filter=UndoQuarterTurn

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "document/jobhistory.h"
#include "retouch/quarterturns.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kSide = 3000;

DibImage noisyScan() {
    DibImage image = createImage(kSide, kSide, 24);
    std::mt19937 random(42);
    uint8_t* p = image.pixels();
    for (std::size_t i = 0; i < image.sizeImage(); ++i)
        p[i] = uint8_t(random());
    return image;
}

void BM_UndoQuarterTurn(benchmark::State& state) {
    CoverJob job;
    job.replaceImage(noisyScan());
    job.markWholeImage();
    replaceImageAsStep(job, QStringLiteral("90° nach rechts rotieren"), rotateRight(job.image()), true);
    for (auto _ : state) {
        job.history().undo();
        benchmark::DoNotOptimize(job.image().pixels());
        state.PauseTiming();
        job.history().redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoQuarterTurn)->Unit(benchmark::kMillisecond);

} // namespace
