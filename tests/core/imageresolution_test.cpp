// The resolution travels with the image: through the image files that can
// hold it, the cover file and the operations that make new images.

#include "document/coverfile.h"
#include "document/objecttable.h"
#include "raster/imagefile.h"
#include "raster/imageresolution.h"
#include "retouch/cropimage.h"
#include "retouch/quarterturns.h"
#include "retouch/turnimage.h"
#include "support/testimages.h"

#include <gtest/gtest.h>

namespace {

DibImage pictureAt(double dpiX, double dpiY) {
    DibImage image = gradientImage24(40, 30);
    setResolutionDpi(image, dpiX, dpiY);
    return image;
}

TEST(ImageResolution, SurvivesTheFilesThatCanHoldIt) {
    for (ImageFileFormat format :
         {ImageFileFormat::Bmp, ImageFileFormat::Jpg, ImageFileFormat::Png, ImageFileFormat::Tif}) {
        SCOPED_TRACE(int(format));
        const DibImage back = decodeImage(encodeImage(pictureAt(300, 600), format));
        ASSERT_FALSE(back.isNull());
        EXPECT_NEAR(resolutionDpiX(back).value_or(0), 300, 0.05);
        EXPECT_NEAR(resolutionDpiY(back).value_or(0), 600, 0.05);
        EXPECT_FALSE(squarePixelsPerMm(back));
        // A file without a resolution gives an image that knows none.
        EXPECT_FALSE(resolutionDpiX(decodeImage(encodeImage(gradientImage24(8, 8), format))));
    }
    const DibImage square = decodeImage(encodeImage(pictureAt(300, 300), ImageFileFormat::Png));
    EXPECT_NEAR(squarePixelsPerMm(square).value_or(0), 300 / 25.39995, 0.01);
}

TEST(ImageResolution, SurvivesTheCoverFileAndTheImageOperations) {
    const DibImage image = pictureAt(300, 150);
    ObjectTable objects;
    const cover::ReadResult read =
        cover::readCover(cover::coverBytes(cover::CoverSource{1000, 1000, 1.0, 1.0, &objects, &image}));
    ASSERT_EQ(read.status, cover::ReadStatus::Ok);
    EXPECT_EQ(read.document.image.header().biXPelsPerMeter, image.header().biXPelsPerMeter);
    EXPECT_EQ(read.document.image.header().biYPelsPerMeter, image.header().biYPelsPerMeter);

    EXPECT_NEAR(resolutionDpiX(cropImage(image, {2, 2, 20, 20})).value_or(0), 300, 0.05);
    EXPECT_NEAR(resolutionDpiX(turnImage(image, 12.5)).value_or(0), 300, 0.05);
    // A quarter turn exchanges across and down, also on a square picture.
    const DibImage turned = rotateLeft(cropImage(image, {0, 0, 30, 30}));
    EXPECT_NEAR(resolutionDpiX(turned).value_or(0), 150, 0.05);
    EXPECT_NEAR(resolutionDpiY(turned).value_or(0), 300, 0.05);
}

} // namespace
