#include "core/renderfixture.h"

#include "document/pixelscale.h"

namespace {

constexpr ColorRef kRedRef = 0x0000FF;
constexpr ColorRef kBlueRef = 0xFF0000;

using FigureTest = RenderTest;

TEST_F(FigureTest, RectangleCoversItsBoxWithoutRightAndBottomEdge) {
    figure(1, ShapeRectangle, 2, 2, 6, 4, kRedRef);
    const QImage image = render();
    EXPECT_EQ(at(image, 2, 2), kRed);
    EXPECT_EQ(at(image, 7, 5), kRed);
    EXPECT_EQ(at(image, 4, 3), kRed);
    EXPECT_EQ(at(image, 8, 3), kWhite);
    EXPECT_EQ(at(image, 4, 6), kWhite);
    EXPECT_EQ(at(image, 1, 1), kWhite);
    EXPECT_EQ(inkBounds(image), QRect(2, 2, 6, 4));
}

TEST_F(FigureTest, FillModesChooseBorderAndInside) {
    // Border only: the inside keeps what was drawn before.
    AnnotationObject& border = figure(1, ShapeRectangle, 2, 2, 8, 8, kRedRef);
    border.FillMode = 1;
    border.BorderColor = kBlueRef;
    AnnotationObject& both = figure(2, ShapeRectangle, 20, 2, 8, 8, kRedRef);
    both.FillMode = 2;
    both.BorderColor = kBlueRef;
    const QImage image = render({40, 20}, kScale, 0, 0, kGreen);
    EXPECT_EQ(at(image, 2, 2), kBlue);
    EXPECT_EQ(at(image, 9, 9), kBlue);
    EXPECT_EQ(at(image, 5, 5), kGreen);
    EXPECT_EQ(at(image, 10, 5), kGreen);
    EXPECT_EQ(at(image, 20, 2), kBlue);
    EXPECT_EQ(at(image, 27, 5), kBlue);
    EXPECT_EQ(at(image, 24, 5), kRed);
}

TEST_F(FigureTest, LinesUseTheFillColourWhateverTheFillMode) {
    AnnotationObject& line = figure(1, ShapeLineHorizontal, 2, 3, 10, 10, kRedRef);
    line.FillMode = 1;
    line.BorderColor = kBlueRef;
    const QImage image = render();
    EXPECT_EQ(at(image, 2, 3), kRed);
    EXPECT_EQ(at(image, 11, 3), kRed);
    EXPECT_EQ(at(image, 12, 3), kWhite); // the end point is left out
    EXPECT_EQ(inkBounds(image), QRect(2, 3, 10, 1));
}

TEST_F(FigureTest, VerticalAndDiagonalLinesRunAlongTheirEdges) {
    figure(1, ShapeLineVertical, 2, 2, 10, 10, kRedRef);
    figure(2, ShapeLineRising, 20, 2, 10, 10, kRedRef);
    figure(3, ShapeLineFalling, 40, 2, 10, 10, kRedRef);
    const QImage image = render();
    EXPECT_EQ(inkBounds(image.copy(0, 0, 15, 60)), QRect(2, 2, 1, 10));
    // Rising: from the bottom-left corner up to (not including) the top-right one.
    EXPECT_EQ(at(image, 20, 12), kRed);
    EXPECT_EQ(at(image, 25, 7), kRed);
    EXPECT_EQ(at(image, 30, 2), kWhite);
    EXPECT_EQ(at(image, 40, 2), kRed);
    EXPECT_EQ(at(image, 45, 7), kRed);
    EXPECT_EQ(at(image, 50, 12), kWhite);
}

TEST_F(FigureTest, EllipseStaysInsideItsBox) {
    figure(1, ShapeEllipse, 0, 0, 20, 10, kRedRef);
    const QImage image = render();
    EXPECT_EQ(at(image, 10, 5), kRed);
    EXPECT_EQ(at(image, 0, 5), kRed);
    EXPECT_EQ(at(image, 19, 5), kRed);
    EXPECT_EQ(at(image, 10, 9), kRed);
    EXPECT_EQ(at(image, 0, 0), kWhite);
    EXPECT_EQ(inkBounds(image), QRect(0, 0, 20, 10));
}

TEST_F(FigureTest, BorderOnlyEllipseIsARing) {
    AnnotationObject& ring = figure(1, ShapeEllipse, 0, 0, 20, 20, kRedRef);
    ring.FillMode = 1;
    ring.BorderColor = kBlueRef;
    const QImage image = render();
    EXPECT_EQ(at(image, 10, 10), kWhite);
    EXPECT_EQ(at(image, 0, 10), kBlue);
    EXPECT_EQ(at(image, 19, 10), kBlue);
    EXPECT_EQ(at(image, 10, 0), kBlue);
    EXPECT_EQ(at(image, 10, 19), kBlue);
    EXPECT_EQ(inkBounds(image), QRect(0, 0, 20, 20));
}

TEST_F(FigureTest, CircleAndSquareSitInTheTopLeftCorner) {
    figure(1, ShapeCircle, 0, 0, 100, 40, kRedRef);
    figure(2, ShapeSquare, 0, 50, 100, 40, kRedRef);
    const QImage image = render({110, 100});
    EXPECT_EQ(inkBounds(image.copy(0, 0, 110, 45)), QRect(0, 0, 40, 40));
    EXPECT_EQ(at(image, 20, 20), kRed);
    EXPECT_EQ(inkBounds(image.copy(0, 45, 110, 55)), QRect(0, 5, 40, 40));
}

TEST_F(FigureTest, RoundedSquareTakesItsCornersFromTheWholeBox) {
    // Corners W div 3 × H div 3 = 33 × 13 of the 100 × 40 box, on the 40 × 40 square.
    figure(1, ShapeRoundSquare, 0, 0, 100, 40, kRedRef);
    const QImage image = render({110, 50});
    EXPECT_EQ(inkBounds(image), QRect(0, 0, 40, 40));
    EXPECT_EQ(at(image, 9, 0), kWhite); // inside the 16.5-pixel wide corner
    EXPECT_EQ(at(image, 11, 0), kRed);
    EXPECT_EQ(at(image, 0, 2), kWhite); // the corner is only 6.5 pixels high
    EXPECT_EQ(at(image, 0, 8), kRed);
    EXPECT_EQ(at(image, 20, 20), kRed);
}

TEST_F(FigureTest, PenIsAtLeastOneDevicePixel) {
    AnnotationObject& thin = figure(1, ShapeRectangle, 2, 2, 10, 10, kRedRef);
    thin.FillMode = 1;
    thin.BorderColor = kBlueRef;
    thin.LineWidth = 0;
    // Half a device pixel per image pixel: a width of 1 also truncates to 0.
    AnnotationObject& half = figure(2, ShapeRectangle, 40, 4, 20, 20, kRedRef);
    half.FillMode = 1;
    half.BorderColor = kBlueRef;
    const QImage image = render({60, 40}, kScale);
    EXPECT_EQ(at(image, 2, 5), kBlue);
    EXPECT_EQ(at(image, 3, 5), kWhite);
    const QImage halfScale = render({60, 40}, kScale / 2);
    EXPECT_EQ(at(halfScale, 20, 7), kBlue);
    EXPECT_EQ(at(halfScale, 21, 7), kWhite);
}

TEST_F(FigureTest, WidePenIsCentredOnTheOutermostPixels) {
    AnnotationObject& thick = figure(1, ShapeRectangle, 10, 10, 20, 20, kRedRef);
    thick.FillMode = 1;
    thick.BorderColor = kBlueRef;
    thick.LineWidth = 3;
    const QImage image = render();
    EXPECT_EQ(inkBounds(image), QRect(9, 9, 22, 22));
    EXPECT_EQ(at(image, 11, 20), kBlue);
    EXPECT_EQ(at(image, 12, 20), kWhite);
    EXPECT_EQ(at(image, 27, 20), kWhite);
    EXPECT_EQ(at(image, 28, 20), kBlue);
}

TEST_F(FigureTest, OffsetsAndScaleMoveAndSizeTogether) {
    figure(1, ShapeRectangle, 2, 3, 4, 5, kRedRef).LineWidth = 0;
    EXPECT_EQ(inkBounds(render({60, 60}, kScale, -10, -20)), QRect(12, 23, 4, 5));
    EXPECT_EQ(inkBounds(render({60, 60}, kScale * 2)), QRect(4, 6, 8, 10));
}

TEST_F(FigureTest, HigherSlotsLieOnTop) {
    figure(7, ShapeRectangle, 0, 0, 10, 10, kRedRef);
    figure(3, ShapeRectangle, 0, 0, 10, 10, kBlueRef);
    EXPECT_EQ(at(render(), 5, 5), kRed);
}

TEST_F(FigureTest, FreeSlotsAndUnknownKindsDrawNothing) {
    EXPECT_EQ(inkBounds(render()), QRect());
    figure(1, ShapeRectangle, 0, 0, 10, 10, kRedRef).Kind = KindFree;
    figure(2, ShapeRectangle, 0, 0, 10, 10, kRedRef).Kind = 3;
    figure(3, ShapeRectangle, 0, 0, 10, 10, kRedRef).Kind = -1;
    text(4, "Hallo", 0, 0, 40, 40).Kind = 7;
    EXPECT_EQ(inkBounds(render()), QRect());
}

} // namespace

namespace {

TEST_F(FigureTest, BoxesFromBrokenFilesDrawWithoutOverflow) {
    AnnotationObject& huge = figure(1, ShapeRectangle, 0, 0, 1, 1, kRedRef);
    huge.LineWidth = 0;
    huge.Left = -50000000;
    huge.Width = 2100000000;
    huge.Height = 2100000000;
    AnnotationObject& note = text(2, "x", 0, 0, 1, 1);
    note.Shape = 1;
    note.Left = note.Top = 2147483647;
    note.Width = note.Height = 2147483647;
    // Far beyond the picture in every direction: the rectangle covers it all.
    const QImage image = render({20, 20}, 1.0);
    EXPECT_EQ(at(image, 10, 10), kRed);
}

} // namespace
