// One image decoder under libFuzzer. FUZZ_HEADER and FUZZ_DECODER name the
// decoder; each target of fuzz/CMakeLists.txt builds this file for one.

#include FUZZ_HEADER

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace {
// A small cap keeps the fuzzer from spending its time on huge allocations
// that the cap refuses anyway in real use.
constexpr ImageLimits kFuzzLimits{.pixelMemoryBytes = std::size_t(16) << 20};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const DibImage image =
        FUZZ_DECODER(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), kFuzzLimits);
    // Touch every byte of the result, so a short allocation shows up under ASan.
    volatile uint8_t sum = 0;
    if (!image.isNull())
        for (std::size_t i = 0; i < image.sizeImage(); ++i)
            sum = uint8_t(sum + image.pixels()[i]);
    return 0;
}
