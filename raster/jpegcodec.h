#pragma once
// JPEG/JFIF through libjpeg.

#include "raster/dibimage.h"

#include <QByteArrayView>

// Grey pictures become 8-bit images with a grey palette, colour and CMYK
// pictures 24-bit images. A damaged or hostile file gives the null image.
DibImage decodeJpeg(QByteArrayView bytes);
