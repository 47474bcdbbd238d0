// "Schriftart" on a text object: Qt's own font dialog, in German as the program
// shows it, opens on the text's family, face and size, and OK without a change
// keeps them. Runs on a plain screen and on scaled ones.

#include "base/language.h"
#include "support/whenshown.h"
#include "widgets/annotationviewfixture.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>

namespace {

class FontDialogAtEveryScaleTest : public AnnotationViewTest {
  protected:
    ProgramLanguage german{Language::German};
};

struct StoredFont {
    const char* family;
    uint8_t style;
    const char* face; // the face the dialog must preselect
};

TEST_F(FontDialogAtEveryScaleTest, OkOnTheUnchangedDialogKeepsFamilyStyleAndSize) {
    ASSERT_EQ(german.installed(), 1);
    const StoredFont fonts[] = {
        {"DejaVu Sans", 0, "Book"},
        {"DejaVu Sans", StyleBold, "Bold"},
        {"DejaVu Sans", StyleItalic, "Oblique"},
        {"DejaVu Sans", StyleBold | StyleItalic | StyleUnderline, "Bold Oblique"},
        {"Liberation Sans", 0, "Regular"},
        {"Liberation Sans", StyleBold, "Bold"},
        {"Liberation Sans", StyleItalic | StyleStrikeOut, "Italic"},
        {"Liberation Sans", StyleBold | StyleItalic, "Bold Italic"},
        // One face only: bold and italic are drawn made up from it.
        {"DejaVu Math TeX Gyre", StyleBold | StyleItalic, "Regular"},
    };
    AnnotationObject& text = add(AnnotationTool::Text, {40, 40});
    for (const StoredFont& stored : fonts) {
        SCOPED_TRACE(std::string(stored.family) + " / " + stored.face);
        text.FontName = stored.family;
        text.FontStyle = stored.style;
        text.FontSize = 28;
        text.FontHeight = -37; // 28 pt at 96 dpi
        QFont shown;
        whenShown<QFontDialog>([&](QFontDialog& dialog) {
            shown = dialog.currentFont();
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        dialogs.answerFontInQtDialog();
        QTest::mouseClick(page().fontButton, Qt::LeftButton);

        EXPECT_EQ(shown.family().toStdString(), stored.family);
        EXPECT_EQ(shown.styleName().toStdString(), stored.face);
        EXPECT_EQ(shown.pointSize(), 28);
        EXPECT_EQ(text.FontName, QByteArray(stored.family));
        EXPECT_EQ(text.FontStyle, stored.style);
        EXPECT_EQ(text.FontSize, 28);
        EXPECT_EQ(text.FontHeight, -37);
    }
}

} // namespace
