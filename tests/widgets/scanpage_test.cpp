// The "Scannen" page: opening and saving image files, the zoom, drag-scrolling,
// and a scan from SANE's test device arriving as the current image; a disc
// served by SANE's pnm device cut out as it arrives.

#include "document/jobhistory.h"
#include "raster/imagefile.h"
#include "raster/ui/scandialogs.h"
#include "raster/ui/scanpage.h"
#include "raster/ui/scanview.h"
#include "retouch/ui/retouchpage.h"
#include "support/imagecompare.h"
#include "support/mainwindowfixture.h"
#include "support/sanehang.h"
#include "support/sanetestdir.h"
#include "support/syntheticscan.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ScanPageTest : public MainWindowTest {
  protected:
    ScanPage& page() { return *form->scanPage; }
    QString file(const QString& name) const { return files_.filePath(name); }
    QString writeImage(const DibImage& image, const QString& name, ImageFileFormat format) {
        QFile out(file(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(encodeImage(image, format));
        return out.fileName();
    }
    static QByteArray contents(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QTemporaryDir files_;
};

TEST_F(ScanPageTest, OpeningAFileReplacesTheImageAndMarksAllOfIt) {
    const QString path =
        writeImage(gradientImage24(30, 20), QStringLiteral("picture.gif.bin"), ImageFileFormat::Png);
    dialogs.answerOpenFile(FileAnswer{path, 1});
    QTest::mouseClick(page().openImageButton, Qt::LeftButton);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, GetDIBOpenFilter());
    expectSamePicture(gradientImage24(30, 20), form->job.image(), 0);
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 30, 20}));
    EXPECT_EQ(page().scanView->size(), QSize(30, 20));
}

TEST_F(ScanPageTest, AnUnreadableFileOrCancelLeavesEverythingAsItWas) {
    QFile junk(file(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a bitmap");
    junk.close();
    const MarkedRegion region = form->job.region();
    const uint8_t* pixels = form->job.image().pixels();
    dialogs.answerOpenFile(FileAnswer{junk.fileName(), 1});
    dialogs.answerMessage(MsgAnswer::Ok);
    click(page().openImageButton);
    dialogs.answerOpenFile(std::nullopt);
    click(page().openImageButton);
    EXPECT_EQ(form->job.image().pixels(), pixels);
    EXPECT_EQ(form->job.region(), region);
    // The unreadable file is told, the cancel is not.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Das Bild junk.bmp konnte nicht gelesen werden."));
}

TEST_F(ScanPageTest, SavingFollowsTheFilterPositionAndAddsItsExtension) {
    dialogs.answerSaveFile(FileAnswer{file(QStringLiteral("cover")), 6});
    QTest::mouseClick(page().saveImageButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.fileRequests.back().filter, GetDIBSaveFilter());
    EXPECT_EQ(detectImageFormat(contents(file(QStringLiteral("cover.jpg")))), ImageFileFormat::Jpg);

    // A typed extension stays, but the format is the chosen filter's.
    dialogs.answerSaveFile(FileAnswer{file(QStringLiteral("picture.png")), 1});
    click(page().saveImageButton);
    EXPECT_EQ(detectImageFormat(contents(file(QStringLiteral("picture.png")))), ImageFileFormat::Bmp);
    expectSamePicture(form->job.image(), OpenDib(file(QStringLiteral("picture.png"))), 0);

    // The retouch page's "Speichern unter..." is the same command.
    dialogs.answerSaveFile(FileAnswer{file(QStringLiteral("retouched")), 11});
    form->retouchPage->saveImageAsAction->trigger();
    EXPECT_EQ(detectImageFormat(contents(file(QStringLiteral("retouched.tif")))), ImageFileFormat::Tif);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScanPageTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    const QString existing = file(QStringLiteral("old.gif"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous contents");
    old.close();
    // Too little memory to find the GIF palette of the 24-bit image.
    form->shell().setImageLimits({.pixelMemoryBytes = 1000});
    dialogs.answerSaveFile(FileAnswer{existing, 3});
    dialogs.answerMessage(MsgAnswer::Ok);
    click(page().saveImageButton);
    form->shell().setImageLimits({});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(contents(existing), QByteArray("previous contents"));

    dialogs.answerSaveFile(FileAnswer{file(QStringLiteral("missing/dir/picture.bmp")), 1});
    dialogs.answerMessage(MsgAnswer::Ok);
    click(page().saveImageButton);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("picture.bmp")));
}

TEST_F(ScanPageTest, ZoomResizesTheViewFirstAndTruncatesItsSides) {
    EXPECT_EQ(page().scanView->size(), QSize(320, 200));
    page().zoomSpin->setValue(110);
    EXPECT_EQ(page().scanView->size(), QSize(352, 220));
    page().receiveImage(createImage(5, 5, 24));
    page().zoomSpin->setValue(10);
    EXPECT_EQ(page().scanView->size(), QSize(0, 0));
}

TEST_F(ScanPageTest, DraggingScrollsAndStopsAtEachEndOnItsOwn) {
    page().receiveImage(createImage(2000, 1500, 8));
    ScrollBox& box = *page().scanScroll;
    QTest::qWait(1);
    QWidget* view = page().scanView;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(500, 400));
    EXPECT_TRUE(form->shell().dragScroll().active);
    QTest::mouseMove(view, QPoint(400, 350));
    EXPECT_EQ(box.horizontalPosition(), 100);
    EXPECT_EQ(box.verticalPosition(), 50);
    // Far to the right: the horizontal position stops at 0, the vertical one moves on.
    QTest::mouseMove(view, QPoint(5000, 300));
    EXPECT_EQ(box.horizontalPosition(), 0);
    EXPECT_EQ(box.verticalPosition(), 150);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5000, 300));
    EXPECT_FALSE(form->shell().dragScroll().active);
    QTest::mouseMove(view, QPoint(0, 0));
    EXPECT_EQ(box.verticalPosition(), 150);
}

class ScanPageSaneTest : public ScanPageTest {
  protected:
    static void SetUpTestSuite() { useSaneTestBackend(); }
    bool scanning() { return page().scanner().scanning(); }
    // Runs the test's scans; after a hang of the backend once more, in a new
    // window. The one that hung waits for its stuck scan and is left alone.
    void runScans(const std::function<void()>& scans) {
        sanetest::withOneMoreTry(scans, [this] {
            if (form) {
                // Whatever the hung scan still says goes nowhere.
                QObject::disconnect(&page().scanner(), nullptr, nullptr, nullptr);
                form->hide();
                qApp->removeEventFilter(form.get());
                sanetest::abandon(std::move(form));
            }
            dialogs.startOver();
            createForm();
            page().scanner().chooseDevice(sanetest::testDevice(0, true));
        });
    }
};

TEST_F(ScanPageSaneTest, TheChosenDeviceIsKeptForTheRun) {
    dialogs.answerModal([](QDialog& dialog) {
        auto& select = static_cast<ScannerSelectDialog&>(dialog);
        select.deviceList->setCurrentRow(1);
        return int(QDialog::Accepted);
    });
    form->scanPage->scannerButton->clicked();
    EXPECT_EQ(page().scanner().chosenDevice(), QByteArray("test:1"));
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("ScannerSelectDialog")});
}

TEST_F(ScanPageSaneTest, AScanFromTheTestDeviceArrivesAsTheCurrentImage) {
    runScans([&] {
        dialogs.answerModal([](QDialog& dialog) {
            dialog.findChild<QComboBox*>(QStringLiteral("mode"))->setCurrentText(QStringLiteral("Gray"));
            dialog.findChild<QDoubleSpinBox*>(QStringLiteral("resolution"))->setValue(30);
            dialog.findChild<QComboBox*>(QStringLiteral("test-picture"))
                ->setCurrentText(QStringLiteral("Solid white"));
            return int(QDialog::Accepted);
        });
        page().scanButton->clicked();
        sanetest::waitForScan([&] { return form->job.image().bitCount() == 8; });
        EXPECT_FALSE(scanning());
        EXPECT_EQ(form->progressValue(), 0);
        EXPECT_NEAR(form->job.image().width(), 80 / 25.4 * 30, 1.5);
        EXPECT_EQ(pixelAt(form->job.image(), 10, 10), 255u);
        EXPECT_EQ(form->job.region(),
                  (MarkedRegion{0, 0, form->job.image().width(), form->job.image().height()}));
        EXPECT_EQ(page().scanView->size(), QSize(form->job.image().width(), form->job.image().height()));
        EXPECT_EQ(form->job.history().stack().undoText(), QStringLiteral("Scannen"));
    });
}

// The picture as a binary PPM file, what the pnm device reads.
QByteArray ppmOf(const DibImage& image) {
    QByteArray ppm = QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const uint8_t* p = image.rowFromTop(y) + 3 * x;
            ppm.append(char(p[2])).append(char(p[1])).append(char(p[0]));
        }
    return ppm;
}

TEST_F(ScanPageSaneTest, WithTheCheckBoxAScannedDiscArrivesCutOut) {
    SyntheticScan bed;
    bed.noise = 3;
    QFile picture(file(QStringLiteral("bed.ppm")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(ppmOf(makeSyntheticScan(bed)));
    picture.close();
    QTest::mouseClick(page().autoCropCheck, Qt::LeftButton);
    page().scanner().chooseDevice("pnm:0");
    dialogs.answerModal([&](QDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        name->selectAll();
        QTest::keyClicks(name, picture.fileName());
        dialog.findChild<QComboBox*>(QStringLiteral("resolution"))->setCurrentText(QStringLiteral("150 dpi"));
        return int(QDialog::Accepted);
    });
    page().scanButton->clicked();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scanning(); }, 20000));
    QTest::qWait(1);
    // 120 mm at the 150 dpi the device reported.
    EXPECT_NEAR(form->job.image().width(), 709, 1);
    EXPECT_EQ(form->job.image().height(), form->job.image().width());
    EXPECT_EQ(form->job.history().stack().undoText(), QStringLiteral("Automatisch zuschneiden"));
    form->job.history().stack().undo();
    EXPECT_EQ(form->job.image().width(), 886);
    EXPECT_EQ(form->job.history().stack().undoText(), QStringLiteral("Scannen"));
}

TEST_F(ScanPageSaneTest, ADeviceErrorIsToldAndTheImageStays) {
    runScans([&] {
        const uint8_t* pixels = form->job.image().pixels();
        dialogs.answerModal([](QDialog& dialog) {
            // With a read delay the test backend's reader thread can be stopped safely.
            dialog.findChild<QCheckBox*>(QStringLiteral("read-delay"))->setChecked(true);
            dialog.findChild<QComboBox*>(QStringLiteral("read-return-value"))
                ->setCurrentText(QStringLiteral("SANE_STATUS_IO_ERROR"));
            return int(QDialog::Accepted);
        });
        dialogs.answerMessage(MsgAnswer::Ok);
        page().scanButton->clicked();
        sanetest::waitForScan([&] { return !scanning() && !dialogs.messages.empty(); });
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
        EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Ein-/Ausgabefehler")));
        EXPECT_EQ(form->job.image().pixels(), pixels);

        // Cancelling the options dialog scans nothing and says nothing.
        dialogs.answerModal([](QDialog&) { return int(QDialog::Rejected); });
        page().scanButton->clicked();
        EXPECT_FALSE(scanning());
        EXPECT_EQ(dialogs.messages.size(), 1u);
    });
}

TEST_F(ScanPageSaneTest, AClickWhileAScanRunsSaysTheScannerIsBusy) {
    runScans([&] {
        const auto greyScanWithReadDelay = [](QDialog& dialog) {
            dialog.findChild<QComboBox*>(QStringLiteral("mode"))->setCurrentText(QStringLiteral("Gray"));
            // With a read delay the test backend's reader thread can be stopped safely.
            dialog.findChild<QCheckBox*>(QStringLiteral("read-delay"))->setChecked(true);
            return int(QDialog::Accepted);
        };
        form->setProgress(50);
        dialogs.answerModal(greyScanWithReadDelay);
        dialogs.answerMessage(MsgAnswer::Ok);
        page().scanButton->clicked();
        // The scan's end can only be heard in the event loop, which has not run yet.
        ASSERT_TRUE(scanning());
        page().scanButton->clicked();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text,
                  QStringLiteral("Der Scanner ist belegt. Bitte versuchen Sie es später noch einmal."));
        EXPECT_EQ(dialogs.modalDialogs.size(), 1u);
        sanetest::waitForScan([&] { return !scanning(); });
        EXPECT_EQ(form->job.image().bitCount(), 8);
        // The status bar followed the scan to its end.
        EXPECT_EQ(form->progressValue(), 0);

        // Closing the window while a scan runs stops it.
        dialogs.answerModal(greyScanWithReadDelay);
        page().scanButton->clicked();
        ASSERT_TRUE(scanning());
        form.reset();
    });
}

} // namespace
