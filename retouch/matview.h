#pragma once
// The image record seen by OpenCV without a copy. The record keeps its rows
// bottom row first, each padded to 4 bytes; a cv::Mat over the same memory
// with the record's stride as its step shows the picture upside down. The
// pixels are not moved: coordinates are mirrored instead, which turns a
// counter-clockwise angle into a clockwise one.
//
// Only for the .cpp files of the image operations; OpenCV stays behind them.

#include "raster/dibimage.h"

#include <opencv2/core.hpp>

// 24-bit images as CV_8UC3 (blue, green, red), 8-bit images as CV_8UC1 (the
// palette indices); an empty Mat for other depths. Row r of the Mat is the
// record's memory row r, picture row height − 1 − r.
cv::Mat memoryRowsOf(DibImage& image);
cv::Mat memoryRowsOf(const DibImage& image); // for reading only

// Picture coordinates (x to the right, y down from the top edge, pixel (i, j)
// covering [i, i + 1) × [j, j + 1)) and OpenCV's coordinates on the memory
// rows (pixel centres at whole numbers) of an image `height` rows high.
struct FlippedRows {
    int height;
    cv::Point2d toMat(cv::Point2d picture) const { return {picture.x - 0.5, height - picture.y - 0.5}; }
    cv::Point2d toPicture(cv::Point2d mat) const { return {mat.x + 0.5, height - mat.y - 0.5}; }
    // The same as 3 × 3 matrices of homogeneous coordinates.
    cv::Matx33d pictureToMat() const { return {1, 0, -0.5, 0, -1, height - 0.5, 0, 0, 1}; }
    cv::Matx33d matToPicture() const { return {1, 0, 0.5, 0, -1, height - 0.5, 0, 0, 1}; }
};

// True when the 8-bit image's palette is the grey ramp, so that its indices
// are brightnesses.
bool indicesAreGrey(const DibImage& image);
