#include "objects/textobject.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(TextObjectTest, CarriageReturnsSeparateLinesBothWays) {
    EXPECT_EQ(textLines("A\rB"), QStringList({"A", "B"}));
    EXPECT_EQ(joinTextLines({"A", "B"}), QByteArray("A\rB"));
    EXPECT_EQ(textLines(""), QStringList());
    EXPECT_EQ(textLines("\r"), QStringList({""}));
    EXPECT_EQ(textLines("A\r"), QStringList({"A"}));
    EXPECT_EQ(textLines("A\r\rB"), QStringList({"A", "", "B"}));
    EXPECT_EQ(joinTextLines({}), QByteArray());
    EXPECT_EQ(joinTextLines({""}), QByteArray());
    // Windows-1252 in the object, Unicode in the edit field.
    EXPECT_EQ(textLines("\x80 \xe4"), QStringList({QStringLiteral("€ ä")}));
    EXPECT_EQ(joinTextLines({QStringLiteral("€ ä")}), QByteArray("\x80 \xe4"));
}

TEST(TextObjectTest, EditFieldDoesNotCountTheLineAfterTheLastBreak) {
    EXPECT_EQ(memoTextOf({"A", "B"}), QStringLiteral("A\nB\n"));
    EXPECT_EQ(memoLines(QStringLiteral("A\nB\n")), QStringList({"A", "B"}));
    EXPECT_EQ(memoLines(QStringLiteral("A\nB")), QStringList({"A", "B"}));
    EXPECT_EQ(memoLines(QString()), QStringList());
    // A text of one carriage return opens as one empty line and stays one.
    EXPECT_EQ(memoLines(memoTextOf(textLines("\r"))), QStringList({""}));
    EXPECT_EQ(joinTextLines(memoLines(memoTextOf(textLines("A\rB")))), QByteArray("A\rB"));
}

TEST(TextObjectTest, FontGoesBackToEveryFieldButFontColor) {
    AnnotationObject object;
    object.FontColor = 0x00FF00;
    DialogFont font;
    font.name = "Arial";
    font.height = -21;
    font.size = 16;
    font.style = StyleBold | StyleUnderline;
    font.pitch = 1;
    font.color = 0x0000FF;
    applyDialogFont(object, font);
    EXPECT_EQ(object.Color, 0x0000FFu);
    EXPECT_EQ(object.FontColor, 0x00FF00u);
    EXPECT_EQ(object.FontName, QByteArray("Arial"));
    EXPECT_EQ(object.FontHeight, -21);
    EXPECT_EQ(object.FontSize, 16);
    EXPECT_EQ(object.FontStyle, StyleBold | StyleUnderline);
    EXPECT_EQ(object.FontPitch, 1);
    const DialogFont back = dialogFontOf(object);
    EXPECT_EQ(back.color, 0x0000FFu);
    EXPECT_EQ(back.size, 16);
}

TEST(TextObjectTest, QFontCarriesSizeAndStyleBothWays) {
    DialogFont font;
    font.name = "Times New Roman";
    font.size = 12;
    font.style = StyleItalic | StyleStrikeOut;
    const QFont qfont = qFontOf(font);
    EXPECT_EQ(qfont.pointSize(), 12);
    EXPECT_TRUE(qfont.italic());
    EXPECT_TRUE(qfont.strikeOut());
    EXPECT_FALSE(qfont.bold());
    const DialogFont back = dialogFontFrom(qfont, 0x123456, 96);
    EXPECT_EQ(back.name, QByteArray("Times New Roman"));
    EXPECT_EQ(back.size, 12);
    EXPECT_EQ(back.height, -16);
    EXPECT_EQ(back.style, StyleItalic | StyleStrikeOut);
    EXPECT_EQ(back.color, 0x123456u);
    EXPECT_EQ(dialogFontFrom(qfont, 0, 120).height, -20);

    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(20);
    bold.setBold(true);
    const DialogFont fromPixels = dialogFontFrom(bold, 0, 96);
    EXPECT_EQ(fromPixels.height, -20);
    EXPECT_EQ(fromPixels.size, 15);
    EXPECT_EQ(fromPixels.style, StyleBold);
}

TEST(TextObjectTest, FontDialogShowsTheDrawnFamilyAndKeepsTheStoredNameUnlessAnotherIsChosen) {
    DialogFont primed;
    primed.name = "No Such Family Installed";
    primed.size = 12;
    const QString drawn = QFontInfo(qFontOf(primed)).family();
    ASSERT_NE(drawn, QStringLiteral("No Such Family Installed"));
    const QFont shown = fontShownInDialog(primed);
    EXPECT_EQ(shown.family(), drawn);
    EXPECT_EQ(shown.pointSize(), 12);

    // OK with only the size and style changed: the stored name stays.
    ASSERT_TRUE(QFontDatabase::styles(drawn).contains(QStringLiteral("Bold")));
    const QFont resized = QFontDatabase::font(drawn, QStringLiteral("Bold"), 20);
    const DialogFont kept = dialogFontChosen(primed, resized, 0x0000FF, 96);
    EXPECT_EQ(kept.name, QByteArray("No Such Family Installed"));
    EXPECT_EQ(kept.size, 20);
    EXPECT_EQ(kept.style, StyleBold);
    EXPECT_EQ(kept.color, 0x0000FFu);

    // Another family is taken as chosen.
    QFont other(QStringLiteral("DejaVu Sans Mono"));
    other.setPointSize(12);
    EXPECT_EQ(dialogFontChosen(primed, other, 0, 96).name, QByteArray("DejaVu Sans Mono"));
}

TEST(TextObjectTest, EffectsUseTheSharedFields) {
    AnnotationObject object;
    applyTextEffects(object, TextEffects{true, true, 0x0000FF, 0x808080, -3, -3});
    EXPECT_TRUE(object.Outline);
    EXPECT_TRUE(object.Shadow);
    EXPECT_EQ(object.BorderColor, 0x0000FFu);
    EXPECT_EQ(object.FillMode, 0x808080);
    EXPECT_EQ(object.ShadowX, -3);
    EXPECT_EQ(object.ShadowY, -3);
    const TextEffects back = textEffectsOf(object);
    EXPECT_EQ(back.shadowColor, 0x808080u);
    EXPECT_EQ(back.shadowX, -3);
}

} // namespace
