#pragma once
// Off-screen pictures for screens with a scale factor: sized and painted in
// logical pixels, stored in the screen's own pixels, so that what is composed
// there looks as sharp as what is painted on the screen directly.

#include "raster/imagelimits.h"

#include <QImage>
#include <QSize>

// The pixels that `logical` pixels cover at `ratio` device pixels per logical
// one; a partly covered pixel counts whole.
QSize devicePixelSize(QSize logical, qreal ratio);

// A canvas of that many RGB32 pixels carrying the ratio; null when it is empty
// or memory is short.
QImage deviceCanvas(QSize logical, qreal ratio, const ImageLimits& limits);
