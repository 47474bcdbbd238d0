#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "support/mainwindowfixture.h"
#include "widgets/scrollbox.h"

#include <QTabWidget>

TEST_F(MainWindowTest, RetouchViewDrawsTheRegionAsADottedFrameOverThePicture) {
    form->pageTabs->setCurrentIndex(1);
    form->job.replaceImage(createImage(60, 40, 24)); // black
    form->job.setRegion({10, 5, 50, 30});
    form->retouchPage->fitViewToImage();
    const QImage view = form->retouchPage->retouchView->grab().toImage();
    ASSERT_EQ(view.size(), QSize(60, 40));
    // Along the top edge runs of three black and three white pixels take turns
    // (the corners belong to whichever side was drawn last).
    int runs = 0, length = 0;
    for (int x = 11; x < 50; ++x) {
        const QRgb p = view.pixel(x, 5);
        EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x;
        if (x > 11 && p != view.pixel(x - 1, 5)) {
            if (runs++ > 0) {
                EXPECT_EQ(length, 3) << x;
            }
            length = 0;
        }
        ++length;
    }
    EXPECT_GE(runs, 10);
    int white = 0;
    for (int y = 5; y <= 30; ++y)
        white += view.pixel(10, y) == qRgb(255, 255, 255);
    for (int y = 5; y <= 30; ++y)
        white += view.pixel(50, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 16);
    EXPECT_EQ(view.pixel(30, 20), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(5, 5), qRgb(0, 0, 0));
}
