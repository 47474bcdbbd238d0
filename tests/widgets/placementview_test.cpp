#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/scrollbox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

class PlacementViewTest : public MainWindowTest {
  protected:
    PlacementPage& page() { return *form->placementPage; }

    // A catalogue with one 90 × 55 mm label, and the 320 × 200 gradient as image.
    void startWithLabel() {
        PaperType label;
        applyDialogValues(label, PaperDialogValues{QStringLiteral("CD"), 10, 5, 90, 55, 2, 3, 2, 5});
        ASSERT_TRUE(SaveEttTypes({label}, programDir()));
        createForm();
        useGradientImage();
    }
    void useGradientImage() {
        form->job.replaceImage(gradientImage24(320, 200));
        form->pageTabs->setCurrentIndex(3);
        QCoreApplication::processEvents();
    }
    QImage view() { return page().placementView->grab().toImage(); }

    void press(QPoint at) { QTest::mousePress(page().placementView, Qt::LeftButton, {}, at); }
    void moveTo(QPoint at) { QTest::mouseMove(page().placementView, at); }
    void release(QPoint at) { QTest::mouseRelease(page().placementView, Qt::LeftButton, {}, at); }
};

// Red and green of the gradient give the image pixel shown (modulo 256).
void expectImagePixel(const QImage& view, QPoint at, int x, int y) {
    const QColor shown = view.pixelColor(at);
    EXPECT_NEAR(shown.red(), x % 256, 2) << at.x() << "," << at.y();
    EXPECT_NEAR(shown.green(), y % 256, 2) << at.x() << "," << at.y();
    EXPECT_EQ(shown.blue(), 7);
}

void expectWhite(const QImage& view, QPoint at) {
    EXPECT_EQ(view.pixel(at), qRgb(255, 255, 255)) << at.x() << "," << at.y();
}

} // namespace

TEST_F(PlacementViewTest, WithoutFormatTheViewIsSquareAndShowsTheImage) {
    useGradientImage();
    EXPECT_EQ(page().placementView->size(), QSize(300, 300));
    const QImage shown = view();
    expectImagePixel(shown, {0, 0}, 0, 0);
    expectImagePixel(shown, {299, 186}, 319, 199); // 300 × 187
    expectWhite(shown, {150, 190});
}

TEST_F(PlacementViewTest, FullSizeImageFillsTheLabelWidthAndIsCutBelow) {
    startWithLabel();
    EXPECT_EQ(page().formatCombo->currentIndex(), 0);
    EXPECT_EQ(page().placementView->size(), QSize(340, 207));
    const QImage shown = view();
    expectImagePixel(shown, {0, 0}, 0, 0);
    expectImagePixel(shown, {339, 206}, 319, 194); // 212 rows would be needed
}

TEST_F(PlacementViewTest, NegativeShiftsMoveTheImageLeftAndUpAtEveryZoom) {
    startWithLabel();
    page().widthSpin->setValue(50);
    page().leftSpin->setValue(-10);
    page().topSpin->setValue(-10);
    QImage shown = view();
    // 10 mm = 37 pixels: the view's corner shows image pixel 37 × 320 / 170.
    expectImagePixel(shown, {0, 0}, 70, 70);
    expectWhite(shown, {140, 10}); // right of the image, which ends at 170 − 37
    expectWhite(shown, {10, 80});  // below it, which ends at 106 − 37

    page().zoomSpin->setValue(200);
    QCoreApplication::processEvents();
    EXPECT_EQ(page().placementView->size(), QSize(680, 415));
    shown = view();
    expectImagePixel(shown, {0, 0}, 70, 70);
    expectWhite(shown, {280, 20});
    expectWhite(shown, {20, 160});
}

TEST_F(PlacementViewTest, DragScrollsAndStopsAtEachEnd) {
    startWithLabel();
    page().zoomSpin->setValue(500); // 1700 × 1039, larger than the scroll box
    QCoreApplication::processEvents();
    ScrollBox& box = *page().placementScroll;
    const int maxX = box.horizontalScrollBar()->maximum();
    const int maxY = box.verticalScrollBar()->maximum();
    ASSERT_GT(maxX, 200);
    ASSERT_GT(maxY, 200);

    press({400, 400});
    moveTo({300, 350});
    EXPECT_EQ(box.horizontalPosition(), 100);
    EXPECT_EQ(box.verticalPosition(), 50);

    moveTo({-5000, 350});
    EXPECT_EQ(box.horizontalPosition(), maxX);
    EXPECT_EQ(box.verticalPosition(), 100);

    moveTo({5000, 400});
    EXPECT_EQ(box.horizontalPosition(), 0);
    EXPECT_EQ(box.verticalPosition(), 100);

    release({5000, 400});
    moveTo({0, 0});
    EXPECT_EQ(box.horizontalPosition(), 0);
    EXPECT_EQ(box.verticalPosition(), 100);
}

TEST_F(PlacementViewTest, TypedSizeAndShiftRedrawAtOnceAndAHalfTypedShiftKeepsItsValue) {
    startWithLabel();
    retype(page().widthSpin, QStringLiteral("50"));
    QImage shown = view();
    expectImagePixel(shown, {0, 0}, 0, 0);
    expectWhite(shown, {175, 10}); // 170 pixels wide now

    retype(page().leftSpin, QStringLiteral("10"));
    shown = view();
    expectWhite(shown, {30, 10}); // 10 mm = 37 pixels to the right
    expectImagePixel(shown, {37, 0}, 0, 0);

    // Only "-" of a negative shift typed so far: no value yet, nothing moves.
    retype(page().leftSpin, QStringLiteral("-"));
    EXPECT_EQ(page().leftSpin->text(), QStringLiteral("-"));
    EXPECT_EQ(page().leftSpin->value(), 10);
    shown = view();
    expectWhite(shown, {30, 10});
    expectImagePixel(shown, {37, 0}, 0, 0);
    // Leaving the field shows the value it kept.
    QTest::keyClick(page().leftSpin, Qt::Key_Tab);
    EXPECT_FALSE(page().leftSpin->hasFocus());
    EXPECT_EQ(page().leftSpin->text(), page().leftSpin->locale().toString(10.0, 'f', 2));
    EXPECT_EQ(page().placementValues().shiftRightMm, 10);
}
