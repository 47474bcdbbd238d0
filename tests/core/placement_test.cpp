#include "base/units.h"
#include "paper/placement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Internal units per image pixel at 96 dpi, as the main window fixes it.
const double kPixelSize = 2 * 200000 * 25.39995 / 96;

PlacementDevice view(int labelPx, double zoom, double dpi = 96) {
    return {labelPx, dpi, dpi, zoom, zoom};
}

// Where paintAnnotations puts an object stored at image pixel p (horizontally).
double objectX(const ImagePlacement& placement, double p) {
    return p * kPixelSize * placement.Scale - placement.OffsetX;
}
double objectY(const ImagePlacement& placement, double p) {
    return p * kPixelSize * placement.Scale - placement.OffsetY;
}

} // namespace

TEST(Placement, FullSizeImageIsAsWideAsTheLabel) {
    // 90 mm at 96 dpi and zoom 100: 340 pixels.
    const QSize label = placementViewSize(90, 55, 100, 96);
    EXPECT_EQ(label, QSize(340, 207));
    const ImagePlacement placement = placeImage(320, 200, {100, 0, 0}, view(label.width(), 1), kPixelSize);
    EXPECT_EQ(placement.imgW, 340);
    EXPECT_EQ(placement.imgH, 212); // 340 × 200 / 320 = 212.5: taller than the label
    EXPECT_EQ(placement.shiftX, 0);
    EXPECT_EQ(placement.shiftY, 0);
    EXPECT_DOUBLE_EQ(placement.Scale, 340 / (320 * kPixelSize));
}

TEST(Placement, DoubleZoomDoublesSizeAndShifts) {
    const PlacementValues values{50, 10, 5};
    const QSize label1 = placementViewSize(90, 55, 100, 96);
    const QSize label2 = placementViewSize(90, 55, 200, 96);
    EXPECT_EQ(label2, QSize(680, 415));
    const ImagePlacement at100 = placeImage(320, 200, values, view(label1.width(), 1), kPixelSize);
    const ImagePlacement at200 = placeImage(320, 200, values, view(label2.width(), 2), kPixelSize);
    EXPECT_EQ(at100.imgW, 170);
    EXPECT_EQ(at200.imgW, 340);
    EXPECT_EQ(at100.imgH, 106);
    EXPECT_EQ(at200.imgH, 212);
    // 10 mm = 37.795 pixels at 96 dpi; 5 mm = 18.897.
    EXPECT_EQ(at100.shiftX, 37);
    EXPECT_EQ(at200.shiftX, 75);
    EXPECT_EQ(at100.shiftY, 18);
    EXPECT_EQ(at200.shiftY, 37);
}

TEST(Placement, NegativeShiftsTruncateTowardZero) {
    const ImagePlacement placement = placeImage(320, 200, {100, -10, -10}, view(340, 1), kPixelSize);
    EXPECT_EQ(placement.shiftX, -37);
    EXPECT_EQ(placement.shiftY, -37);
    EXPECT_EQ(placement.OffsetX, 37);
    EXPECT_EQ(placement.OffsetY, 37);
}

TEST(Placement, AxesUseTheirOwnResolutionAndFactor) {
    // A printer with 600 × 300 dpi and a calibration factor on each axis.
    const PlacementDevice printer{2126, 600, 300, 1.02, 0.98};
    const ImagePlacement placement = placeImage(320, 200, {100, 10, 10}, printer, kPixelSize);
    EXPECT_EQ(placement.shiftX, units::trunc32(10 * 600 / 25.39995 * 1.02));
    EXPECT_EQ(placement.shiftY, units::trunc32(10 * 300 / 25.39995 * 0.98));
    EXPECT_EQ(placement.imgW, 2126);
}

TEST(Placement, TallImageOnALargeLabelDoesNotWrap) {
    // 500 % of a 3000 mm label at 600 dpi times 10000 rows exceeds 32 bits.
    const ImagePlacement placement = placeImage(1000, 10000, {500, 0, 0}, view(70866, 1, 600), kPixelSize);
    EXPECT_EQ(placement.imgW, 354330);
    EXPECT_EQ(placement.imgH, 3543300);
}

TEST(Placement, ImageWithoutPixelsHasNoSize) {
    const ImagePlacement placement = placeImage(0, 0, {100, 1, 1}, view(340, 1), kPixelSize);
    EXPECT_EQ(placement.imgH, 0);
    EXPECT_EQ(placement.Scale, 0);
}

TEST(Placement, ObjectsLandOnTheSameImageSpotAtEverySize) {
    for (int zoom : {10, 100, 200, 500})
        for (int size : {10, 100, 230, 500})
            for (double shift : {-12.5, 0.0, 7.25}) {
                const int labelPx = placementViewSize(90, 55, zoom, 96).width();
                const ImagePlacement placement =
                    placeImage(320, 200, {size, shift, -shift}, view(labelPx, zoom / 100.0), kPixelSize);
                for (double p : {0.0, 1.0, 160.0, 319.0}) {
                    const double imageX = placement.shiftX + p * placement.imgW / 320.0;
                    const double imageY = placement.shiftY + p * placement.imgW / 320.0;
                    EXPECT_NEAR(objectX(placement, p), imageX, 1e-6) << zoom << " " << size << " " << p;
                    EXPECT_NEAR(objectY(placement, p), imageY, 1e-6) << zoom << " " << size << " " << p;
                }
            }
}

TEST(Placement, ViewOfAFormatWithNegativeSizeIsEmpty) {
    EXPECT_EQ(placementViewSize(-90, -1, 100, 96), QSize(0, 0));
}
