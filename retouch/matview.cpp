#include "retouch/matview.h"

namespace {

int matTypeOf(const DibImage& image) {
    switch (image.bitCount()) {
    case 24:
        return CV_8UC3;
    case 8:
        return CV_8UC1;
    default:
        return -1;
    }
}

} // namespace

cv::Mat memoryRowsOf(DibImage& image) {
    const int type = matTypeOf(image);
    if (image.isNull() || type < 0) return {};
    return cv::Mat(image.height(), image.width(), type, image.pixels(), std::size_t(image.stride()));
}

cv::Mat memoryRowsOf(const DibImage& image) {
    const int type = matTypeOf(image);
    if (image.isNull() || type < 0) return {};
    // OpenCV has no read-only Mat; callers only read through this one.
    return cv::Mat(image.height(), image.width(), type, const_cast<uint8_t*>(image.pixels()),
                   std::size_t(image.stride()));
}

bool indicesAreGrey(const DibImage& image) {
    if (image.bitCount() != 8) return false;
    const auto colors = image.colors();
    for (int i = 0; i < 256; ++i)
        if (colors[i] != RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0}) return false;
    return true;
}
