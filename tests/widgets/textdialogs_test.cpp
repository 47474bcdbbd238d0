#include "annotationviewfixture.h"

#include "objects/ui/objectmenu.h"
#include "objects/ui/textdialog.h"
#include "objects/ui/texteffectsdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

class TextDialogsTest : public AnnotationViewTest {
  protected:
    AnnotationObject& addText() { return add(AnnotationTool::Text, {40, 40}); }

    // Edits the text through "Text eingeben...": shows what the field held and
    // types `typed` into it.
    QStringList editText(const QString& typed, int result = QDialog::Accepted) {
        QStringList shown;
        dialogs.answerModal([&](QDialog& dialog) {
            auto& textForm = dynamic_cast<TextDialog&>(dialog);
            shown = textForm.lines();
            textForm.textEdit->setPlainText(typed);
            return result;
        });
        page().enterTextButton->click();
        return shown;
    }
};

TEST_F(TextDialogsTest, TextFormHasItsCaptionAndButtons) {
    TextDialog& textForm = *editor().textDialog;
    EXPECT_EQ(textForm.windowTitle(), QStringLiteral("Text eingeben..."));
    EXPECT_EQ(textForm.okButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(textForm.textEdit->lineWrapMode(), QPlainTextEdit::NoWrap);
    TextEffectsDialog& effects = *editor().textEffectsDialog;
    EXPECT_EQ(effects.windowTitle(), QStringLiteral("Effekte"));
    EXPECT_EQ(effects.outlineCheck->text(), QStringLiteral("Umrandung"));
    EXPECT_EQ(effects.shadowCheck->text(), QStringLiteral("Schatten"));
    EXPECT_EQ(effects.outlineColorButton->text(), QStringLiteral("Farbe"));
}

TEST_F(TextDialogsTest, LinesAreStoredWithCarriageReturnsAndShownAgain) {
    AnnotationObject& object = addText();
    EXPECT_EQ(editText(QStringLiteral("A\nB")), QStringList());
    EXPECT_EQ(object.Text, QByteArray("A\rB"));
    EXPECT_EQ(editText(QStringLiteral("A\nB")), QStringList({"A", "B"}));

    object.Text = "\r";
    EXPECT_EQ(editText(QString()), QStringList({""})); // one empty line
    EXPECT_EQ(object.Text, QByteArray());

    object.Text = "keep";
    editText(QStringLiteral("changed"), QDialog::Rejected);
    EXPECT_EQ(object.Text, QByteArray("keep"));
}

TEST_F(TextDialogsTest, NoteTakesTheSameTextOperations) {
    AnnotationObject& note = add(AnnotationTool::Note, {40, 40});
    EXPECT_EQ(note.framed(), 1);
    editText(QStringLiteral("Notiz"));
    EXPECT_EQ(note.Text, QByteArray("Notiz"));
    page().rottextleftbtn->click();
    EXPECT_EQ(note.Rotation, 3);
    page().rottextrightbtn->click();
    EXPECT_EQ(note.Rotation, 0);
}

TEST_F(TextDialogsTest, EffectsArePrimedAndANegativeShadowIsKept) {
    AnnotationObject& object = addText();
    object.BorderColor = 0x0000FF;
    dialogs.answerModal([](QDialog& dialog) {
        auto& effects = dynamic_cast<TextEffectsDialog&>(dialog);
        EXPECT_EQ(effects.shadowRightSpin->value(), 5); // every slot starts at 5, 5
        EXPECT_EQ(effects.shadowDownSpin->value(), 5);
        EXPECT_FALSE(effects.outlineCheck->isChecked());
        EXPECT_EQ(effects.effects().outlineColor, 0x0000FFu);
        effects.outlineCheck->setChecked(true);
        effects.shadowCheck->setChecked(true);
        effects.shadowRightSpin->setValue(-3);
        effects.shadowDownSpin->setValue(-3);
        effects.shadowColorButton->click(); // the shadow colour
        return int(QDialog::Accepted);
    });
    dialogs.answerColor(ColorRef(0x808080));
    page().textEffectsButton->click();
    EXPECT_TRUE(object.Outline);
    EXPECT_TRUE(object.Shadow);
    EXPECT_EQ(object.ShadowX, -3);
    EXPECT_EQ(object.ShadowY, -3);
    EXPECT_EQ(object.shadowColor(), 0x808080u);
    EXPECT_EQ(object.BorderColor, 0x0000FFu);
    ASSERT_EQ(dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(dialogs.colorRequests[0], 0u); // primed with the shadow colour
}

TEST_F(TextDialogsTest, CancelledEffectsKeepTheObjectEvenAfterAColourWasChosen) {
    AnnotationObject& object = addText();
    dialogs.answerModal([](QDialog& dialog) {
        auto& effects = dynamic_cast<TextEffectsDialog&>(dialog);
        effects.shadowCheck->setChecked(true);
        effects.shadowRightSpin->setValue(40);
        effects.outlineColorButton->click();
        return int(QDialog::Rejected);
    });
    dialogs.answerColor(ColorRef(0x00FF00));
    editor().objectMenu->textEffectsAction->trigger();
    EXPECT_FALSE(object.Shadow);
    EXPECT_EQ(object.ShadowX, 5);
    EXPECT_EQ(object.BorderColor, 0u);
}

TEST_F(TextDialogsTest, FontDialogRedReachesColorAndNewObjectsFontColorOnly) {
    AnnotationObject& first = addText();
    const ColorRef red = makeColorRef(255, 0, 0);
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(16);
    chosen.setItalic(true);
    dialogs.answerFont(FontChoice{chosen, red});
    page().fontButton->click();
    ASSERT_EQ(dialogs.fontRequests.size(), 1u);
    // The family drawn for "Times New Roman", which may stand in for it.
    EXPECT_EQ(dialogs.fontRequests[0].font.family(),
              QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    EXPECT_EQ(dialogs.fontRequests[0].font.pointSize(), 12);
    EXPECT_EQ(dialogs.fontRequests[0].color, 0u);
    EXPECT_EQ(first.Color, red);
    EXPECT_EQ(first.FontColor, 0u);
    EXPECT_EQ(first.FontName, QByteArray("Arial"));
    EXPECT_EQ(first.FontSize, 16);
    EXPECT_EQ(first.FontHeight, -21);
    EXPECT_EQ(first.FontStyle, StyleItalic);

    AnnotationObject& second = add(AnnotationTool::Text, {150, 100});
    EXPECT_EQ(second.FontName, QByteArray("Arial"));
    EXPECT_EQ(second.FontSize, 16);
    EXPECT_EQ(second.FontColor, red);
    EXPECT_EQ(second.Color, 0u);
}

TEST_F(TextDialogsTest, FontDialogOkWithTheShownFamilyKeepsTheFontNameForThisAndLaterTexts) {
    AnnotationObject& first = addText();
    // The font dialog answers with the family it showed, the stand-in for a
    // missing "Times New Roman"; the user changed only the size.
    QFont resized(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    resized.setPointSize(14);
    dialogs.answerFont(FontChoice{resized, 0});
    page().fontButton->click();
    EXPECT_EQ(first.FontName, QByteArray("Times New Roman"));
    EXPECT_EQ(first.FontSize, 14);
    AnnotationObject& second = add(AnnotationTool::Text, {150, 100});
    EXPECT_EQ(second.FontName, QByteArray("Times New Roman"));
    EXPECT_EQ(second.FontSize, 14);
}

TEST_F(TextDialogsTest, CancelledFontDialogKeepsTheObject) {
    AnnotationObject& object = addText();
    object.Color = 0x00FF00;
    object.FontSize = 20;
    dialogs.answerFont(std::nullopt);
    editor().objectMenu->fontAction->trigger();
    EXPECT_EQ(dialogs.fontRequests.at(0).color, 0x00FF00u); // primed from the object
    EXPECT_EQ(dialogs.fontRequests.at(0).font.pointSize(), 20);
    EXPECT_EQ(object.Color, 0x00FF00u);
    EXPECT_EQ(object.FontSize, 20);
    EXPECT_EQ(object.FontName, QByteArray("Times New Roman"));
}

TEST_F(TextDialogsTest, TextColourDialogCancelKeepsTheColour) {
    AnnotationObject& object = addText();
    dialogs.answerColor(std::nullopt);
    page().textColorButton->click();
    EXPECT_EQ(object.Color, 0u);
    dialogs.answerColor(ColorRef(0x0000FF));
    editor().objectMenu->colorAction->trigger();
    EXPECT_EQ(object.Color, 0x0000FFu);
}

} // namespace
