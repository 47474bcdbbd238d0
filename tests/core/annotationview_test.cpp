#include "objects/annotationview.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace {

// One internal unit per view pixel, so boxes read the same in both.
class AnnotationViewTest : public ::testing::Test {
  protected:
    static AnnotationObject box(int left, int top, int width, int height) {
        AnnotationObject object;
        object.Kind = KindFigure;
        object.Left = left;
        object.Top = top;
        object.Width = width;
        object.Height = height;
        return object;
    }

    const ViewScale view_{1.0, 1.0, 1000, 800};
    const PixelScale pixels_ = PixelScale::view(1.0, 1.0);
};

TEST_F(AnnotationViewTest, HandlesReachThreePixels) {
    const AnnotationObject object = box(100, 100, 50, 40);
    DragHit hit = setdragmod(AnnotationTool::Pointer, &object, 97, 97, pixels_);
    EXPECT_EQ(hit.handle, DragHandle::TopLeft);
    EXPECT_EQ(hit.cursor, CursorResizeTopLeft);
    EXPECT_EQ(hit.GrabX, -3);
    EXPECT_EQ(hit.GrabY, -3);
    hit = setdragmod(AnnotationTool::Pointer, &object, 96, 96, pixels_);
    EXPECT_EQ(hit.handle, DragHandle::None);
    EXPECT_EQ(hit.cursor, CursorArrow);

    hit = setdragmod(AnnotationTool::Pointer, &object, 151, 142, pixels_); // bottom-right corner
    EXPECT_EQ(hit.handle, DragHandle::BottomRight);
    EXPECT_EQ(hit.GrabX, 1);
    EXPECT_EQ(hit.GrabY, 2);
    hit = setdragmod(AnnotationTool::Pointer, &object, 127, 98,
                     pixels_); // top middle: no offset along the edge
    EXPECT_EQ(hit.handle, DragHandle::Top);
    EXPECT_EQ(hit.cursor, CursorResizeTop);
    EXPECT_EQ(hit.GrabX, 0);
    EXPECT_EQ(hit.GrabY, -2);
    hit = setdragmod(AnnotationTool::Pointer, &object, 152, 121, pixels_); // right middle
    EXPECT_EQ(hit.handle, DragHandle::Right);
    EXPECT_EQ(hit.GrabX, 2);
    EXPECT_EQ(hit.GrabY, 0);
    hit = setdragmod(AnnotationTool::Pointer, &object, 110, 130, pixels_); // body
    EXPECT_EQ(hit.handle, DragHandle::Body);
    EXPECT_EQ(hit.cursor, CursorGrab);
    EXPECT_EQ(hit.GrabX, 10);
    EXPECT_EQ(hit.GrabY, 30);
}

TEST_F(AnnotationViewTest, CornersBeatEdgesAndTopBeatsBottom) {
    const AnnotationObject narrow = box(100, 100, 6, 40); // top middle at 103 overlaps both top corners
    EXPECT_EQ(setdragmod(AnnotationTool::Pointer, &narrow, 103, 100, pixels_).handle, DragHandle::TopLeft);
    const AnnotationObject low = box(100, 100, 60, 4); // top and bottom middles overlap
    EXPECT_EQ(setdragmod(AnnotationTool::Pointer, &low, 130, 102, pixels_).handle, DragHandle::Top);
    EXPECT_EQ(setdragmod(AnnotationTool::Pointer, &low, 100, 102, pixels_).handle,
              DragHandle::TopLeft); // corner before its edge
}

TEST_F(AnnotationViewTest, ToolsAndNoSelectionOnlyChooseTheCursor) {
    const AnnotationObject object = box(100, 100, 50, 40);
    EXPECT_EQ(setdragmod(AnnotationTool::Zoom, &object, 100, 100, pixels_).cursor, CursorMagnifier);
    EXPECT_EQ(setdragmod(AnnotationTool::Hand, &object, 100, 100, pixels_).cursor, CursorGrab);
    for (AnnotationTool tool : {AnnotationTool::Figure, AnnotationTool::Text, AnnotationTool::Note}) {
        const DragHit hit = setdragmod(tool, &object, 100, 100, pixels_);
        EXPECT_EQ(hit.cursor, CursorInsert);
        EXPECT_EQ(hit.handle, DragHandle::None);
    }
    EXPECT_EQ(setdragmod(AnnotationTool::Pointer, nullptr, 100, 100, pixels_).cursor, CursorArrow);
}

TEST_F(AnnotationViewTest, RightEdgeDraggedAcrossTheLeftEdgeFlips) {
    AnnotationObject object = box(1000, 200, 100, 50);
    DragHandle mode = dragit(object, DragHandle::Right, 970, 0, 0, 0, view_);
    EXPECT_EQ(mode, DragHandle::Left);
    EXPECT_EQ(object.Left, 970);
    EXPECT_EQ(object.Width, 30);
    mode = dragit(object, mode, 950, 0, 0, 0, view_); // the left edge goes on
    EXPECT_EQ(mode, DragHandle::Left);
    EXPECT_EQ(object.Left, 950);
    EXPECT_EQ(object.Width, 50);
    EXPECT_EQ(object.Top, 200);
    EXPECT_EQ(object.Height, 50);
}

TEST_F(AnnotationViewTest, CornerDraggedAcrossBothEdgesBecomesTheOppositeCorner) {
    AnnotationObject object = box(100, 100, 50, 40);
    const DragHandle mode = dragit(object, DragHandle::BottomRight, 80, 90, 0, 0, view_);
    EXPECT_EQ(mode, DragHandle::TopLeft);
    EXPECT_EQ(object.Left, 80);
    EXPECT_EQ(object.Width, 20);
    EXPECT_EQ(object.Top, 90);
    EXPECT_EQ(object.Height, 10);
    AnnotationObject top = box(100, 100, 50, 40);
    EXPECT_EQ(dragit(top, DragHandle::Top, 0, 150, 0, 0, view_),
              DragHandle::Bottom); // top edge below the bottom
    EXPECT_EQ(top.Top, 140);
    EXPECT_EQ(top.Height, 10);
}

TEST_F(AnnotationViewTest, MovesStopAtTheBorders) {
    AnnotationObject object = box(100, 100, 50, 40);
    dragit(object, DragHandle::Body, -5000, -7000, 10, 10, view_);
    EXPECT_EQ(object.Left, -50); // the right edge stops at 0
    EXPECT_EQ(object.Top, -40);
    dragit(object, DragHandle::Body, 5000, 7000, 0, 0, view_);
    EXPECT_EQ(object.Left, 999); // the near edge stops at the view's border
    EXPECT_EQ(object.Top, 799);
    EXPECT_EQ(object.Width, 50);
    dragit(object, DragHandle::Body, 31, 42, 1, 2, view_); // the grab offset keeps the mouse on its spot
    EXPECT_EQ(object.Left, 30);
    EXPECT_EQ(object.Top, 40);
}

TEST_F(AnnotationViewTest, DragsConvertAtTheZoom) {
    const ViewScale zoomed{105833.125, 1.0, 320, 200};
    AnnotationObject object = box(0, 0, 100, 100);
    dragit(object, DragHandle::Body, 10, 20, 0, 0, zoomed);
    EXPECT_EQ(object.Left, 1058331);
    EXPECT_EQ(object.Top, 2116662);
}

TEST_F(AnnotationViewTest, HitsSearchFromTheTopSlotAndSkipFreeSlots) {
    auto table = std::make_unique<ObjectTable>();
    table->slot(3) = box(0, 0, 100, 100);
    table->slot(7) = box(50, 50, 100, 100);
    table->slot(9) = box(50, 50, 100, 100);
    table->slot(9).Kind = KindFree;
    EXPECT_EQ(objectAt(*table, 60, 60, pixels_), 7);
    EXPECT_EQ(objectAt(*table, 100, 100, pixels_), 7); // borders count
    EXPECT_EQ(objectAt(*table, 20, 20, pixels_), 3);
    EXPECT_EQ(objectAt(*table, 151, 151, pixels_), 0);
}

TEST_F(AnnotationViewTest, ArrowSteppingWrapsThroughUsedSlots) {
    auto table = std::make_unique<ObjectTable>();
    table->slot(4).Kind = KindText;
    EXPECT_EQ(nextUsedSlot(*table, 4), 4); // alone: stays
    table->slot(2).Kind = KindFigure;
    table->slot(9000).Kind = KindFigure;
    EXPECT_EQ(nextUsedSlot(*table, 2), 4);
    EXPECT_EQ(nextUsedSlot(*table, 4), 9000);
    EXPECT_EQ(nextUsedSlot(*table, 9000), 2);
    table->slot(ObjectTable::kSlots).Kind = KindFigure;
    EXPECT_EQ(nextUsedSlot(*table, ObjectTable::kSlots), 2);
}

TEST_F(AnnotationViewTest, MagnifierStepsStopAtTheirBounds) {
    double perPixel = 105833.125;
    perPixel = zoomedIn(perPixel);
    EXPECT_DOUBLE_EQ(perPixel, 105833.125 / 1.5);
    int steps = 1;
    while (zoomedIn(perPixel) != perPixel) {
        perPixel = zoomedIn(perPixel);
        ++steps;
    }
    EXPECT_EQ(steps, 7);
    EXPECT_LE(perPixel, 9000);
    EXPECT_GT(perPixel * 1.5, 9000);
    perPixel = 105833.125;
    steps = 0;
    while (zoomedOut(perPixel) != perPixel) {
        perPixel = zoomedOut(perPixel);
        ++steps;
    }
    EXPECT_EQ(steps, 4);
    EXPECT_GE(perPixel, 500000);
}

TEST_F(AnnotationViewTest, ScrollPositionsStayInTheirRange) {
    EXPECT_EQ(clampScroll(-5, 100), 0);
    EXPECT_EQ(clampScroll(50, 100), 50);
    EXPECT_EQ(clampScroll(100, 100), 99);
}

TEST_F(AnnotationViewTest, SelectionFrameHasHandlesAndTheDragOutlineUndoesItself) {
    const AnnotationObject object = box(10, 10, 20, 16);
    QImage picture(60, 60, QImage::Format_RGB32);
    picture.fill(QColor(200, 100, 50));
    const QImage before = picture;
    {
        QPainter canvas(&picture);
        markrec(canvas, &object, MouseAction::Idle, pixels_);
    }
    EXPECT_EQ(picture.pixelColor(20, 10), QColor(Qt::black));         // outline
    EXPECT_EQ(picture.pixelColor(29, 20), QColor(Qt::black));         // right edge is L + W − 1
    EXPECT_EQ(picture.pixelColor(30, 20), QColor(Qt::black));         // right middle handle
    EXPECT_EQ(picture.pixelColor(33, 20), before.pixelColor(33, 20)); // handle is 6 wide: 27..32
    EXPECT_EQ(picture.pixelColor(7, 7), QColor(Qt::black));           // top-left handle from 7, 7
    EXPECT_EQ(picture.pixelColor(20, 20), before.pixelColor(20, 20)); // hollow inside

    picture = before;
    {
        QPainter canvas(&picture);
        markrec(canvas, &object, MouseAction::Dragging, pixels_);
        EXPECT_EQ(picture.pixelColor(7, 7), before.pixelColor(7, 7)); // no handles while dragging
        EXPECT_NE(picture.pixelColor(10, 10), before.pixelColor(10, 10));
        markrec(canvas, &object, MouseAction::Dragging, pixels_);
    }
    EXPECT_EQ(picture, before);
    {
        QPainter canvas(&picture);
        markrec(canvas, nullptr, MouseAction::Idle, pixels_);
    }
    EXPECT_EQ(picture, before);
}

} // namespace
