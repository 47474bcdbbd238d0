// "Kommentare", "Zentrieren" and "Drucken" on a screen with a scale factor:
// the picture composed or rendered for the screen's own pixels, in the places
// and sizes a plain screen shows, and the mouse on the same objects.

#include "scaledviewfixture.h"

#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "print/ui/printpage.h"
#include "print/ui/sheetpreview.h"
#include "widgets/scrollbox.h"

#include <QTabWidget>
#include <QToolButton>

namespace {

class ScaledLabelViewTest : public ScaledViewTest {
  protected:
    // A catalogue with the 2 × 5 format of 90 × 55 mm labels, chosen, and the
    // 240 × 150 gradient as picture.
    void startWithFormat() {
        PaperType paper;
        applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
        ASSERT_TRUE(SaveEttTypes({paper}, programDir()));
        createForm();
        useGradient(240, 150);
    }
    void showPage(QWidget* page) {
        form->pageTabs->setCurrentWidget(page);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(ScaledLabelViewTest, AnnotationViewComposesForDevicePixelsAndTheMouseMovesObjects) {
    AnnotationPage& page = *form->annotationPage;
    useGradient(240, 150);
    showPage(&page);
    // The magnifier's right click shows the page at 2/3: 160 × 100 logical
    // pixels for the picture, enough device pixels for all of it.
    page.magnifierTool->setChecked(true);
    QTest::mouseClick(page.annotationView, Qt::RightButton, {}, QPoint(5, 5));
    page.annotationView->repaint();
    const QImage reduced = shot(page.annotationView);
    EXPECT_EQ(gradientColumnsShown(reduced), 240);
    EXPECT_EQ(gradientRowsShown(reduced), 150);

    // An object dragged by 30 × 20 logical pixels moves by as much as on a
    // plain screen.
    page.shapeTool->setChecked(true); // the pointer
    page.AddObject(AnnotationTool::Figure, 40, 30);
    AnnotationObject& object = *form->job.objects().selected();
    const QPoint grab(object.PixLeft(form->job.viewScale()) + object.PixWidth(form->job.viewScale()) / 2,
                      object.PixTop(form->job.viewScale()) + object.PixHeight(form->job.viewScale()) / 2);
    const QPoint before(object.PixLeft(form->job.viewScale()), object.PixTop(form->job.viewScale()));
    QTest::mousePress(page.annotationView, Qt::LeftButton, {}, grab);
    QTest::mouseMove(page.annotationView, grab + QPoint(15, 10));
    QTest::mouseMove(page.annotationView, grab + QPoint(30, 20));
    QTest::mouseRelease(page.annotationView, Qt::LeftButton, {}, grab + QPoint(30, 20));
    EXPECT_NEAR(object.PixLeft(form->job.viewScale()), before.x() + 30, 1);
    EXPECT_NEAR(object.PixTop(form->job.viewScale()), before.y() + 20, 1);
}

TEST_F(ScaledLabelViewTest, PlacementViewDrawsThePictureForDevicePixels) {
    startWithFormat();
    PlacementPage& page = *form->placementPage;
    showPage(&page);
    // At 50 % the label is 170 logical pixels wide, the picture fills its width.
    typeInto(page.zoomSpin, QStringLiteral("50"));
    QApplication::processEvents();
    ASSERT_EQ(page.placementView->width(), 170);
    const QImage reduced = shot(page.placementView);
    EXPECT_EQ(gradientColumnsShown(reduced), 240);
    // Cut below by the label, yet more rows than the view has logical pixels.
    EXPECT_GT(gradientRowsShown(reduced), page.placementView->height());
}

TEST_F(ScaledLabelViewTest, SheetPreviewRendersTheLabelForDevicePixels) {
    startWithFormat();
    PrintPage& page = *form->printPage;
    showPage(&page);
    // At 50 % a label is 170 logical pixels wide: rendered for the screen's
    // pixels, it has room for every column of the picture.
    typeInto(page.zoomSpin, QStringLiteral("50"));
    QApplication::processEvents();
    const QImage sheet = shot(page.sheetPreview);
    EXPECT_EQ(gradientColumnsShown(sheet), 240);
    EXPECT_GT(gradientRowsShown(sheet), 104); // the label's logical height
}
