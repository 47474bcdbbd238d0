#pragma once
// How much of the machine an image operation may take. Pixel memory is handed
// out only up to a limit, so that a hostile header or a huge request gives a
// null image instead of exhausting the machine; passes over rows run on at
// most so many threads. The window gets its limits from outside and hands them
// to what it asks to work; tests lower them to reach the "out of memory"
// branches or to compare one thread with several.

#include <cstddef>
#include <cstdint>

// A picture refused for the memory its pixels would take, and how much.
struct OversizeImage {
    int64_t width = 0;
    int64_t height = 0;
    uint64_t bytes = 0; // 0: nothing was refused
};

struct ImageLimits {
    std::size_t pixelMemoryBytes = std::size_t(1) << 30;
    int rowThreads = 0; // 0: as many as the machine has; 1: everything on the calling thread
    // Where a picture refused for its size is noted, so that the reader can tell
    // the user why it was not read; nothing when null.
    OversizeImage* oversize = nullptr;

    // True when a buffer of `bytes` may be allocated for pixels.
    bool allows(uint64_t bytes) const { return bytes <= pixelMemoryBytes; }
    // The same for the pixels of a width × height picture; a refusal is noted.
    bool allowsPicture(int64_t width, int64_t height, uint64_t bytes) const {
        if (allows(bytes)) return true;
        if (oversize) *oversize = {width, height, bytes};
        return false;
    }
};
