// Printing onto discs: cdcover-batch --disc onto a queue whose driver has a
// disc tray (gutenprint's Epson R300, its job caught by a capturing backend),
// into a PDF file, and the driver's own filters showing the tray command.

#include "privatecups.h"

#include "print/disctray.h"
#include "print/printer/cupsdisctray.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/discchoice.h"
#include "print/ui/printpage.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cmath>

namespace {

const QString kDiscQueue = QStringLiteral("cdcovertest-disc");
const QString kGutenprint = QStringLiteral("/usr/lib/cups/driver/gutenprint.5.3");

struct BatchRun {
    int exitCode = -1;
    QString out, err;
};

struct CapturedJob {
    QString pdf;
    QStringList options;
};

class DiscPrintTest : public PrivateCupsTest {
  protected:
    DiscPrintTest() : PrivateCupsTest({kDiscQueue, kQueue}) {}

    void SetUp() override {
        if (!QFile::exists(kGutenprint)) GTEST_SKIP() << "printer-driver-gutenprint is not installed";
        PrivateCupsTest::SetUp();
        if (IsSkipped()) return;
        QImage picture(200, 200, QImage::Format_RGB32);
        picture.fill(kLabelColour);
        ASSERT_TRUE(picture.save(work.filePath(QStringLiteral("disc.png"))));
    }

    BatchRun batch(const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(CDCOVER_BATCH),
                      QStringList{QStringLiteral("--image"), work.filePath(QStringLiteral("disc.png"))} +
                          arguments);
        BatchRun run;
        if (!process.waitForFinished(120000)) return run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The first job the capturing backend kept, once it is complete.
    std::optional<CapturedJob> capturedJob() {
        const QDir captured(cupsFolder() + QStringLiteral("/captured"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            const QStringList pdfs = captured.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
            if (!pdfs.isEmpty()) {
                QFile options(captured.filePath(
                    QString(pdfs.first()).replace(QStringLiteral(".pdf"), QStringLiteral(".options"))));
                if (!options.open(QIODevice::ReadOnly)) return std::nullopt;
                return CapturedJob{captured.filePath(pdfs.first()),
                                   QString::fromUtf8(options.readAll()).simplified().split(QLatin1Char(' '))};
            }
            QTest::qWait(200);
        }
        return std::nullopt;
    }

    // The PPD the driver generates for the Epson R300, all its filters kept.
    QString epsonPpd() {
        const auto ppd = runProgram(
            kGutenprint, {QStringLiteral("cat"), QStringLiteral("gutenprint.5.3://escp2-r300/expert")});
        if (!ppd) return {};
        QFile file(work.filePath(QStringLiteral("r300.ppd")));
        if (!file.open(QIODevice::WriteOnly) || file.write(*ppd) != ppd->size()) return {};
        return file.fileName();
    }
};

// Where on `page` (rasterised at `dpi`) the disc's colour begins and ends
// along the row and the column through (cx, cy): the disc's left, right, top
// and bottom edge, in pixels.
struct Extent {
    int left = -1, right = -1, top = -1, bottom = -1;
};
Extent discExtent(const QImage& page, int cx, int cy) {
    const auto coloured = [&page](int x, int y) {
        const QColor c = page.pixelColor(x, y);
        return std::abs(c.red() - kLabelColour.red()) < 40 &&
               std::abs(c.green() - kLabelColour.green()) < 40 &&
               std::abs(c.blue() - kLabelColour.blue()) < 40;
    };
    Extent extent;
    for (int x = 0; x < page.width(); ++x)
        if (coloured(x, cy)) {
            if (extent.left < 0) extent.left = x;
            extent.right = x;
        }
    for (int y = 0; y < page.height(); ++y)
        if (coloured(cx, y)) {
            if (extent.top < 0) extent.top = y;
            extent.bottom = y;
        }
    return extent;
}

// White as pdftoppm renders it: a level or two below 255.
bool isWhite(const QColor& colour) {
    return colour.red() > 250 && colour.green() > 250 && colour.blue() > 250;
}

double pixels(double mm, int dpi) {
    return mm / 25.39995 * dpi;
}

} // namespace

TEST_F(DiscPrintTest, TheTrayQueueGetsTheDriversOptionsAndTheDiscCentredOnItsPage) {
    const BatchRun run =
        batch({QStringLiteral("--disc"), QStringLiteral("118/22"), QStringLiteral("--disc-offset"),
               QStringLiteral("1.5,-2"), QStringLiteral("--copies"), QStringLiteral("2"),
               QStringLiteral("--resolution"), QStringLiteral("300"), QStringLiteral("-P"), kDiscQueue});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::optional<CapturedJob> job = capturedJob();
    ASSERT_TRUE(job) << "no job reached the backend; scheduler log:\n" << schedulerLog().toStdString();
    for (const char* option : {"PageSize=CDCustom", "InputSlot=CD", "StpCDOuterDiameter=Custom.334.49",
                               "StpCDInnerDiameter=Custom.62.36", "StpCDInnerRadius=Small",
                               "StpCDXAdjustment=Custom.4.25", "StpCDYAdjustment=Custom.-5.67"})
        EXPECT_TRUE(job->options.contains(QString::fromLatin1(option)))
            << option << " not in " << job->options.join(' ').toStdString();

    constexpr int kDpi = 100;
    const auto pages = rasterisePdf(job->pdf, kDpi, work.path());
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 2u) << "one page per disc";
    for (const QImage& page : *pages) {
        // CDCustom: 340 pt square.
        EXPECT_NEAR(page.width(), 340.0 / 72 * kDpi, 1);
        EXPECT_EQ(page.width(), page.height());
        const int centre = page.width() / 2;
        // The driver moves the page: the drawing itself is not moved.
        const Extent extent = discExtent(page, centre, centre);
        EXPECT_NEAR((extent.left + extent.right) / 2.0, page.width() / 2.0, 1.5);
        EXPECT_NEAR((extent.top + extent.bottom) / 2.0, page.height() / 2.0, 1.5);
        EXPECT_NEAR(extent.right - extent.left, pixels(118, kDpi), 2);
        EXPECT_TRUE(isWhite(page.pixelColor(centre, centre))) << "the hole";
        EXPECT_TRUE(isWhite(page.pixelColor(centre + int(pixels(10, kDpi)), centre))) << "the hole";
        EXPECT_TRUE(isWhite(page.pixelColor(int(pixels(10, kDpi)), int(pixels(10, kDpi))))) << "the tray";
    }
}

TEST_F(DiscPrintTest, ThePdfFileIsASquareOfTheOuterDiameterAndTheCalibrationMovesTheDrawing) {
    const QString pdf = work.filePath(QStringLiteral("mini.pdf"));
    const BatchRun run =
        batch({QStringLiteral("--disc"), QStringLiteral("78/22"), QStringLiteral("--disc-offset"),
               QStringLiteral("3,0"), QStringLiteral("--resolution"), QStringLiteral("300"),
               QStringLiteral("-o"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    constexpr int kDpi = 100;
    const auto pages = rasterisePdf(pdf, kDpi, work.path());
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 1u);
    const QImage& page = pages->front();
    EXPECT_NEAR(page.width(), pixels(78, kDpi), 1);
    EXPECT_EQ(page.width(), page.height());
    const int centre = page.width() / 2;
    // The hole's edges along the middle row: 11 mm either side of the centre moved 3 mm right.
    const Extent extent = discExtent(page, centre, centre);
    int holeLeft = -1, holeRight = -1;
    for (int x = extent.left; x <= extent.right; ++x)
        if (isWhite(page.pixelColor(x, centre))) {
            if (holeLeft < 0) holeLeft = x;
            holeRight = x;
        }
    EXPECT_NEAR((holeLeft + holeRight) / 2.0, page.width() / 2.0 + pixels(3, kDpi), 1.5);
    EXPECT_NEAR(holeRight - holeLeft + 1, pixels(22, kDpi), 2);
    // The moved disc is cut at the page's right edge, and nothing is printed left of it.
    EXPECT_NEAR(extent.left, pixels(3, kDpi), 1.5);
    EXPECT_EQ(extent.right, page.width() - 1);

    // A job saved for discs prints onto discs again.
    const QString job = work.filePath(QStringLiteral("mini.cov"));
    ASSERT_EQ(batch({QStringLiteral("--disc"), QStringLiteral("78/22"), QStringLiteral("--save-job"), job})
                  .exitCode,
              0);
    const QString again = work.filePath(QStringLiteral("again.pdf"));
    QProcess reprint;
    reprint.start(QStringLiteral(CDCOVER_BATCH),
                  {job, QStringLiteral("--resolution"), QStringLiteral("100"), QStringLiteral("-o"), again});
    ASSERT_TRUE(reprint.waitForFinished(120000));
    ASSERT_EQ(reprint.exitCode(), 0) << reprint.readAllStandardError().toStdString();
    const auto reprinted = rasterisePdf(again, kDpi, work.path());
    ASSERT_TRUE(reprinted && reprinted->size() == 1u);
    EXPECT_NEAR(reprinted->front().width(), pixels(78, kDpi), 1);
}

TEST_F(DiscPrintTest, AQueueWithoutDiscTrayAndBadSizesPrintNothing) {
    const BatchRun noTray =
        batch({QStringLiteral("--disc"), QStringLiteral("118/22"), QStringLiteral("-P"), kQueue});
    EXPECT_EQ(noTray.exitCode, 1);
    EXPECT_TRUE(noTray.err.contains(QStringLiteral("kann nicht auf CDs/DVDs drucken")))
        << noTray.err.toStdString();

    for (const QString& bad : {QStringLiteral("130/22"), QStringLiteral("118/110"), QStringLiteral("118")}) {
        const BatchRun run = batch({QStringLiteral("--disc"), bad, QStringLiteral("-P"), kDiscQueue});
        EXPECT_EQ(run.exitCode, 2) << bad.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("--disc"))) << run.err.toStdString();
    }
    const BatchRun offset =
        batch({QStringLiteral("--disc"), QStringLiteral("118/22"), QStringLiteral("--disc-offset"),
               QStringLiteral("12,0"), QStringLiteral("-P"), kDiscQueue});
    EXPECT_EQ(offset.exitCode, 2);
    QTest::qWait(1000);
    EXPECT_TRUE(QDir(cupsFolder() + QStringLiteral("/captured")).isEmpty());
    EXPECT_TRUE(QDir(cupsFolder() + QStringLiteral("/out")).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

TEST_F(DiscPrintTest, TheDriversFiltersSendTheTraySelectCommand) {
    const QString ppd = epsonPpd();
    ASSERT_FALSE(ppd.isEmpty());
    const DiscTray tray = readDiscTrayFromPpd(ppd);
    ASSERT_EQ(tray.pages.size(), 3u);
    EXPECT_TRUE(tray.cdInputSlot);
    ASSERT_TRUE(tray.xAdjustment && tray.xAdjustment->custom);
    EXPECT_EQ(tray.xAdjustment->minPt, -30);
    EXPECT_EQ(tray.xAdjustment->maxPt, 30);

    const QString pdf = work.filePath(QStringLiteral("tray.pdf"));
    ASSERT_EQ(batch({QStringLiteral("--disc"), QStringLiteral("116/41"), QStringLiteral("--resolution"),
                     QStringLiteral("100"), QStringLiteral("-o"), pdf})
                  .exitCode,
              0);
    const auto filtered = [&](const JobOptions& options) {
        QStringList arguments{QStringLiteral("-p"), ppd, QStringLiteral("-m"), QStringLiteral("printer/r300"),
                              QStringLiteral("-e")};
        for (const auto& [name, value] : options)
            arguments << QStringLiteral("-o") << name + QLatin1Char('=') + value;
        arguments << QStringLiteral("-o") << QStringLiteral("Resolution=361x360dpi") << pdf;
        return runProgram(QStringLiteral("/usr/sbin/cupsfilter"), arguments);
    };
    // The printer's remote command "PP" (paper path) with the disc tray, 02 01.
    const QByteArray traySelect = QByteArrayLiteral("PP\x03\x00\x00\x02\x01");
    JobOptions options = discJobOptions(tray, {116, 41}, {});
    const auto onDisc = filtered(options);
    ASSERT_TRUE(onDisc);
    EXPECT_TRUE(onDisc->contains(traySelect));
    std::erase_if(options, [](const auto& option) { return option.first == QLatin1String("InputSlot"); });
    const auto onPaper = filtered(options);
    ASSERT_TRUE(onPaper);
    EXPECT_FALSE(onPaper->contains(traySelect));
    EXPECT_TRUE(onPaper->contains(QByteArrayLiteral("PP\x03\x00\x00")));
}

TEST_F(DiscPrintTest, TheWindowPrintsOntoTheTrayWithTheCalibrationAsTheDriversAdjustment) {
    auto printer = std::make_unique<QPrinterTarget>(kDiscQueue);
    ASSERT_FALSE(printer->printsToFile()) << "the private queue is not seen";
    createForm(std::move(printer));
    // Coming from the "Zentrieren" page, with its format; the tray's queue offers discs.
    form->pageTabs->setCurrentIndex(4);
    QCoreApplication::processEvents();
    DiscChoice& choice = *form->printPage->discChoice;
    ASSERT_FALSE(choice.isHidden());
    QTest::mouseClick(choice.discCheck, Qt::LeftButton);
    choice.discCombo->setFocus();
    QTest::keyClick(choice.discCombo, Qt::Key_Down); // "CD/DVD 116/41 mm"

    dialogs.answerModal([](QDialog& shown) {
        auto& dialog = static_cast<CalibrationDialog&>(shown);
        retype(dialog.discRightSpin, dialog.discRightSpin->locale().toString(1.0, 'f', 2));
        retype(dialog.discDownSpin, dialog.discDownSpin->locale().toString(-0.5, 'f', 2));
        return QDialog::Accepted;
    });
    QTest::mouseClick(form->printPage->calibrateButton, Qt::LeftButton);
    retype(form->printPage->copiesSpin, QStringLiteral("1"));
    QTest::mouseClick(form->printPage->printButton, Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());

    const std::optional<CapturedJob> job = capturedJob();
    ASSERT_TRUE(job) << "no job reached the backend; scheduler log:\n" << schedulerLog().toStdString();
    for (const char* option : {"PageSize=CD5Inch", "InputSlot=CD", "StpCDOuterDiameter=Custom.328.82",
                               "StpCDInnerDiameter=Custom.116.22", "StpCDInnerRadius=None",
                               "StpCDXAdjustment=Custom.2.83", "StpCDYAdjustment=Custom.-1.42"})
        EXPECT_TRUE(job->options.contains(QString::fromLatin1(option)))
            << option << " not in " << job->options.join(' ').toStdString();
    const auto pages = rasterisePdf(job->pdf, 100, work.path());
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 1u);
    const QImage& page = pages->front();
    EXPECT_NEAR(page.width(), 329.0 / 72 * 100, 1);
    // The driver moves the page: the disc sits in the middle of it.
    const int centre = page.width() / 2;
    const Extent extent = discExtent(page, centre, centre);
    EXPECT_NEAR((extent.left + extent.right) / 2.0, page.width() / 2.0, 1.5);
    EXPECT_NEAR(extent.right - extent.left, pixels(116, 100), 2);
}
