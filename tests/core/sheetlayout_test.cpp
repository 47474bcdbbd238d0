#include "print/sheetlayout.h"
#include "support/testpapers.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A printer whose lengths are stretched by stretchX and stretchY percent.
SheetDevice printer(double dpiX, double dpiY, double stretchX = 100, double stretchY = 100, double cL = 0,
                    double cT = 0) {
    return {SheetDevice::Kind::Printer, dpiX, dpiY, stretchX / 100, stretchY / 100, cL, cT};
}

std::vector<std::pair<int, int>> cells(const std::vector<LabelSpot>& spots) {
    std::vector<std::pair<int, int>> result;
    for (const LabelSpot& spot : spots)
        result.emplace_back(spot.column, spot.row);
    return result;
}

} // namespace

TEST(SheetLayout, PositionThreeAtSixHundredDpi) {
    const SheetPlan plan = planSheets(twoByFive(), {3, 1, 1}, printer(600, 600));
    ASSERT_EQ(plan.spots.size(), 1u);
    EXPECT_EQ(plan.spots[0].column, 1);
    EXPECT_EQ(plan.spots[0].row, 1);
    EXPECT_EQ(plan.spots[0].x, 2409); // trunc((92 + 10) / 25.39995 × 600)
    EXPECT_EQ(plan.spots[0].y, 1653); // trunc((58 + 12) / 25.39995 × 600)
    EXPECT_EQ(plan.label, QSize(2125, 1299));
}

TEST(SheetLayout, JobRunsOnIntoTheNextSheet) {
    const SheetPlan plan = planSheets(twoByFive(), {3, 10, 1}, printer(600, 600));
    EXPECT_EQ(plan.sheets, 2);
    using Cells = std::vector<std::pair<int, int>>;
    EXPECT_EQ(cells(plan.onSheet(0)), (Cells{{1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {0, 4}, {1, 4}}));
    EXPECT_EQ(cells(plan.onSheet(1)), (Cells{{0, 0}, {1, 0}, {0, 1}}));
    // Exactly one page break, before global position 10.
    for (const LabelSpot& spot : plan.spots)
        EXPECT_EQ(spot.newPage, spot.position == 10) << spot.position;
}

TEST(SheetLayout, CorrectionsKeepOnePositionFreeAndThePageInRange) {
    const PrintValues used = correctJobValues(twoByFive(), {12, 1, 1});
    EXPECT_EQ(used.used, 9);
    const SheetPlan plan = planSheets(twoByFive(), {12, 1, 1}, printer(600, 600));
    EXPECT_EQ(cells(plan.spots), (std::vector<std::pair<int, int>>{{1, 4}}));
    EXPECT_EQ(correctJobValues(twoByFive(), {3, 10, 5}).sheet, 2);
    EXPECT_EQ(correctJobValues(twoByFive(), {3, 10, 2}).sheet, 2);
    // A one-label sheet leaves nothing to skip.
    PaperType single = twoByFive();
    single.CountX = single.CountY = 1;
    EXPECT_EQ(correctJobValues(single, {5, 3, 9}).used, 0);
    EXPECT_EQ(correctJobValues(single, {5, 3, 9}).sheet, 3);
}

TEST(SheetLayout, CalibrationShiftsAndStretchesPrinterLengths) {
    const PaperType paper = twoByFive();
    const LabelSpot plain = planSheets(paper, {3, 1, 1}, printer(600, 600)).spots[0];
    const LabelSpot shifted = planSheets(paper, {3, 1, 1}, printer(600, 600, 100, 100, 4, 0)).spots[0];
    // 4 mm at 600 dpi is 94.5 pixels; the sum is truncated once.
    EXPECT_EQ(shifted.x, 2314);
    EXPECT_EQ(plain.x - shifted.x, 95);
    EXPECT_EQ(shifted.y, plain.y);

    const SheetPlan wider = planSheets(paper, {3, 1, 1}, printer(600, 600, 102, 100));
    EXPECT_EQ(wider.spots[0].x, int(1.02 * (92 / 25.39995) * 600 + 1.02 * (10 / 25.39995) * 600));
    EXPECT_EQ(wider.spots[0].x, 2457);
    EXPECT_EQ(wider.label.width(), int(102 * (90 / 25.39995) / 100 * 600));
    EXPECT_EQ(wider.label.height(), 1299);
    EXPECT_EQ(wider.spots[0].y, plain.y);
}

TEST(SheetLayout, PreviewScalesWithTheZoomAndMeasuresWithTheHorizontalDpi) {
    SheetDevice screen;
    screen.dpiX = screen.dpiY = 96;
    const SheetPlan full = planSheets(twoByFive(), {3, 1, 1}, screen);
    EXPECT_EQ(full.label, QSize(340, 207));
    EXPECT_EQ(full.spots[0].x, 385); // trunc(102 / 25.39995 × 96)
    EXPECT_EQ(full.spots[0].y, 264);
    screen.kX = screen.kY = 0.5;
    const SheetPlan half = planSheets(twoByFive(), {3, 1, 1}, screen);
    EXPECT_EQ(half.label, QSize(170, 103));
    EXPECT_EQ(half.spots[0].x, 192);
    EXPECT_EQ(half.spots[0].y, 132);

    EXPECT_EQ(previewSheetSize({4960, 7015}, 96, 600, 100), QSize(793, 1122));
    EXPECT_EQ(previewSheetSize({4960, 7015}, 96, 600, 50), QSize(396, 561));
}

TEST(SheetLayout, FormatWithoutGridPlacesNothing) {
    PaperType broken = twoByFive();
    broken.CountX = 0;
    const SheetPlan plan = planSheets(broken, {3, 10, 4}, printer(600, 600));
    EXPECT_TRUE(plan.spots.empty());
    EXPECT_EQ(plan.sheets, 1);
    EXPECT_EQ(plan.corrected.sheet, 1);
}
