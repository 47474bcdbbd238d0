// The automatic crop on made-up A4 scans at 300 and 600 dpi: finding the
// object must take at most 150 and 500 ms on a two-core machine.
//   build/bench/cdcover_bench --benchmark_filter=AutoCrop

#include "retouch/autocrop.h"
#include "retouch/turnimage.h"
#include "support/syntheticscan.h"

#include <benchmark/benchmark.h>

namespace {

// An A4 bed with a cover turned by 6° on a light lid, or a disc on a dark one.
const DibImage& a4Scan(int dpi, bool disc) {
    static DibImage scans[2][2];
    DibImage& scan = scans[dpi == 600][disc];
    if (scan.isNull()) {
        SyntheticScan s;
        s.bedWidthMm = 216, s.bedHeightMm = 297, s.dpi = dpi;
        s.centreXMm = 100, s.centreYMm = 120, s.noise = 3;
        s.object = disc ? SyntheticScan::Object::Disc : SyntheticScan::Object::Cover;
        s.bed = disc ? SyntheticScan::Bed::Dark : SyntheticScan::Bed::Light;
        s.angleDeg = disc ? 0 : 6;
        scan = makeSyntheticScan(s);
    }
    return scan;
}

void BM_AutoCropFind(benchmark::State& state) {
    const DibImage& scan = a4Scan(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(findObject(scan));
    state.SetLabel(findObject(scan).found() ? "found" : "NOT FOUND");
}
BENCHMARK(BM_AutoCropFind)->ArgsProduct({{300, 600}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_AutoCropCut(benchmark::State& state) {
    const DibImage& scan = a4Scan(int(state.range(0)), state.range(1) != 0);
    const FoundObject found = findObject(scan);
    for (auto _ : state)
        benchmark::DoNotOptimize(cutOutObject(scan, found));
}
BENCHMARK(BM_AutoCropCut)->ArgsProduct({{300, 600}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_TurnByAngle(benchmark::State& state) {
    const DibImage& scan = a4Scan(300, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(turnImage(scan, 7.5));
}
BENCHMARK(BM_TurnByAngle)->Unit(benchmark::kMillisecond);

} // namespace
