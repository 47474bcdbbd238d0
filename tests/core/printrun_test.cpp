#include "print/printrun.h"
#include "support/testpapers.h"

#include "support/fakemessages.h"
#include "support/pagerecorder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const double kPixelSize = 2 * 200000 * 25.39995 / 96;

// A 24-bit picture in one colour, as wide and high as the label's proportions.
DibImage solidImage(int width, int height, QColor colour) {
    DibImage image = createImage(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelAt(image, x, y, makeColorRef(colour.red(), colour.green(), colour.blue()));
    return image;
}

class PrintRunTest : public ::testing::Test {
  protected:
    // Whether a label's top-left corner sits exactly at (x, y) of `page`: the
    // label's colour inside the corner, white outside it.
    static bool labelCornerAt(const QImage& page, int x, int y) {
        const QColor inside = page.pixelColor(x, y);
        return inside == kLabelColour && page.pixelColor(x + 5, y + 5) == kLabelColour &&
               (x == 0 || page.pixelColor(x - 1, y) == Qt::white) &&
               (y == 0 || page.pixelColor(x, y - 1) == Qt::white);
    }

    PrintOutcome print(PageRecorder& recorder, PrintValues values, Calibration calibration = {},
                       const ImageLimits& limits = {}) {
        const PrintJob job{paper, values, calibration,
                           LabelContent{image, objects, PlacementValues{100, 0, 0},
                                        LabelRenderSettings{kPixelSize, 96, 96}}};
        return runPrintJob(recorder, job, boxes, DrawContext{.messages = boxes, .limits = limits});
    }

    static inline const QColor kLabelColour{200, 30, 60};
    FakeMessages boxes;
    PaperType paper = twoByFive();
    DibImage image = solidImage(90, 55, kLabelColour);
    ObjectTable objects;
};

} // namespace

TEST_F(PrintRunTest, TwoSheetsWithThePositionsTheLayoutComputed) {
    PageRecorder recorder(600, 600, PageRecorder::a4Pixels(600, 600));
    ASSERT_EQ(print(recorder, {3, 10, 1}), PrintOutcome::Printed);
    EXPECT_EQ(recorder.title, QStringLiteral("CD-Label/Cover"));
    EXPECT_EQ(recorder.jobs, 1);
    ASSERT_EQ(recorder.pages.size(), 2u);
    EXPECT_TRUE(boxes.messages.empty());

    const SheetPlan plan = planSheets(paper, {3, 10, 1}, printerDevice(recorder, {}));
    for (const LabelSpot& spot : plan.spots)
        EXPECT_TRUE(labelCornerAt(recorder.pages[size_t(spot.sheet)], spot.x, spot.y)) << spot.position;
    EXPECT_TRUE(labelCornerAt(recorder.pages[0], 2409, 1653));
    // The label is copied 1:1: it ends where the label size says.
    const QImage& first = recorder.pages[0];
    EXPECT_EQ(first.pixelColor(2409 + 2124, 1653 + 1297), kLabelColour);
    EXPECT_EQ(first.pixelColor(2409 + 2125, 1653 + 10), Qt::white);
    // Used positions stay empty; the second sheet holds three labels.
    EXPECT_EQ(first.pixelColor(236 + 10, 283 + 10), Qt::white);
    EXPECT_TRUE(labelCornerAt(recorder.pages[1], 236, 283));
    EXPECT_EQ(recorder.pages[1].pixelColor(2409 + 10, 1653 + 10), Qt::white);
}

TEST_F(PrintRunTest, PageBreakOnlyWhenAPositionBeginsASheet) {
    PageRecorder ten(600, 600, PageRecorder::a4Pixels(600, 600));
    print(ten, {0, 10, 1});
    EXPECT_EQ(ten.pages.size(), 1u);
    PageRecorder eleven(600, 600, PageRecorder::a4Pixels(600, 600));
    print(eleven, {0, 11, 1});
    ASSERT_EQ(eleven.pages.size(), 2u);
    EXPECT_TRUE(labelCornerAt(eleven.pages[1], 236, 283));
    EXPECT_EQ(eleven.pages[1].pixelColor(2409 + 10, 283 + 10), Qt::white);
}

TEST_F(PrintRunTest, UnequalResolutionsAreReportedAndPrinted) {
    boxes.answerMessage(MsgAnswer::Ok);
    PageRecorder recorder(600, 300, PageRecorder::a4Pixels(600, 300));
    ASSERT_EQ(print(recorder, {3, 1, 1}), PrintOutcome::Printed);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text,
              QStringLiteral("Diese Meldung dürfte nie erscheinen. Das Programm kann mit "
                             "diesem Drucker wahrscheinlich nicht korrekt drucken."));
    EXPECT_EQ(boxes.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(boxes.messages[0].icon, MsgIcon::Information);
    const QImage& page = recorder.pages.at(0);
    EXPECT_TRUE(labelCornerAt(page, 2409, 826));
    // 2125 × 649 printer pixels: each axis at its own resolution.
    EXPECT_EQ(page.pixelColor(2409 + 2124, 826 + 648), kLabelColour);
    EXPECT_EQ(page.pixelColor(2409 + 100, 826 + 649), Qt::white);
}

TEST_F(PrintRunTest, LabelTooLargeForMemoryStartsNoJob) {
    PageRecorder recorder(600, 600, PageRecorder::a4Pixels(600, 600));
    EXPECT_EQ(print(recorder, {0, 3, 1}, {}, ImageLimits{.pixelMemoryBytes = 1 << 20}),
              PrintOutcome::NoMemory);
    EXPECT_EQ(recorder.jobs, 0);
}

TEST_F(PrintRunTest, LabelWithoutAreaStartsNoJobAndSaysWhy) {
    PageRecorder recorder(600, 600, PageRecorder::a4Pixels(600, 600));
    paper.setName(QStringLiteral("CD"));
    paper.LabelWidth = 0;
    EXPECT_EQ(print(recorder, {0, 3, 1}), PrintOutcome::NoLabelArea);
    EXPECT_EQ(noLabelAreaMessage(paper),
              QStringLiteral("Das Etikett des gewählten Papierformats \"CD\" hat keine "
                             "Fläche: seine Breite oder Höhe ist 0 mm. Es wurde nichts "
                             "gedruckt."));
    paper.LabelWidth = 90;
    paper.LabelHeight = 0;
    EXPECT_EQ(print(recorder, {0, 3, 1}), PrintOutcome::NoLabelArea);

    // 0.04 mm is less than one pixel at 600 dpi, more than one at 2400.
    paper.LabelHeight = 0.04;
    EXPECT_EQ(print(recorder, {0, 3, 1}), PrintOutcome::NoLabelArea);
    EXPECT_TRUE(noLabelAreaMessage(paper).contains(QStringLiteral("als ein Bildpunkt des Druckers")));
    EXPECT_EQ(recorder.jobs, 0);
    EXPECT_TRUE(boxes.messages.empty());
    PageRecorder fine(2400, 2400, QSize(400, 400));
    EXPECT_EQ(print(fine, {0, 1, 1}), PrintOutcome::Printed);
}

TEST_F(PrintRunTest, CalibrationUndoesWhatThePrinterMeasured) {
    // The label in position 2 (column 0, row 1) starts 10 mm right of and 70 mm
    // below the paper's corner, 90 × 55 mm; the picture fills it. On the
    // printer's canvas each length is (paper length − offset) × 100 / measured.
    const struct {
        Calibration calibration;
    } cases[] = {{{0, 0, 100, 100}}, {{4, 2, 98, 102}}, {{0, 0, 90, 110}}, {{3.5, 0, 101.5, 97.25}}};
    for (const auto& [c] : cases) {
        SCOPED_TRACE(testing::Message() << c.cL << "/" << c.cT << "/" << c.kW << "/" << c.kH);
        PageRecorder recorder(600, 600, PageRecorder::a4Pixels(600, 600));
        ASSERT_EQ(print(recorder, {2, 1, 1}, c), PrintOutcome::Printed);
        const auto pixels = [](double mm, double measured) { return mm * 100 / measured / 25.39995 * 600; };
        const int x = int(pixels(10 - c.cL, c.kW)), y = int(pixels(70 - c.cT, c.kH));
        const int width = int(pixels(90, c.kW)), height = int(pixels(55, c.kH));
        const QImage& page = recorder.pages.at(0);
        EXPECT_TRUE(labelCornerAt(page, x, y));
        // The picture reaches the label's far corner on both axes, and no further.
        EXPECT_EQ(page.pixelColor(x + width - 2, y + height - 2), kLabelColour);
        EXPECT_EQ(page.pixelColor(x + width + 1, y + height / 2), Qt::white);
        EXPECT_EQ(page.pixelColor(x + width / 2, y + height + 1), Qt::white);
    }
}
