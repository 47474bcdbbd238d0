#pragma once
// One annotation object: a figure or a text laid over the image. Positions and
// sizes are internal units measured from the image's top-left corner.

#include "document/pixelscale.h"
#include "raster/dibimage.h"

#include <QByteArray>

#include <cstdint>

enum ObjectKind : int32_t { KindFree = 0, KindFigure = 1, KindText = 2 };

enum ShapeCode : int32_t {
    ShapeCircle = 0,
    ShapeEllipse = 1,
    ShapeSquare = 2,
    ShapeRectangle = 3,
    ShapeRoundSquare = 4,
    ShapeRoundRect = 5,
    ShapeLineHorizontal = 6,
    ShapeLineVertical = 7,
    ShapeLineRising = 8,
    ShapeLineFalling = 9,
};

enum FontStyleBits : uint8_t { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeOut = 8 };

class AnnotationObject {
  public:
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    uint8_t Created = 0;
    int32_t Rotation = 0; // text: quarter turns clockwise, 0..3
    int32_t Align = 0;    // text: 0 left, 1 centred, 2 right
    int32_t Kind = KindFree;
    int32_t LineWidth = 0; // figure: pen width in image pixels
    ColorRef BorderColor = 0;
    int32_t FillMode = 0; // figure: 0 filled, 1 border only, 2 both; text: the shadow colour
    ColorRef Color = 0;
    uint8_t Reserved1 = 0;
    uint8_t Reserved2 = 0;
    bool Shadow = false;
    bool Outline = false;
    int32_t ShadowX = 0; // image pixels
    int32_t ShadowY = 0;
    int32_t Shape = 0; // figure: ShapeCode; text: 1 for a note (framed)
    QByteArray Text;   // Windows-1252, lines separated by a single 13
    ColorRef FontColor = 0;
    int32_t FontHeight = 0;
    QByteArray FontName; // Windows-1252
    uint8_t FontPitch = 0;
    int32_t FontSize = 0;  // points
    uint8_t FontStyle = 0; // FontStyleBits

    // The text variant's names for the shared fields.
    int32_t framed() const { return Shape; }
    ColorRef shadowColor() const { return ColorRef(FillMode); }
    void setShadowColor(ColorRef c) { FillMode = int32_t(c); }

    bool inUse() const { return Kind > 0; }
    friend bool operator==(const AnnotationObject&, const AnnotationObject&) = default;

    // The box in device pixels: view pixels of the annotation page, or while the
    // renderer runs, pixels of its canvas. Each field converts on its own, so a
    // right edge is PixLeft() + PixWidth(), not the converted sum.
    int32_t PixLeft(const PixelScale& scale) const { return scale.toPixels(Left); }
    int32_t PixTop(const PixelScale& scale) const { return scale.toPixels(Top); }
    int32_t PixWidth(const PixelScale& scale) const { return scale.toPixels(Width); }
    int32_t PixHeight(const PixelScale& scale) const { return scale.toPixels(Height); }
    // From view pixels of the annotation page.
    void SetPixLeft(int32_t pixels, const PixelScale& view) { Left = view.toUnits(pixels); }
    void SetPixTop(int32_t pixels, const PixelScale& view) { Top = view.toUnits(pixels); }
    void SetPixWidth(int32_t pixels, const PixelScale& view) { Width = view.toUnits(pixels); }
    void SetPixHeight(int32_t pixels, const PixelScale& view) { Height = view.toUnits(pixels); }
};
