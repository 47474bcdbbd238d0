// Opening and saving 3000 × 3000 pictures. The JPEG file is also written to
// the temporary directory so that `djpeg` can be timed on the same bytes.

#include "base/messages.h"
#include "raster/imagefile.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 3000;

// A photograph-like picture: smooth gradients with some texture, so that the
// JPEG file has a realistic size.
const DibImage& picture() {
    static const DibImage image = [] {
        DibImage made = createImage(kSide, kSide, 24);
        for (int y = 0; y < kSide; ++y) {
            uint8_t* row = made.rowFromTop(y);
            for (int x = 0; x < kSide; ++x) {
                row[3 * x] = uint8_t(x / 12 + ((x * y) & 7));
                row[3 * x + 1] = uint8_t(y / 12);
                row[3 * x + 2] = uint8_t((x + y) / 24 + ((x ^ y) & 3));
            }
        }
        return made;
    }();
    return image;
}

QString benchFile(const char* name) {
    return QDir::temp().filePath(QStringLiteral("cdcover-bench-%1").arg(QLatin1String(name)));
}

void writeOnce(const char* name, ImageFileFormat format) {
    QFile file(benchFile(name));
    if (file.exists()) return;
    if (file.open(QIODevice::WriteOnly)) file.write(encodeImage(picture(), format));
}

void openFile(benchmark::State& state, const char* name, ImageFileFormat format) {
    writeOnce(name, format);
    for (auto _ : state) {
        DibImage image = OpenDib(benchFile(name));
        if (image.isNull()) state.SkipWithError("could not open");
        benchmark::DoNotOptimize(image.pixels());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}

void saveFile(benchmark::State& state, const char* name, int formatNumber) {
    const DibImage& image = picture();
    StderrMessages messages;
    for (auto _ : state)
        if (!SaveDib(image, benchFile(name), formatNumber, messages)) state.SkipWithError("could not save");
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}

void OpenJpeg(benchmark::State& state) {
    openFile(state, "open.jpg", ImageFileFormat::Jpg);
}
void OpenBmp(benchmark::State& state) {
    openFile(state, "open.bmp", ImageFileFormat::Bmp);
}
void OpenTiff(benchmark::State& state) {
    openFile(state, "open.tif", ImageFileFormat::Tif);
}
void SaveBmp(benchmark::State& state) {
    saveFile(state, "save.bmp", formatNumberOfFilter(1));
}
void SaveTiff(benchmark::State& state) {
    saveFile(state, "save.tif", formatNumberOfFilter(11));
}

BENCHMARK(OpenJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenTiff)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveTiff)->Unit(benchmark::kMillisecond);

} // namespace
