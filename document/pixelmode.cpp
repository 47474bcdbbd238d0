#include "document/pixelmode.h"

PixelScales detail::pixelScalesInstance;
