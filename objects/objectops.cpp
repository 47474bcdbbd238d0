#include "objects/objectops.h"

#include <utility>

namespace {

constexpr int kNewObjectViewPixels = 50;

// A reused slot starts like a slot never used: without the rotation, shadow or
// outline of the object that was deleted there. The line width starts at 1,
// the value the width field shows, so what is printed matches the panel.
void resetToFreshState(AnnotationObject& object) {
    object.Rotation = 0;
    object.Align = 0;
    object.LineWidth = 1;
    object.BorderColor = 0;
    object.FillMode = 0;
    object.Shadow = false;
    object.Outline = false;
    object.ShadowX = 5;
    object.ShadowY = 5;
}

} // namespace

int firstFreeSlot(const ObjectTable& table) {
    for (int i = 1; i <= ObjectTable::kSlots; ++i)
        if (table.slot(i).Kind == KindFree) return i;
    return 0;
}

AddResult addObject(ObjectTable& table, AnnotationTool tool, int x, int y, const DialogFont& font,
                    const PixelScale& view) {
    const int free = firstFreeSlot(table);
    if (free == 0) return AddResult::TableFull;
    if (tool != AnnotationTool::Figure && tool != AnnotationTool::Text && tool != AnnotationTool::Note)
        return AddResult::NoObjectTool;

    AnnotationObject& object = table.slot(free);
    resetToFreshState(object);
    object.Kind = tool == AnnotationTool::Figure ? KindFigure : KindText;
    table.currentObject = free;
    object.Created = 1;
    object.Shape = ShapeRectangle;
    if (object.Kind == KindText) object.Shape = tool == AnnotationTool::Note ? 1 : 0;
    object.SetPixLeft(x, view);
    object.SetPixTop(y, view);
    object.SetPixWidth(kNewObjectViewPixels, view);
    object.SetPixHeight(kNewObjectViewPixels, view);
    object.Color = 0;
    object.Text.clear();
    object.FontColor = font.color;
    object.FontHeight = font.height;
    object.FontName = font.name;
    object.FontPitch = font.pitch;
    object.FontStyle = font.style;
    object.FontSize = font.size;
    return AddResult::Added;
}

void deleteSelected(ObjectTable& table) {
    AnnotationObject* object = table.selected();
    if (!object) return;
    object->Kind = KindFree;
    table.currentObject = 0;
}

namespace {

void swapSelectedWith(ObjectTable& table, int slot) {
    if (!table.selected()) return;
    std::swap(table.slot(table.currentObject), table.slot(slot));
    table.currentObject = slot;
}

} // namespace

void bringToFront(ObjectTable& table) {
    swapSelectedWith(table, ObjectTable::kSlots);
}
void sendToBack(ObjectTable& table) {
    swapSelectedWith(table, 1);
}

void setShape(ObjectTable& table, int32_t shape) {
    if (AnnotationObject* object = table.selected()) object->Shape = shape;
}

void setFillMode(ObjectTable& table, int32_t fillMode) {
    if (AnnotationObject* object = table.selected()) object->FillMode = fillMode;
}

void setLineWidth(ObjectTable& table, double width) {
    if (AnnotationObject* object = table.selected()) object->LineWidth = units::trunc32(width);
}

void setAlign(ObjectTable& table, int32_t align) {
    if (AnnotationObject* object = table.selected()) object->Align = align;
}

void setColor(ObjectTable& table, ColorRef color) {
    if (AnnotationObject* object = table.selected()) object->Color = color;
}

void setBorderColor(ObjectTable& table, ColorRef color) {
    if (AnnotationObject* object = table.selected()) object->BorderColor = color;
}

void rotateRight(ObjectTable& table) {
    if (AnnotationObject* object = table.selected())
        object->Rotation = object->Rotation + 1 > 3 ? 0 : object->Rotation + 1;
}

void rotateLeft(ObjectTable& table) {
    if (AnnotationObject* object = table.selected())
        object->Rotation = object->Rotation - 1 < 0 ? 3 : object->Rotation - 1;
}
