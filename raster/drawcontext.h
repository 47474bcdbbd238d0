#pragma once
// What a drawing of a picture is told by whoever asks for it: whether it goes
// to a printer, the colour depth of the screen the program runs on, where a
// drawing that cannot be done is reported, and the memory it may take.

#include "base/messages.h"
#include "raster/imagelimits.h"

struct DrawContext {
    Messages& messages;
    // Bits per pixel: 24-bit pictures that may be halftoned are reduced to the
    // colour cube on screens of 8 bits or fewer.
    int screenColorDepth = 24;
    // Printers get the picture stretched as a whole; screens and off-screen
    // images get the row scalers.
    bool printer = false;
    // Scaled copies, halftoned copies and the blocks of the row scalers stay within these.
    ImageLimits limits = {};
};

// The same drawing, going to a printer.
inline DrawContext onPrinter(DrawContext context) {
    context.printer = true;
    return context;
}
