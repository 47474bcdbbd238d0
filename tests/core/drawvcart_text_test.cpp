#include "core/renderfixture.h"

#include "print/labeltext.h"

#include <set>
#include <utility>

namespace {

constexpr ColorRef kRedRef = 0x0000FF;
constexpr ColorRef kBlueRef = 0xFF0000;

using TextTest = RenderTest;
using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixelsOf(const QImage& image, QColor color) {
    PixelSet pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) pixels.insert({x, y});
    return pixels;
}

QRect boundsOf(const PixelSet& pixels) {
    QRect bounds;
    for (const auto& [x, y] : pixels)
        bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// How many separate bands of rows hold ink: the number of text lines.
int inkLineCount(const QImage& image) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixelColor(x, y) != Qt::white;
        if (ink && !inBand) ++bands;
        inBand = ink;
    }
    return bands;
}

TEST_F(TextTest, NoteFrameIsFiveDevicePixelsLargerAtEveryScale) {
    text(1, "", 10, 10, 20, 20).Shape = 1;
    const QColor yellow(255, 255, 0);
    const QImage image = render({80, 80});
    EXPECT_EQ(at(image, 5, 5), QColor(Qt::black));
    EXPECT_EQ(at(image, 6, 6), yellow);
    EXPECT_EQ(at(image, 20, 20), yellow);
    EXPECT_EQ(at(image, 34, 34), QColor(Qt::black));
    EXPECT_EQ(at(image, 35, 35), kWhite);
    const QImage twice = render({80, 80}, kScale * 2);
    EXPECT_EQ(at(twice, 14, 14), kWhite);
    EXPECT_EQ(at(twice, 15, 15), QColor(Qt::black));
    EXPECT_EQ(at(twice, 16, 16), yellow);
    EXPECT_EQ(at(twice, 64, 64), QColor(Qt::black));
    EXPECT_EQ(at(twice, 65, 65), kWhite);
}

TEST_F(TextTest, ShadowIsOffsetByImagePixelsAtTheScale) {
    // A narrow letter, so the shadow does not run under the text.
    AnnotationObject& object = text(1, "I", 5, 5, 50, 50);
    object.Color = kRedRef;
    object.Shadow = true;
    object.setShadowColor(kBlueRef);
    for (const auto& [scale, shift] :
         {std::pair{kScale, 5}, std::pair{kScale * 2, 10}, std::pair{kScale * 1.5, 7}}) {
        const QImage image = render({150, 150}, scale);
        const QRect main = boundsOf(pixelsOf(image, kRed));
        ASSERT_FALSE(main.isEmpty());
        EXPECT_EQ(boundsOf(pixelsOf(image, kBlue)), main.translated(shift, shift)) << "scale " << scale;
    }
}

TEST_F(TextTest, OutlineWithOnePixelIsTheFourDiagonalCopies) {
    AnnotationObject& object = text(1, "IH", 5, 5, 50, 50);
    object.Color = kRedRef;
    const PixelSet letters = pixelsOf(render(), kRed);
    ASSERT_FALSE(letters.empty());
    object.Outline = true;
    object.BorderColor = kBlueRef;
    const QImage image = render();
    EXPECT_EQ(pixelsOf(image, kRed), letters);
    PixelSet expected;
    for (const auto& [x, y] : letters)
        for (int dx : {-1, 1})
            for (int dy : {-1, 1})
                if (!letters.count({x + dx, y + dy})) expected.insert({x + dx, y + dy});
    EXPECT_EQ(pixelsOf(image, kBlue), expected);
}

TEST_F(TextTest, FormattedTextIsCutAtItsBox) {
    text(1, "HHHHHHHHHHHHHHHHHHHH", 10, 10, 30, 40);
    const QRect wide = inkBounds(render({120, 80}));
    EXPECT_LE(wide.left(), 12);
    EXPECT_LE(wide.right(), 39); // twenty letters would reach far beyond
    EXPECT_GE(wide.right(), 35);
    text(1, "H\rH\rH\rH\rH\rH\rH", 10, 10, 30, 40);
    const QRect tall = inkBounds(render({120, 200}));
    EXPECT_LE(tall.bottom(), 49);
    EXPECT_GE(tall.bottom(), 45);
}

TEST_F(TextTest, LinesBreakAtCarriageReturnsAndBetweenWords) {
    text(1, "HH HH", 0, 0, 200, 100);
    EXPECT_EQ(inkLineCount(render({200, 100})), 1);
    text(1, "HH\rHH", 0, 0, 200, 100);
    EXPECT_EQ(inkLineCount(render({200, 100})), 2);
    text(1, "HH HH", 0, 0, 40, 100);
    EXPECT_EQ(inkLineCount(render({200, 100})), 2);
}

TEST_F(TextTest, AlignmentPlacesTheLineInTheBox) {
    AnnotationObject& object = text(1, "I", 10, 10, 100, 40);
    object.Align = 0;
    EXPECT_LE(inkBounds(render({150, 60})).left(), 13);
    object.Align = 1;
    EXPECT_NEAR(inkBounds(render({150, 60})).center().x(), 60, 2);
    object.Align = 2;
    EXPECT_GE(inkBounds(render({150, 60})).right(), 105);
}

TEST_F(TextTest, RotatedTextGrowsFromItsAnchorIntoTheBoxAndIsNeverCut) {
    // A long line of capitals without descenders in a 40 × 30 box at (50, 50).
    AnnotationObject& object = text(1, "HHHHHHHHHH", 50, 50, 40, 30);

    object.Rotation = 1; // from the top-left corner, downwards
    QRect ink = inkBounds(render({300, 300}));
    EXPECT_NEAR(ink.left(), 50, 2);
    EXPECT_NEAR(ink.top(), 50, 2);
    EXPECT_GT(ink.bottom(), 80);
    EXPECT_GT(ink.height(), ink.width());

    object.Rotation = 2; // from the top-right corner, leftwards, upside down
    ink = inkBounds(render({300, 300}));
    EXPECT_NEAR(ink.right(), 89, 2);
    EXPECT_NEAR(ink.top(), 50, 2);
    EXPECT_LT(ink.left(), 50);
    EXPECT_GT(ink.width(), ink.height());

    object.Rotation = 3; // from the bottom-right corner, upwards
    ink = inkBounds(render({300, 300}));
    EXPECT_NEAR(ink.right(), 89, 2);
    EXPECT_NEAR(ink.bottom(), 79, 2);
    EXPECT_LT(ink.top(), 50);
}

TEST_F(TextTest, RotatedTextJoinsLinesWithBlanks) {
    AnnotationObject& object = text(1, "HH\rHH", 50, 50, 40, 30);
    object.Rotation = 1;
    const QRect joined = inkBounds(render({300, 300}));
    object.Text = "HH HH";
    EXPECT_EQ(inkBounds(render({300, 300})), joined);
}

TEST_F(TextTest, CharacterHeightFollowsSizeScaleAndResolutions) {
    AnnotationObject object;
    object.FontSize = 12;
    LabelRenderSettings screen{1024, 96, 96};
    EXPECT_EQ(textCharacterHeight(object, kScale, screen), 12);
    EXPECT_EQ(textCharacterHeight(object, kScale * 2.5, screen), 30);
    LabelRenderSettings largeFonts{1024, 120, 96};
    EXPECT_EQ(textCharacterHeight(object, kScale, largeFonts), 15);
    object.FontSize = 1;
    EXPECT_EQ(textCharacterHeight(object, kScale / 4, screen), 0);
}

TEST_F(TextTest, FontTakesFaceAndStyleBits) {
    AnnotationObject object;
    object.FontName = "Times New Roman";
    object.FontStyle = StyleBold | StyleUnderline;
    const QFont font = textFont(object, 20);
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_EQ(font.family(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    object.FontStyle = StyleItalic | StyleStrikeOut;
    const QFont other = textFont(object, 0);
    EXPECT_GT(other.pixelSize(), 0); // the default height
    EXPECT_FALSE(other.bold());
    EXPECT_TRUE(other.italic());
    EXPECT_TRUE(other.strikeOut());
}

TEST_F(TextTest, CallersFontIsSelectedAgain) {
    text(1, "H", 0, 0, 40, 40);
    QImage image(40, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont callers(QStringLiteral("Liberation Mono"));
    callers.setPixelSize(7);
    painter.setFont(callers);
    paintAnnotations(painter, 0, 0, kScale, *table, settings);
    EXPECT_EQ(painter.font(), callers);
}

} // namespace
