#include "support/testimages.h"

DibImage gradientImage24(int width, int height, int seed) {
    DibImage image = createImage(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelAt(image, x, y, makeColorRef(x, y, seed));
    return image;
}

DibImage patternImage(int width, int height, int bitCount, int seed) {
    DibImage image = createImage(width, height, bitCount);
    const int colours = image.paletteSize();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelAt(image, x, y, uint32_t((x + 3 * y + seed) % colours));
    return image;
}

DibImage solidImage24(int width, int height, const QColor& colour) {
    DibImage image = createImage(width, height, 24);
    const uint32_t pixel = makeColorRef(colour.red(), colour.green(), colour.blue());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelAt(image, x, y, pixel);
    return image;
}
