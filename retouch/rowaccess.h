#pragma once
// Row pointers of an image taken once, so that the pixel loops neither go
// through the image's accessors (which forget its cached picture on every
// writable access) nor recompute the bottom-up row order.

#include "raster/dibimage.h"

#include <cstddef>

struct ConstRows {
    explicit ConstRows(const DibImage& image)
        : base(image.pixels()), stride(std::size_t(image.stride())), height(image.height()) {}
    const uint8_t* fromTop(int y) const { return base + std::size_t(height - 1 - y) * stride; }
    const uint8_t* memory(int row) const { return base + std::size_t(row) * stride; }
    const uint8_t* base;
    std::size_t stride;
    int height;
};

struct Rows {
    explicit Rows(DibImage& image)
        : base(image.pixels()), stride(std::size_t(image.stride())), height(image.height()) {}
    uint8_t* fromTop(int y) const { return base + std::size_t(height - 1 - y) * stride; }
    uint8_t* memory(int row) const { return base + std::size_t(row) * stride; }
    uint8_t* base;
    std::size_t stride;
    int height;
};
