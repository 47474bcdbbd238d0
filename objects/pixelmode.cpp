#include "objects/pixelmode.h"

PixelScales detail::pixelScalesInstance;
