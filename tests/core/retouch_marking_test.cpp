#include "retouch/marking.h"

#include <gtest/gtest.h>

namespace {

// A 100 × 80 image shown at 100 % with the region (20, 10) .. (60, 50).
RegionMarking markedAt100() {
    RegionMarking marking;
    marking.layout(100, 80, 100, 80, {20, 10, 60, 50});
    return marking;
}

} // namespace

TEST(RegionMarking, ViewRectangleRoundsToNearestEvenAndStaysInsideTheView) {
    RegionMarking marking;
    // 10 pixels shown as 25: 2.5 per pixel; 1 → 2.5 → 2, 3 → 7.5 → 8.
    marking.layout(10, 10, 25, 25, {1, 3, 10, 10});
    EXPECT_EQ(marking.viewRect(), (ViewRect{2, 8, 24, 24}));
    EXPECT_DOUBLE_EQ(marking.scaleX(), 2.5);
}

TEST(RegionMarking, HoverPicksEdgesAndTheCursorByTheRules) {
    RegionMarking m = markedAt100();
    EXPECT_EQ(m.hover(21, 30), MarkCursor::SizeWE);
    EXPECT_EQ(m.edges(), (EdgeFlags{true, false, false, false}));
    EXPECT_EQ(m.hover(64, 30), MarkCursor::SizeWE);
    EXPECT_EQ(m.edges(), (EdgeFlags{false, true, false, false}));
    EXPECT_EQ(m.hover(40, 5), MarkCursor::Arrow); // five pixels off is no longer near
    EXPECT_FALSE(m.edgeHover());
    EXPECT_EQ(m.hover(40, 12), MarkCursor::SizeNS);
    EXPECT_EQ(m.hover(40, 49), MarkCursor::SizeNS);
    EXPECT_EQ(m.edges(), (EdgeFlags{false, false, false, true}));
    EXPECT_EQ(m.hover(20, 10), MarkCursor::SizeNWSE);
    EXPECT_EQ(m.hover(60, 50), MarkCursor::SizeNWSE);
    EXPECT_EQ(m.hover(60, 10), MarkCursor::SizeNESW);
    EXPECT_EQ(m.hover(20, 50), MarkCursor::SizeNESW);
    EXPECT_EQ(m.edges(), (EdgeFlags{true, false, false, true}));
    EXPECT_EQ(m.hover(40, 30), MarkCursor::Arrow);
    EXPECT_FALSE(m.edgeHover());
}

TEST(RegionMarking, PressOutsideTheViewDoesNothingAndInsideStartsARegion) {
    RegionMarking m = markedAt100();
    PixelRegion region{20, 10, 60, 50};
    m.hover(90, 70);
    EXPECT_FALSE(m.press(100, 5, region));
    EXPECT_FALSE(m.press(-1, 5, region));
    EXPECT_FALSE(m.dragging());
    EXPECT_TRUE(m.press(90, 70, region));
    EXPECT_EQ(region, (PixelRegion{90, 70, 90, 70}));
    EXPECT_EQ(m.edges(), (EdgeFlags{false, true, false, true}));
    EXPECT_TRUE(m.release());
    EXPECT_FALSE(m.release());
}

TEST(RegionMarking, DraggedEdgesSwapWhenTheyCrossAndClampToTheView) {
    RegionMarking m = markedAt100();
    PixelRegion region{20, 10, 60, 50};
    m.hover(60, 30); // the right edge
    ASSERT_TRUE(m.press(60, 30, region));
    m.dragTo(5, 30, region);
    EXPECT_EQ(region, (PixelRegion{5, 10, 20, 50}));
    EXPECT_EQ(m.edges(), (EdgeFlags{true, false, false, false}));
    m.layout(100, 80, 100, 80, region); // the paint that follows
    m.dragTo(-30, 30, region);
    EXPECT_EQ(region, (PixelRegion{0, 10, 20, 50}));
    // The left edge dragged out past the right one stops at the view's end and
    // goes on as the right edge.
    m.dragTo(500, 30, region);
    m.layout(100, 80, 100, 80, region);
    EXPECT_EQ(region, (PixelRegion{20, 10, 99, 50}));
    EXPECT_EQ(m.edges(), (EdgeFlags{false, true, false, false}));
}

TEST(RegionMarking, AtHighZoomTheClampedEdgeReachesTheImageWidth) {
    RegionMarking m;
    PixelRegion region;
    m.layout(10, 10, 30, 30, region);
    ASSERT_TRUE(m.press(3, 3, region));
    m.dragTo(1000, 1000, region);
    EXPECT_EQ(region, (PixelRegion{1, 1, 10, 10})); // nearest(29 / 3) = 10
}
