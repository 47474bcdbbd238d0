#pragma once
// The placement rule: where and how large the image and its annotation objects
// appear on one label. The placement view, the sheet preview and the print run
// all call placeImage with their own device, so the three agree.
//
//   imgW   = widthPercent × LabelPx / 100                      (truncated)
//   imgH   = imgW × image height / image width            (truncated; aspect kept)
//            × (dpiY × kY) / (dpiX × kX) where the device's pixels are not square
//   shiftX = shiftRightMm × dpiX / 25.39995 × kX               (truncated; likewise Y)
//   the image is drawn at (shiftX, shiftY) of the label, imgW × imgH;
//   paintAnnotations gets offsets −shiftX, −shiftY and
//   Scale  = imgW / (image width × ImagePixelSize)  device pixels per internal unit,
// so an object stored at image pixel p lands on device pixel p × imgW / width + shift,
// the spot where the image shows that pixel.

#include <QSize>

#include <cstdint>

// The three values of the "Zentrieren" page.
struct PlacementValues {
    int widthPercent = 100;  // image width in percent of the label width
    double shiftRightMm = 0; // shift to the right, mm (negative: left)
    double shiftDownMm = 0;  // shift downwards, mm (negative: up)
    friend bool operator==(const PlacementValues&, const PlacementValues&) = default;
};

// The device one label is drawn on.
struct PlacementDevice {
    int LabelPx = 0;  // label width in device pixels
    double dpiX = 96; // device pixels per inch
    double dpiY = 96;
    double kX = 1, kY = 1; // extra factor: the view's zoom, or the printer calibration
};

struct ImagePlacement {
    int32_t imgW = 0, imgH = 0;       // drawn image size, device pixels
    int32_t shiftX = 0, shiftY = 0;   // image's top-left corner on the label
    int32_t OffsetX = 0, OffsetY = 0; // paintAnnotations's offsets
    double Scale = 0;                 // paintAnnotations's device pixels per internal unit
    double ScaleY = 0;                // the same vertically; differs where device pixels are not square
    friend bool operator==(const ImagePlacement&, const ImagePlacement&) = default;
};

// An image without pixels is placed with no size and scale 0.
ImagePlacement placeImage(int imageWidth, int imageHeight, const PlacementValues& values,
                          const PlacementDevice& device, double ImagePixelSize);

// The label as the placement view shows it: zoom percent × the label's size at
// `dpi`, each side truncated.
QSize placementViewSize(double LabelWidth, double LabelHeight, int zoomPercent, double dpi);
