// "Scannen" and "Retuschieren" on a screen with a scale factor: the whole
// picture, every image pixel the zoom leaves room for, and the mouse marking
// the same image pixels as on a plain screen.

#include "scaledviewfixture.h"

#include "raster/ui/scanpage.h"
#include "raster/ui/scanview.h"
#include "retouch/tones.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "widgets/scrollbox.h"

#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace {

class ScaledPictureViewTest : public ScaledViewTest {
  protected:
    void showPage(int index) {
        form->pageTabs->setCurrentIndex(index);
        QApplication::processEvents();
    }
    void showRetouchPage() {
        showPage(1);
        form->retouchPage->fitViewToImage();
        QApplication::processEvents();
    }
    // The retouch view without the one-pixel frame of the marked region.
    QRect insideFrame(QSize view) const { return devicePixels(QRect(QPoint(2, 2), view - QSize(4, 4))); }
};

} // namespace

TEST_F(ScaledPictureViewTest, ScanViewShowsTheWholeStartPictureAndAllImagePixelsWhenReduced) {
    showPage(0);
    ScanPage& page = *form->scanPage;
    ASSERT_EQ(page.scanView->size(), QSize(320, 200));
    const QImage start = shot(page.scanView);
    EXPECT_EQ(pixelsOtherThan(start, devicePixels(QRect(0, 0, 320, 200)), qRgb(255, 255, 255)), 0);

    // At 70 % the 240 × 150 gradient is 168 × 105 logical pixels, which on this
    // screen are enough device pixels for every image column and row.
    useGradient(240, 150);
    typeInto(page.zoomSpin, QStringLiteral("70"));
    QApplication::processEvents();
    ASSERT_EQ(page.scanView->size(), QSize(168, 105));
    const QImage reduced = shot(page.scanView);
    EXPECT_EQ(gradientColumnsShown(reduced), 240);
    EXPECT_EQ(gradientRowsShown(reduced), 150);
}

TEST_F(ScaledPictureViewTest, RetouchViewShowsTheWholePictureAndTheMouseMarksImagePixels) {
    showRetouchPage();
    RetouchPage& page = *form->retouchPage;
    ASSERT_EQ(page.retouchView->size(), QSize(320, 200));
    EXPECT_EQ(pixelsOtherThan(shot(page.retouchView), insideFrame({320, 200}), qRgb(255, 255, 255)), 0);

    useGradient(240, 150);
    typeInto(page.zoomSpin, QStringLiteral("70"));
    QApplication::processEvents();
    const QImage reduced = shot(page.retouchView);
    EXPECT_EQ(gradientColumnsShown(reduced), 240);
    EXPECT_EQ(gradientRowsShown(reduced), 150);

    // Logical view pixels map to image pixels as on a plain screen: at 50 %
    // each view pixel is two image pixels.
    typeInto(page.zoomSpin, QStringLiteral("50"));
    QApplication::processEvents();
    QTest::mousePress(page.retouchView, Qt::LeftButton, {}, QPoint(10, 15));
    QTest::mouseMove(page.retouchView, QPoint(60, 45));
    QTest::mouseRelease(page.retouchView, Qt::LeftButton, {}, QPoint(60, 45));
    EXPECT_EQ(form->job.region(), (MarkedRegion{20, 30, 120, 90}));
}

TEST_F(ScaledPictureViewTest, BrightnessPreviewShowsTheWholeChangedPicture) {
    showRetouchPage();
    RetouchPage& page = *form->retouchPage;
    DibImage expected = createImage(1, 1, 24);
    setPixelAt(expected, 0, 0, makeColorRef(255, 255, 255));
    Helligkeit(expected, -10);
    const uint32_t darker = pixelAt(expected, 0, 0);
    const QRgb shown = qRgb(redOf(darker), greenOf(darker), blueOf(darker));

    dialogs.answerModal([&](QDialog& dialog) {
        auto& hk = static_cast<BrightnessContrastDialog&>(dialog);
        QTest::keyClick(hk.brightnessSlider, Qt::Key_PageDown); // one page of the brightness: −10
        QTest::mouseClick(hk.previewButton, Qt::LeftButton);
        EXPECT_EQ(pixelsOtherThan(shot(page.retouchView), insideFrame({320, 200}), shown), 0);
        QTest::mouseClick(hk.cancelButton, Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    page.brightnessAction->trigger();
    EXPECT_TRUE(dialogs.scriptDone());
}
