#include "print/discprint.h"
#include "print/disctestprint.h"

#include "support/fakemessages.h"
#include "support/pagerecorder.h"
#include "support/testimages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kPixelSize = 2 * 200000 * 25.39995 / 96;
constexpr int kDpi = 100;

double pixels(double mm) {
    return mm / 25.39995 * kDpi;
}

class DiscPrintTest : public ::testing::Test {
  protected:
    PrintOutcome print(PageRecorder& recorder, DiscFormat disc, int copies, DiscOffset shift = {}) {
        const DiscPrintJob job{disc, copies, shift,
                               LabelContent{image, objects, PlacementValues{100, 0, 0},
                                            LabelRenderSettings{kPixelSize, 96, 96}}};
        return runDiscPrintJob(recorder, job, DrawContext{.messages = messages});
    }
    // The colour `mm` from the page's centre plus `shift`, at `degrees` from the right.
    static QColor at(const QImage& page, double mm, double degrees, DiscOffset shift = {}) {
        const double angle = degrees * M_PI / 180;
        return page.pixelColor(int(page.width() / 2.0 + pixels(shift.rightMm + mm * std::cos(angle))),
                               int(page.height() / 2.0 + pixels(shift.downMm + mm * std::sin(angle))));
    }

    static inline const QColor kColour{20, 120, 200};
    FakeMessages messages;
    DibImage image = solidImage24(120, 120, kColour);
    ObjectTable objects;
    // A page larger than any disc, as a driver's disc page is.
    QSize page{int(pixels(130)), int(pixels(130))};
};

} // namespace

TEST_F(DiscPrintTest, TheDiscIsCentredAndInkStaysInsideItsRing) {
    PageRecorder recorder(kDpi, kDpi, page);
    ASSERT_EQ(print(recorder, {118, 22}, 1), PrintOutcome::Printed);
    ASSERT_EQ(recorder.pages.size(), 1u);
    const QImage& printed = recorder.pages[0];
    for (double degrees : {0.0, 45.0, 90.0, 200.0, 300.0}) {
        EXPECT_EQ(at(printed, 0, degrees), Qt::white) << "the hole";
        EXPECT_EQ(at(printed, 10, degrees), Qt::white) << "the hole's edge at 11 mm";
        EXPECT_EQ(at(printed, 12.5, degrees), kColour) << degrees;
        EXPECT_EQ(at(printed, 58, degrees), kColour) << degrees;
        EXPECT_EQ(at(printed, 60, degrees), Qt::white) << "beyond the outer edge at 59 mm";
    }
    EXPECT_EQ(printed.pixelColor(int(pixels(8)), int(pixels(8))), Qt::white) << "the square's corner";
}

TEST_F(DiscPrintTest, EachCopyIsAPageAndTheCalibrationMovesTheDisc) {
    PageRecorder recorder(kDpi, kDpi, page);
    const DiscOffset shift{3, -2};
    ASSERT_EQ(print(recorder, {78, 22}, 3, shift), PrintOutcome::Printed);
    EXPECT_EQ(recorder.jobs, 1);
    ASSERT_EQ(recorder.pages.size(), 3u);
    for (const QImage& printed : recorder.pages) {
        EXPECT_EQ(at(printed, 0, 0, shift), Qt::white);
        EXPECT_EQ(at(printed, 12.5, 180, shift), kColour);
        EXPECT_EQ(at(printed, 38, 0, shift), kColour);
        EXPECT_EQ(at(printed, 40, 0, shift), Qt::white);
        // Unmoved, the hole's left part would be white where it is coloured now.
        EXPECT_EQ(at(printed, -9.5, 0), kColour);
    }
}

TEST_F(DiscPrintTest, ASizeNoDiscHasPrintsNothing) {
    PageRecorder recorder(kDpi, kDpi, page);
    EXPECT_EQ(print(recorder, {130, 22}, 1), PrintOutcome::NoLabelArea);
    EXPECT_EQ(recorder.jobs, 0);
}

TEST_F(DiscPrintTest, TheTestPrintHasRingsAndAScaleInsideTheRingOnly) {
    PageRecorder recorder(kDpi, kDpi, page);
    ASSERT_TRUE(printDiscTestPage(recorder, {118, 22},
                                  {QStringLiteral("Drucker: X"), QStringLiteral("Datum: 1.1.2025")}));
    EXPECT_EQ(recorder.title, QStringLiteral("CD/DVD-Testdruck"));
    ASSERT_EQ(recorder.pages.size(), 1u);
    const QImage& printed = recorder.pages[0];
    const auto dark = [](QColor colour) { return colour.lightness() < 160; };
    // A ring every 5 mm: dark on a ring at 45°, light between two of them.
    EXPECT_TRUE(dark(at(printed, 25, 225)) || dark(at(printed, 25.2, 225)));
    EXPECT_FALSE(dark(at(printed, 27.5, 225)));
    // The cross's arm at 30.5 mm from the centre, and nothing in the hole or
    // beyond the edge.
    EXPECT_TRUE(dark(at(printed, 30.5, 0)));
    EXPECT_TRUE(dark(at(printed, 30.5, 90)));
    int outside = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x) {
            const double r = std::hypot(x + 0.5 - printed.width() / 2.0, y + 0.5 - printed.height() / 2.0);
            if ((r > pixels(59) + 1 || r < pixels(11) - 1) && printed.pixelColor(x, y) != Qt::white)
                ++outside;
        }
    EXPECT_EQ(outside, 0);
}
