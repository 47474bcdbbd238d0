#pragma once
// How much of the machine an image operation may take. Pixel memory is handed
// out only up to a limit, so that a hostile header or a huge request gives a
// null image instead of exhausting the machine. The window gets its limits
// from outside and hands them to what it asks to work; tests lower them to
// reach the "out of memory" branches.

#include <cstddef>
#include <cstdint>

struct ImageLimits {
    std::size_t pixelMemoryBytes = std::size_t(1) << 30;

    // True when a buffer of `bytes` may be allocated for pixels.
    bool allows(uint64_t bytes) const { return bytes <= pixelMemoryBytes; }
};
