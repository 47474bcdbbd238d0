// The automatic crop on made-up scans: discs and covers found within 0.3 mm
// (centre), 0.5 mm (size) and 0.2° (turn), their markers where they belong in
// the cut; and no cut where nothing clearly is a disc or a cover.

#include "raster/imageresolution.h"
#include "retouch/autocrop.h"
#include "support/imagecompare.h"
#include "support/syntheticscan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Bed = SyntheticScan::Bed;
using Object = SyntheticScan::Object;

struct FoundCase {
    const char* name;
    SyntheticScan scan;
};

// Scans at 100 dpi: a pixel is a quarter millimetre, coarser than the accuracy asked for.
SyntheticScan disc(Bed bed, double x, double y) {
    SyntheticScan s;
    s.dpi = 100;
    s.bed = bed;
    s.centreXMm = x, s.centreYMm = y;
    return s;
}

SyntheticScan cover(Bed bed, double width, double height, double angle) {
    SyntheticScan s;
    s.dpi = 100;
    s.bed = bed;
    s.object = Object::Cover;
    s.widthMm = width, s.heightMm = height, s.angleDeg = angle;
    s.bedWidthMm = 200, s.centreXMm = 98;
    return s;
}

template <typename Change> SyntheticScan with(SyntheticScan s, Change change) {
    change(s);
    return s;
}

// The darkest spot near where a marker should be, as the centroid of its darkness.
QPointF markerNear(const DibImage& image, QPointF expected, double perMm) {
    const int reach = int(5 * perMm);
    double sumX = 0, sumY = 0, weight = 0;
    for (int y = int(expected.y()) - reach; y <= int(expected.y()) + reach; ++y)
        for (int x = int(expected.x()) - reach; x <= int(expected.x()) + reach; ++x) {
            const ColorRef c = colourAt(image, x, y);
            const double darkness = std::max(0, 60 - (redOf(c) + greenOf(c) + blueOf(c)) / 3);
            sumX += (x + 0.5) * darkness, sumY += (y + 0.5) * darkness, weight += darkness;
        }
    return weight > 0 ? QPointF(sumX / weight, sumY / weight) : QPointF(-1e6, -1e6);
}

// Finds the object of `c` and cuts it out, checking both against what was laid on the bed.
void expectFoundAndCutOut(const FoundCase& c) {
    SCOPED_TRACE(c.name);
    const SyntheticScan& s = c.scan;
    const DibImage scan = makeSyntheticScan(s);
    const double perMm = s.dpi / 25.39995;
    const FoundObject found = findObject(scan);
    ASSERT_EQ(found.kind, s.object == Object::Disc ? FoundKind::Disc : FoundKind::Cover);
    EXPECT_NEAR(found.centreX / perMm, s.centreXMm, 0.3);
    EXPECT_NEAR(found.centreY / perMm, s.centreYMm, 0.3);
    EXPECT_NEAR(found.width / perMm, s.widthMm, 0.5);
    EXPECT_NEAR(found.height / perMm, s.object == Object::Disc ? s.widthMm : s.heightMm, 0.5);
    EXPECT_NEAR(found.angleDeg, s.object == Object::Disc ? 0 : s.angleDeg, 0.2);
    EXPECT_EQ(found.pixelsPerMm > 0, s.resolutionKnown && s.claimedDpi == 0);

    const DibImage cut = cutOutObject(scan, found);
    ASSERT_FALSE(cut.isNull());
    EXPECT_EQ(cut.width(), std::lround(found.width));
    EXPECT_EQ(cut.height(), std::lround(found.height));
    EXPECT_EQ(cut.header().biXPelsPerMeter, scan.header().biXPelsPerMeter);
    for (const QPointF& marker : syntheticMarkers(s.object)) {
        const QPointF expected(cut.width() / 2.0 + marker.x() * perMm,
                               cut.height() / 2.0 + marker.y() * perMm);
        const QPointF seen = markerNear(cut, expected, perMm);
        EXPECT_NEAR(seen.x() / perMm, expected.x() / perMm, 0.3) << marker.x() << "," << marker.y();
        EXPECT_NEAR(seen.y() / perMm, expected.y() / perMm, 0.3) << marker.x() << "," << marker.y();
    }
    if (s.object == Object::Disc) {
        // White in the corners and in the hole.
        EXPECT_EQ(colourAt(cut, 1, 1), makeColorRef(255, 255, 255));
        EXPECT_EQ(colourAt(cut, cut.width() / 2, cut.height() / 2), makeColorRef(255, 255, 255));
    }
}

TEST(AutoCrop, FindsDiscsAndCutsThemOutWithWhiteOutsideAndInTheHole) {
    const FoundCase cases[] = {
        {"disc on a light lid", with(disc(Bed::Light, 70, 96), [](auto& s) { s.noise = 3; })},
        {"disc on a dark lid, JPEG",
         with(disc(Bed::Dark, 78, 104), [](auto& s) { s.noise = 4, s.jpegQuality = 80; })},
        {"small disc, grey scan",
         with(disc(Bed::Light, 60, 70), [](auto& s) { s.widthMm = 80, s.grey = true; })},
        {"disc, resolution unknown",
         with(disc(Bed::Dark, 75, 90), [](auto& s) { s.resolutionKnown = false; })},
    };
    for (const FoundCase& c : cases)
        expectFoundAndCutOut(c);
}

TEST(AutoCrop, FindsCoversAndCutsThemOutLevel) {
    const FoundCase cases[] = {
        {"cover turned 7.3°", with(cover(Bed::Light, 120, 120, 7.3), [](auto& s) { s.noise = 3; })},
        {"cover level, 200 dpi but claiming 72",
         with(cover(Bed::Light, 120, 120, 0), [](auto& s) { s.dpi = 200, s.claimedDpi = 72; })},
        {"tray card turned -12°, dark lid, JPEG",
         with(cover(Bed::Dark, 151, 118, -12), [](auto& s) { s.noise = 4, s.jpegQuality = 80; })},
        {"cover turned 14°, resolution unknown",
         with(cover(Bed::Light, 120, 120, 14),
              [](auto& s) { s.resolutionKnown = false, s.jpegQuality = 85; })},
    };
    for (const FoundCase& c : cases)
        expectFoundAndCutOut(c);
}

TEST(AutoCrop, FindsNothingWhereNothingIsClearlyADiscOrACover) {
    const FoundCase cases[] = {
        {"empty light lid",
         with(disc(Bed::Light, 75, 100), [](auto& s) { s.object = Object::None, s.noise = 3; })},
        {"empty dark lid",
         with(disc(Bed::Dark, 75, 100), [](auto& s) { s.object = Object::None, s.noise = 4; })},
        {"disc cut off by the bed's edge", disc(Bed::Light, 40, 100)},
        {"cover cut off by the bed's edge",
         with(cover(Bed::Dark, 120, 120, 4), [](auto& s) { s.centreYMm = 50; })},
        {"white cover on a white lid", with(cover(Bed::Light, 120, 120, 3),
                                            [](auto& s) {
                                                s.colour[0] = s.colour[1] = s.colour[2] = 240,
                                                s.markers = false, s.noise = 2;
                                            })},
        {"cover turned too far", cover(Bed::Light, 120, 120, 28)},
        {"no disc's size", with(disc(Bed::Dark, 75, 100), [](auto& s) { s.widthMm = 100; })},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DibImage scan = makeSyntheticScan(c.scan);
        const FoundObject found = findObject(scan);
        EXPECT_FALSE(found.found());
        EXPECT_TRUE(cutOutObject(scan, found).isNull());
    }
}

} // namespace
