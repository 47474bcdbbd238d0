#pragma once
// The row scalers' nearest-neighbour arithmetic: the block `visible` of a
// DestWidth × DestHeight destination (in destination pixels) computed from the
// source rectangle, as RGB32. Every bit count (1, 4, 8, 24) reads its pixels
// where they lie, so a block costs its own size, never the image's.

#include "raster/dibimage.h"

#include <QImage>
#include <QRect>

// SrcTop counts rows from the top of the image. Destination pixels whose source
// lies outside the image are black for 24 bits and colour 0 of the palette for
// the others. Null when the block is empty or the limits leave no room for it.
QImage scaleDibRows(const DibImage& image, int SrcX, int SrcTop, int SrcWidth, int SrcHeight, int DestWidth,
                    int DestHeight, const QRect& visible, const ImageLimits& limits = {});
