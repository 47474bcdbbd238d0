#include "objects/objectops.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Start-up view scales of a 96-dpi screen: 105833.125 units per view pixel.
class ObjectOpsTest : public ::testing::Test {
  protected:
    int add(AnnotationTool tool = AnnotationTool::Figure) {
        EXPECT_EQ(addObject(*table, tool, 10, 20, DialogFont{}, view_), AddResult::Added);
        return table->currentObject;
    }

    const PixelScale view_ = PixelScale::view(1.0, 2 * units::kUnitsPerMm * units::kMmPerInch / 96);
    std::unique_ptr<ObjectTable> table = std::make_unique<ObjectTable>();
};

TEST_F(ObjectOpsTest, NewObjectIsFiftyViewPixelsAtTheMouse) {
    const int slot = add(AnnotationTool::Figure);
    ASSERT_EQ(slot, 1);
    const AnnotationObject& object = table->slot(1);
    EXPECT_EQ(object.Kind, KindFigure);
    EXPECT_EQ(object.Created, 1);
    EXPECT_EQ(object.Shape, ShapeRectangle);
    EXPECT_EQ(object.Width, 5291656);
    EXPECT_EQ(object.Height, 5291656);
    EXPECT_EQ(object.Left, 1058331);
    EXPECT_EQ(object.Top, 2116662);
    EXPECT_EQ(object.PixLeft(view_), 9); // truncation both ways loses a pixel
    EXPECT_EQ(object.PixWidth(view_), 49);
    EXPECT_EQ(object.FontName, QByteArray("Times New Roman"));
    EXPECT_EQ(object.FontHeight, -16);
    EXPECT_EQ(object.FontSize, 12);
}

TEST_F(ObjectOpsTest, TextAndNoteDifferOnlyInTheFrame) {
    EXPECT_EQ(table->slot(add(AnnotationTool::Text)).framed(), 0);
    EXPECT_EQ(table->slot(add(AnnotationTool::Note)).framed(), 1);
    EXPECT_EQ(table->slot(2).Kind, KindText);
    EXPECT_EQ(addObject(*table, AnnotationTool::Hand, 0, 0, DialogFont{}, view_), AddResult::NoObjectTool);
    EXPECT_EQ(table->currentObject, 2);
    EXPECT_EQ(firstFreeSlot(*table), 3);
}

TEST_F(ObjectOpsTest, FullTableRefusesAndAFreedSlotIsTakenNext) {
    for (int i = 1; i <= ObjectTable::kSlots; ++i)
        table->slot(i).Kind = KindFigure;
    table->currentObject = 17;
    EXPECT_EQ(addObject(*table, AnnotationTool::Figure, 0, 0, DialogFont{}, view_), AddResult::TableFull);
    // The full table is reported whatever the tool.
    EXPECT_EQ(addObject(*table, AnnotationTool::Pointer, 0, 0, DialogFont{}, view_), AddResult::TableFull);
    EXPECT_EQ(table->currentObject, 17);
    table->currentObject = 4711;
    deleteSelected(*table);
    EXPECT_EQ(table->currentObject, 0);
    EXPECT_EQ(add(), 4711);
}

TEST_F(ObjectOpsTest, NewObjectTakesTheLowestFreeSlotBeneathLaterOnes) {
    for (int i = 1; i <= 5; ++i)
        add();
    table->currentObject = 3;
    deleteSelected(*table);
    EXPECT_EQ(add(AnnotationTool::Text), 3);
    EXPECT_EQ(table->slot(3).Kind, KindText);
}

TEST_F(ObjectOpsTest, ReusedSlotStartsFresh) {
    const int slot = add(AnnotationTool::Text);
    AnnotationObject& object = table->slot(slot);
    object.Rotation = 2;
    object.Align = 1;
    object.Shadow = object.Outline = true;
    object.ShadowX = 9;
    object.setShadowColor(0xFF);
    object.Text = "alt";
    deleteSelected(*table);
    EXPECT_EQ(object.Rotation, 2); // a freed slot keeps its fields
    ASSERT_EQ(add(AnnotationTool::Text), slot);
    EXPECT_EQ(object.Rotation, 0);
    EXPECT_EQ(object.Align, 0);
    EXPECT_FALSE(object.Shadow);
    EXPECT_FALSE(object.Outline);
    EXPECT_EQ(object.ShadowX, 5);
    EXPECT_EQ(object.shadowColor(), 0u);
    EXPECT_EQ(object.LineWidth, 1);
    EXPECT_TRUE(object.Text.isEmpty());
}

TEST_F(ObjectOpsTest, FrontSwapsWithTheTopSlotEvenWhenItIsFree) {
    add();
    const int second = add();
    table->slot(second).Color = 0x123456;
    bringToFront(*table);
    EXPECT_EQ(table->currentObject, ObjectTable::kSlots);
    EXPECT_EQ(table->slot(second).Kind, KindFree);
    EXPECT_EQ(table->slot(ObjectTable::kSlots).Color, 0x123456u);

    // An object already on top swaps with the selected one.
    table->currentObject = 1;
    table->slot(1).Color = 0xABCDEF;
    bringToFront(*table);
    EXPECT_EQ(table->slot(1).Color, 0x123456u);
    EXPECT_EQ(table->slot(ObjectTable::kSlots).Color, 0xABCDEFu);
}

TEST_F(ObjectOpsTest, BackSwapsWithSlotOne) {
    for (int i = 1; i <= 3; ++i)
        table->slot(add()).Color = ColorRef(i);
    table->currentObject = 3;
    sendToBack(*table);
    EXPECT_EQ(table->currentObject, 1);
    EXPECT_EQ(table->slot(1).Color, 3u);
    EXPECT_EQ(table->slot(2).Color, 2u);
    EXPECT_EQ(table->slot(3).Color, 1u);
    sendToBack(*table); // already at the back: nothing moves
    EXPECT_EQ(table->slot(1).Color, 3u);
}

TEST_F(ObjectOpsTest, RotationWrapsBothWays) {
    add(AnnotationTool::Text);
    AnnotationObject& object = *table->selected();
    rotateLeft(*table);
    EXPECT_EQ(object.Rotation, 3);
    rotateRight(*table);
    EXPECT_EQ(object.Rotation, 0);
    for (int i = 0; i < 3; ++i)
        rotateRight(*table);
    EXPECT_EQ(object.Rotation, 3);
    rotateRight(*table);
    EXPECT_EQ(object.Rotation, 0);
}

TEST_F(ObjectOpsTest, PropertySettersActOnTheSelectionOnly) {
    add();
    AnnotationObject& object = *table->selected();
    setShape(*table, ShapeLineRising);
    setFillMode(*table, 2);
    setLineWidth(*table, 7.9);
    setColor(*table, 0x10);
    setBorderColor(*table, 0x20);
    setAlign(*table, 2);
    EXPECT_EQ(object.Shape, ShapeLineRising);
    EXPECT_EQ(object.FillMode, 2);
    EXPECT_EQ(object.LineWidth, 7);
    EXPECT_EQ(object.Color, 0x10u);
    EXPECT_EQ(object.BorderColor, 0x20u);
    EXPECT_EQ(object.Align, 2);

    table->currentObject = 0;
    const AnnotationObject before = object;
    setShape(*table, 0);
    setColor(*table, 0);
    rotateRight(*table);
    bringToFront(*table);
    deleteSelected(*table);
    EXPECT_EQ(object.Shape, before.Shape);
    EXPECT_EQ(object.Color, before.Color);
    EXPECT_EQ(object.Kind, KindFigure);
    EXPECT_EQ(table->slot(ObjectTable::kSlots).Kind, KindFree);
}

TEST_F(ObjectOpsTest, ViewAccessorsFollowZoomAndRenderOnesTheirScale) {
    AnnotationObject object;
    object.Left = 1000000;
    const PixelScale view = PixelScale::view(1.5, 1000);
    EXPECT_EQ(object.PixLeft(view), 1500);
    object.SetPixTop(-7, view);
    EXPECT_EQ(object.Top, -4666); // toward zero
    EXPECT_EQ(object.PixLeft(PixelScale::render(0.0025)), 2500);
    object.SetPixWidth(30, view);
    EXPECT_EQ(object.Width, 20000);
}

} // namespace
