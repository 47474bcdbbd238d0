#include "base/units.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "print/calibration.h"
#include "print/calibrationpath.h"
#include "print/printercalibrations.h"
#include "print/printtarget.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"
#include "print/ui/sheetpreview.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kNoFormat = QStringLiteral("Sie haben noch kein Papierformat ausgewählt! Bitte wählen Sie "
                                         "unter \"Zentrieren\" das Papierformat aus!");
const QColor kLabelColour(200, 30, 60);

class PrintPageTest : public MainWindowTest {
  protected:
    PrintPage& page() { return *form->printPage; }

    // The 2 × 5 format (90 × 55 mm, margins 10 and 12, gaps 2 and 3) and a
    // picture in one colour with the label's proportions.
    void startWithFormat(double labelHeight = 55) {
        PaperType paper;
        applyDialogValues(paper,
                          PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, labelHeight, 2, 3, 2, 5});
        ASSERT_TRUE(SaveEttTypes({paper}, programDir()));
        createForm();
        form->job.replaceImage(solidImage24(90, 55, kLabelColour));
        showPrintPage();
    }
    void showPrintPage() {
        form->pageTabs->setCurrentIndex(4);
        QCoreApplication::processEvents();
    }
    QImage sheet() { return page().sheetPreview->grab().toImage(); }
    // What the window shows of the sheet preview, read back from the window's
    // own pixels: the top-left corner of the scroll box's visible area.
    QImage shownSheet() {
        const QPoint corner = page().previewScroll->viewport()->mapTo(form.get(), QPoint(0, 0));
        return form->screen()->grabWindow(form->winId(), corner.x(), corner.y(), 400, 300).toImage();
    }
    static bool labelCornerAt(const QImage& view, int x, int y) {
        return view.pixelColor(x, y) == kLabelColour && view.pixelColor(x + 3, y + 3) == kLabelColour &&
               view.pixelColor(x - 1, y) == Qt::white && view.pixelColor(x, y - 1) == Qt::white;
    }
    void press(QPoint at) { QTest::mousePress(page().sheetPreview, Qt::LeftButton, {}, at); }
    void moveTo(QPoint at) { QTest::mouseMove(page().sheetPreview, at); }
    void release(QPoint at) { QTest::mouseRelease(page().sheetPreview, Qt::LeftButton, {}, at); }
    // The positions of a printed 2 × 5 sheet that carry a label, row by row.
    static std::vector<int> labelsOn(const QImage& printed) {
        std::vector<int> positions;
        for (int i = 0; i < 10; ++i) {
            const int x = int(units::pixelsFromMm(10 + 92 * (i % 2), 600)) + 100;
            const int y = int(units::pixelsFromMm(12 + 58 * (i / 2), 600)) + 100;
            if (printed.pixelColor(x, y) == kLabelColour) positions.push_back(i);
        }
        return positions;
    }
    // "Go!" clicked with the mouse: an image button, it leaves the focus where it is.
    void clickGo() {
        printer.pages.clear();
        QTest::mouseClick(page().printButton, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QByteArray optionsFile() {
        QFile file(optionsFilePath(programDir()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(PrintPageTest, MissingFormatIsReportedOncePerVisitAndNothingPrints) {
    dialogs.answerMessage(MsgAnswer::Ok);
    showPrintPage();
    // The closed message box repaints the page, and the controls repaint it too.
    page().sheetPreview->repaint();
    page().copiesSpin->setValue(3);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kNoFormat);
    EXPECT_EQ(dialogs.messages[0].caption, QString());
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);

    // Coming back to the page tells it again.
    dialogs.answerMessage(MsgAnswer::Ok);
    form->pageTabs->setCurrentIndex(3);
    showPrintPage();
    EXPECT_EQ(dialogs.messages.size(), 2u);

    dialogs.answerMessage(MsgAnswer::Ok);
    click(page().printButton);
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(printer.jobs, 0);
}

TEST_F(PrintPageTest, PreviewCorrectsUsedAndShownPage) {
    startWithFormat();
    page().usedSpin->setValue(12);
    EXPECT_EQ(page().usedSpin->value(), 9);
    page().usedSpin->setValue(3);
    page().copiesSpin->setValue(10);
    page().sheetSpin->setValue(5);
    EXPECT_EQ(page().sheetSpin->value(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintPageTest, PreviewShowsTheLabelsOfTheChosenSheet) {
    startWithFormat();
    EXPECT_EQ(page().sheetPreview->size(), QSize(793, 1122)); // A4 at 600 dpi shown at 96 dpi
    page().usedSpin->setValue(3);
    page().copiesSpin->setValue(10);
    QCoreApplication::processEvents();
    QImage view = sheet();
    EXPECT_TRUE(labelCornerAt(view, 385, 264));              // position 3, column 1, row 1
    EXPECT_EQ(view.pixelColor(37 + 10, 45 + 10), Qt::white); // position 0 is used
    EXPECT_EQ(view.pixelColor(385 + 339, 264 + 100), kLabelColour);
    EXPECT_EQ(view.pixelColor(385 + 340, 264 + 100), Qt::white); // 340 pixels wide

    page().sheetSpin->setValue(2);
    QCoreApplication::processEvents();
    view = sheet();
    EXPECT_TRUE(labelCornerAt(view, 37, 45));
    EXPECT_TRUE(labelCornerAt(view, 37, 264));
    EXPECT_EQ(view.pixelColor(385 + 10, 264 + 10), Qt::white);

    page().zoomSpin->setValue(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(page().sheetPreview->size(), QSize(396, 561));
    view = sheet();
    EXPECT_TRUE(labelCornerAt(view, 18, 132));
    EXPECT_EQ(view.pixelColor(18 + 169, 132 + 50), kLabelColour);
    EXPECT_EQ(view.pixelColor(18 + 170, 132 + 50), Qt::white);
}

TEST_F(PrintPageTest, GoPrintsEverySheetWithTheCalibration) {
    startWithFormat();
    // The dialog is made with the values of before; Go! reads the store.
    page().calibrationDialog();
    ASSERT_TRUE(form->shell().printerCalibrations().store(printer.printerName(), {4, 0, 100, 100}));
    page().usedSpin->setValue(3);
    page().copiesSpin->setValue(10);
    page().sheetSpin->setValue(2);
    click(page().printButton);
    EXPECT_EQ(printer.jobs, 1);
    EXPECT_EQ(printer.title, QStringLiteral("CD-Label/Cover"));
    ASSERT_EQ(printer.pages.size(), 2u);
    // Position 3 moved 4 mm left: trunc(92 / 25.39995 × 600 + 6 / 25.39995 × 600).
    EXPECT_EQ(printer.pages[0].pixelColor(2314, 1653), kLabelColour);
    EXPECT_EQ(printer.pages[0].pixelColor(2313, 1653), Qt::white);
    EXPECT_EQ(printer.pages[1].pixelColor(141, 283), kLabelColour);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintPageTest, CalibrationIsStoredWhenTheDialogClosesAndLoadedAtStart) {
    dialogs.answerModal([](QDialog& dialog) {
        auto& kal = static_cast<CalibrationDialog&>(dialog);
        EXPECT_EQ(kal.windowTitle(), QStringLiteral("Drucker kalibrieren..."));
        EXPECT_EQ(kal.calibration(), Calibration{});
        kal.leftSpin->setValue(4.5);
        kal.topSpin->setValue(3.2);
        kal.widthSpin->setValue(99.5);
        kal.heightSpin->setValue(101.004); // two decimals are kept
        return int(QDialog::Rejected);
    });
    click(page().calibrateButton);
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("calibrationDialog")});
    EXPECT_EQ(optionsFile(), writeOptionsFile({4.5, 3.2, 99.5, 101}));
    createForm();
    EXPECT_EQ(page().calibrationDialog().calibration(), (Calibration{4.5, 3.2, 99.5, 101}));

    // A printer without a file of its own reads options.dat, limited to the ranges.
    ASSERT_TRUE(QFile::remove(calibrationFilePath(programDir(), printer.printerName())));
    ASSERT_TRUE(writeOptionsFileAt(optionsFilePath(programDir()), {12, 3, 50, 100}));
    createForm();
    EXPECT_EQ(page().calibrationDialog().calibration(), (Calibration{10, 3, 70, 100}));
}

TEST_F(PrintPageTest, TestRectangleButtonPrintsTheSquare) {
    page().calibrationDialog().testPrintButton->click();
    EXPECT_EQ(printer.title, QStringLiteral("Format-Drucker Testdruck"));
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0].pixelColor(2361, 2361), Qt::black);
    EXPECT_EQ(printer.pages[0].pixelColor(2362, 2362), Qt::white);
}

TEST_F(PrintPageTest, PrinterSetupRefreshesThePageAlsoAfterCancel) {
    form->job.setPageSize(1, 1);
    dialogs.answerPrinterSetup(false);
    click(page().printerButton);
    EXPECT_EQ(dialogs.printerSetups, 1);
    const PageSizeUnits expected = pageSizeInUnits(printer);
    EXPECT_EQ(form->job.pageWidth(), expected.width);
    EXPECT_EQ(form->job.pageHeight(), expected.height);
    EXPECT_FALSE(page().printerButton->pressedFlag());
}

TEST_F(PrintPageTest, DragScrollsTheSheet) {
    startWithFormat();
    page().zoomSpin->setValue(500);
    QCoreApplication::processEvents();
    ScrollBox& box = *page().previewScroll;
    const int maxX = box.horizontalScrollBar()->maximum();
    ASSERT_GT(maxX, 200);
    press({400, 400});
    moveTo({300, 350});
    EXPECT_EQ(box.horizontalPosition(), 100);
    EXPECT_EQ(box.verticalPosition(), 50);
    moveTo({-9000, 350});
    EXPECT_EQ(box.horizontalPosition(), maxX);
    release({0, 0});
    moveTo({9000, 0});
    EXPECT_EQ(box.horizontalPosition(), maxX);
}

TEST_F(PrintPageTest, WithoutAFormatThePreviewNoLongerShowsTheLastSheet) {
    startWithFormat();
    const QPoint insideFirstLabel(37 + 20, 45 + 20);
    ASSERT_EQ(shownSheet().pixelColor(insideFirstLabel), kLabelColour);

    // "&Löschen" on "Zentrieren" removes the only format; back on "Drucken".
    form->pageTabs->setCurrentIndex(3);
    dialogs.answerMessage(MsgAnswer::Ok);
    QTest::mouseClick(form->placementPage->deleteFormatButton, Qt::LeftButton);
    ASSERT_EQ(form->placementPage->formatCombo->count(), 0);
    dialogs.answerMessage(MsgAnswer::Ok);
    form->pageTabs->setCurrentIndex(4);
    page().sheetPreview->repaint();
    QCoreApplication::processEvents(); // the message is raised after the paint

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, kNoFormat);
    const QWidget* behind = page().previewScroll->viewport();
    const QRgb background = behind->palette().color(behind->backgroundRole()).rgb();
    const QImage shown = shownSheet();
    EXPECT_EQ(shown.pixel(insideFirstLabel), background);
    EXPECT_EQ(shown.pixel(5, 5), background);
}

TEST_F(PrintPageTest, AFormatWithoutLabelAreaIsToldAndNothingPrints) {
    startWithFormat(0); // the paper format dialog allows a height of 0
    dialogs.answerMessage(MsgAnswer::Ok);
    QTest::mouseClick(page().printButton, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Das Etikett des gewählten Papierformats \"CD\" hat keine "
                             "Fläche: seine Breite oder Höhe ist 0 mm. Es wurde nichts "
                             "gedruckt."));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(printer.jobs, 0);
    EXPECT_TRUE(printer.pages.empty());
}

TEST_F(PrintPageTest, TypedNumbersCountWhenGoIsClickedWithoutEnter) {
    startWithFormat();
    retype(page().copiesSpin, QStringLiteral("5"));
    ASSERT_TRUE(page().copiesSpin->hasFocus());
    // The preview follows the typing: five labels, the fifth at column 0, row 2.
    QCoreApplication::processEvents();
    EXPECT_TRUE(labelCornerAt(sheet(), 37, 264));
    clickGo();
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(labelsOn(printer.pages[0]), (std::vector<int>{0, 1, 2, 3, 4}));

    retype(page().usedSpin, QStringLiteral("8"));
    clickGo();
    ASSERT_EQ(printer.pages.size(), 2u) << "positions 8 to 12";
    EXPECT_EQ(labelsOn(printer.pages[0]), (std::vector<int>{8, 9}));
    EXPECT_EQ(labelsOn(printer.pages[1]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(printer.jobs, 2);
}

TEST_F(PrintPageTest, GoPrintsWhatTheJobHoldsNotWhatTheEditsShow) {
    startWithFormat();
    {
        // Changed on the job while the edits do not hear of it: they still show 0 used, 1 copy.
        const QSignalBlocker unheard(form->job);
        form->job.setPrintValues(PrintValues{4, 3, 1, false});
    }
    ASSERT_EQ(page().copiesSpin->value(), 1);
    clickGo();
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(labelsOn(printer.pages[0]), (std::vector<int>{4, 5, 6}));
}

TEST_F(PrintPageTest, AnEmptiedFieldKeepsItsNumberAndShowsItWhenGoIsClicked) {
    startWithFormat();
    retype(page().copiesSpin, QStringLiteral("3"));
    clearField(page().copiesSpin);
    EXPECT_EQ(page().copiesSpin->text(), QString());
    EXPECT_EQ(page().copiesSpin->value(), 3);
    clickGo();
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(labelsOn(printer.pages[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(page().copiesSpin->text(), QStringLiteral("3")) << "the field shows what was printed";

    // A used count beyond the sheet is corrected as it is typed.
    retype(page().usedSpin, QStringLiteral("12"));
    EXPECT_EQ(page().usedSpin->value(), 9);
    EXPECT_EQ(page().usedSpin->text(), QStringLiteral("9"));
}
