#pragma once
// How much of the machine an image operation may take. Pixel memory is handed
// out only up to a limit, so that a hostile header or a huge request gives a
// null image instead of exhausting the machine; passes over rows run on at
// most so many threads. The window gets its limits from outside and hands them
// to what it asks to work; tests lower them to reach the "out of memory"
// branches or to compare one thread with several.

#include <cstddef>
#include <cstdint>

struct ImageLimits {
    std::size_t pixelMemoryBytes = std::size_t(1) << 30;
    int rowThreads = 0; // 0: as many as the machine has; 1: everything on the calling thread

    // True when a buffer of `bytes` may be allocated for pixels.
    bool allows(uint64_t bytes) const { return bytes <= pixelMemoryBytes; }
};
