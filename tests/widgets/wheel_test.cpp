#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementpage.h"
#include "support/fakedialogs.h"
#include "support/mainwindowfixture.h"
#include "support/userinput.h"
#include "widgets/scrollbox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

constexpr int kNotchDown = -120;

// The "Zentrieren" page with two formats and its view at 500 %: tall and wide
// enough to scroll both ways.
class WheelTest : public MainWindowTest {
  protected:
    void SetUp() override {
        PaperType cd, booklet;
        applyDialogValues(cd, PaperDialogValues{QStringLiteral("CD"), 10, 5, 90, 55, 2, 3, 2, 5});
        applyDialogValues(booklet, PaperDialogValues{QStringLiteral("Booklet"), 10, 5, 120, 120, 2, 3, 1, 2});
        ASSERT_TRUE(SaveEttTypes({cd, booklet}, programDir()));
        createForm();
        form->pageTabs->setCurrentIndex(3);
        retype(page().zoomSpin, QStringLiteral("500"));
        QTest::keyClick(page().zoomSpin, Qt::Key_Return);
        QCoreApplication::processEvents();
        ASSERT_GT(box().verticalScrollBar()->maximum(), 200);
        ASSERT_GT(box().horizontalScrollBar()->maximum(), 200);
        // A click on the view takes the focus from the fields, as a user's would.
        QTest::mouseClick(box().view(), Qt::LeftButton, {}, QPoint(10, 10));
        ASSERT_FALSE(page().zoomSpin->hasFocus());
    }
    PlacementPage& page() { return *form->placementPage; }
    ScrollBox& box() { return *page().placementScroll; }
};

} // namespace

TEST_F(WheelTest, OverAFieldWithoutFocusTheWheelScrollsThePageOnly) {
    turnWheel(page().zoomSpin, kNotchDown);
    EXPECT_EQ(page().zoomSpin->value(), 500);
    EXPECT_FALSE(page().zoomSpin->hasFocus()) << "the wheel gives no focus";
    EXPECT_EQ(box().verticalPosition(), 20);

    // Over the page tabs: no other page is chosen.
    QTabBar* tabs = form->pageTabs->tabBar();
    turnWheel(tabs, tabs->tabRect(3).center(), 2 * kNotchDown);
    EXPECT_EQ(form->pageTabs->currentIndex(), 3);
    EXPECT_EQ(box().verticalPosition(), 60);
}

TEST_F(WheelTest, AFocusedFieldTakesTheWheelAndThePageStays) {
    QTest::mouseClick(page().zoomSpin->findChild<QLineEdit*>(), Qt::LeftButton);
    ASSERT_TRUE(page().zoomSpin->hasFocus());
    turnWheel(page().zoomSpin, kNotchDown);
    EXPECT_EQ(page().zoomSpin->value(), 490);
    EXPECT_EQ(box().verticalPosition(), 0);

    // The focused field turns only under the pointer; elsewhere the page scrolls.
    turnWheel(box().view(), kNotchDown);
    EXPECT_EQ(page().zoomSpin->value(), 490);
    EXPECT_EQ(box().verticalPosition(), 20);
}

TEST_F(WheelTest, OverAScrollBarOneNotchMovesThePageTwentyPixelsOnce) {
    QScrollBar* vertical = box().verticalScrollBar();
    turnWheel(vertical, kNotchDown);
    EXPECT_EQ(box().verticalPosition(), 20);
    turnWheel(vertical, 2 * kNotchDown);
    EXPECT_EQ(box().verticalPosition(), 60);

    // The horizontal bar does not turn sideways as well.
    turnWheel(box().horizontalScrollBar(), kNotchDown);
    EXPECT_EQ(box().verticalPosition(), 80);
    EXPECT_EQ(box().horizontalPosition(), 0);
}

TEST_F(WheelTest, TheFormatListChangesOnlyWithTheFocus) {
    QComboBox* list = page().formatCombo;
    turnWheel(list, kNotchDown);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(box().verticalPosition(), 20);

    // Opened and closed again with Escape, the list keeps the focus.
    QTest::mouseClick(list, Qt::LeftButton);
    QTest::keyClick(list->view(), Qt::Key_Escape);
    ASSERT_TRUE(list->hasFocus());
    turnWheel(list, kNotchDown);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(box().verticalPosition(), 20);
}

TEST(WheelInDialogs, AFieldOfADialogTurnsOnlyWithTheFocus) {
    FakeDialogs dialogs;
    PaperFormatDialog dialog(dialogs);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    turnWheel(dialog.labelWidthSpin, -kNotchDown);
    EXPECT_EQ(dialog.labelWidthSpin->value(), 90);
    QTest::mouseClick(dialog.labelWidthSpin->findChild<QLineEdit*>(), Qt::LeftButton);
    turnWheel(dialog.labelWidthSpin, -kNotchDown);
    EXPECT_EQ(dialog.labelWidthSpin->value(), 91);
}
