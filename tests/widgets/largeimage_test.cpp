// A 40000 × 30000 one-bit picture (line art scanned at a high resolution) on
// every page: each view computes what it shows from the packed rows and never
// unpacks, copies or scales the whole picture.

#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "print/ui/printpage.h"
#include "print/ui/sheetpreview.h"
#include "raster/ui/scanpage.h"
#include "raster/ui/scanview.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "support/mainwindowfixture.h"
#include "widgets/scrollbox.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstring>

namespace {

// White in its top-left quarter, black elsewhere.
DibImage quarteredLineArt() {
    DibImage image = createImage(40000, 30000, 1);
    for (int y = 0; y < 15000; ++y)
        std::memset(image.rowFromTop(y), 0xFF, 20000 / 8);
    return image;
}

bool showsBlackAndWhite(const QImage& view) {
    bool black = false, white = false;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x) {
            black |= view.pixel(x, y) == qRgb(0, 0, 0);
            white |= view.pixel(x, y) == qRgb(255, 255, 255);
        }
    return black && white;
}

} // namespace

TEST_F(MainWindowTest, AHugeOneBitPictureShowsOnEveryPageWithoutUnpackingIt) {
    PaperType paper;
    applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
    ASSERT_TRUE(SaveEttTypes({paper}, programDir()));
    createForm();
    DibImage image = quarteredLineArt();
    ASSERT_FALSE(image.isNull());
    form->scanPage->receiveImage(std::move(image)); // as "Bild öffnen..." hands over a read picture
    ASSERT_EQ(form->job.region(), (MarkedRegion{0, 0, 40000, 30000}));

    // Unpacked to a byte per pixel the picture would need 1.2 GB; the limit
    // leaves room for what the views show and nothing like the whole.
    form->shell().setImageLimits({.pixelMemoryBytes = std::size_t(32) << 20});
    QWidget* views[] = {form->scanPage->scanView, form->retouchPage->retouchView,
                        form->annotationPage->annotationView, form->placementPage->placementView,
                        form->printPage->sheetPreview};
    QTabBar* tabs = form->pageTabs->tabBar();
    for (int page = 0; page < 5; ++page) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
        QApplication::processEvents();
        QApplication::processEvents(); // a view first shown fits its size on its first paint
        ASSERT_EQ(form->pageTabs->currentIndex(), page);
        // At 100 % the first three views show a part of the white quarter; the
        // placement view and the sheet preview show the whole picture reduced.
        const QImage shown = views[page]->grab(QRect(0, 0, 400, 300)).toImage();
        EXPECT_EQ(shown.pixel(5, 5), qRgb(255, 255, 255)) << page;
        if (page >= 3) {
            EXPECT_TRUE(showsBlackAndWhite(views[page]->grab().toImage())) << page;
        }
    }
    EXPECT_TRUE(dialogs.messages.empty()); // the scripted dialogs fail on any message, too
}
