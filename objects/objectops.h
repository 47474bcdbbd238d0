#pragma once
// What the commands of the "Kommentare" page do to the object table. Each
// operation on the selection does nothing while nothing is selected; the page
// asks the user and repaints.

#include "document/objecttable.h"

#include <QByteArray>

// The tools of the annotation page's tool bar.
enum class AnnotationTool { Pointer, Zoom, Hand, Figure, Text, Note };

// The font the font dialog holds; a new text object takes it over.
struct DialogFont {
    QByteArray name = "Times New Roman"; // Windows-1252
    int32_t height = -16;                // negative: character height in pixels
    ColorRef color = 0;
    uint8_t pitch = 0;
    int32_t size = 12; // points
    uint8_t style = 0; // FontStyleBits
};

// The lowest free slot, 0 when all are in use.
int firstFreeSlot(const ObjectTable& table);

enum class AddResult { Added, TableFull, NoObjectTool };

// Takes the lowest free slot for an object of `tool` with its top-left corner
// at view pixel (x, y), 50 × 50 view pixels large, and selects it.
AddResult addObject(ObjectTable& table, AnnotationTool tool, int x, int y, const DialogFont& font,
                    const PixelScale& view);

// Frees the selected slot; the slot keeps its other fields.
void deleteSelected(ObjectTable& table);

// Swaps the selected slot with slot 10000 (front) or slot 1 (back) and follows it.
void bringToFront(ObjectTable& table);
void sendToBack(ObjectTable& table);

void setShape(ObjectTable& table, int32_t shape);
void setFillMode(ObjectTable& table, int32_t fillMode);
void setLineWidth(ObjectTable& table, double width);
void setAlign(ObjectTable& table, int32_t align);
void setColor(ObjectTable& table, ColorRef color);
void setBorderColor(ObjectTable& table, ColorRef color);

// A quarter turn clockwise (right) or counter-clockwise (left), wrapping 0..3.
void rotateRight(ObjectTable& table);
void rotateLeft(ObjectTable& table);
