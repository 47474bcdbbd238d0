// The calibration of each printer as the user meets it on the "Drucken" page:
// calibrating, switching printers with the printer button, printing.

#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "print/calibrationpath.h"
#include "print/printercalibrations.h"
#include "print/printrun.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"
#include "support/calibrationinput.h"
#include "support/filesizelimit.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QColor kLabelColour(200, 30, 60);
const Calibration kA{4, 2, 100, 100};
const Calibration kB{8, 6, 95, 105};

class PrinterCalibrationTest : public MainWindowTest {
  protected:
    void SetUp() override {
        applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
        ASSERT_TRUE(SaveEttTypes({paper}, programDir()));
        startOn(QStringLiteral("A"));
    }
    void startOn(const QString& queue) {
        printer.queue = queue;
        createForm();
        form->job.replaceImage(solidImage24(90, 55, kLabelColour));
        form->pageTabs->setCurrentIndex(4);
    }
    PrintPage& page() { return *form->printPage; }
    CalibrationDialog& kal() { return page().calibrationDialog(); }

    // "Drucker kalibrieren...", the four measured values typed in, OK. What
    // the dialog showed on opening is kept in `shown`. When the values cannot
    // be stored, a message is answered.
    void calibrate(const Calibration& measured, bool storingFails = false) {
        dialogs.answerModal([this, measured](QDialog& dialog) {
            auto& edits = static_cast<CalibrationDialog&>(dialog);
            edits.show();
            shown = {edits.printerLabel->text(), edits.calibration()};
            typeCalibration(edits, measured);
            return dialog.result();
        });
        if (storingFails) dialogs.answerMessage(MsgAnswer::Ok);
        QTest::mouseClick(page().calibrateButton, Qt::LeftButton);
    }
    // The printer button, where the user picks the queue `queue`.
    void switchTo(const QString& queue) {
        dialogs.answerPrinterSetup(true, [this, queue](QPrinter&) { printer.queue = queue; });
        QTest::mouseClick(page().printerButton, Qt::LeftButton, {}, QPoint(5, 5));
    }
    // Go! and where the one label of the job landed: its corner must sit where
    // `calibration` puts it, paper just outside.
    void expectGoPrintsWith(const Calibration& calibration) {
        printer.pages.clear();
        QTest::mouseClick(page().printButton, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(printer.pages.size(), 1u);
        const QPoint corner = labelOrigin(paper, 0, 0, printerDevice(printer, calibration));
        EXPECT_EQ(printer.pages[0].pixelColor(corner + QPoint(2, 2)), kLabelColour);
        EXPECT_EQ(printer.pages[0].pixelColor(corner - QPoint(2, 2)), Qt::white);
    }
    Calibration fileOf(const QString& queue) {
        return readOptionsFileAt(calibrationFilePath(programDir(), queue));
    }

    PaperType paper;
    struct Shown {
        QString printer;
        Calibration values;
    } shown;
};

} // namespace

TEST_F(PrinterCalibrationTest, EachPrinterKeepsItsCalibrationAcrossSwitches) {
    calibrate(kA);
    EXPECT_EQ(shown.printer, QStringLiteral("Drucker: A"));
    EXPECT_EQ(fileOf(QStringLiteral("A")), kA);
    EXPECT_EQ(readOptionsFileAt(optionsFilePath(programDir())), kA);

    // B has no file of its own yet: it starts from options.dat, the last calibration.
    switchTo(QStringLiteral("B"));
    EXPECT_EQ(kal().printerLabel->text(), QStringLiteral("Drucker: B"));
    calibrate(kB);
    EXPECT_EQ(shown.printer, QStringLiteral("Drucker: B"));
    EXPECT_EQ(shown.values, kA);
    EXPECT_EQ(fileOf(QStringLiteral("B")), kB);
    EXPECT_EQ(fileOf(QStringLiteral("A")), kA);
    expectGoPrintsWith(kB);

    switchTo(QStringLiteral("A"));
    EXPECT_EQ(kal().calibration(), kA);
    expectGoPrintsWith(kA);
    // A cancelled printer dialog leaves the printer, and its values, as they are.
    dialogs.answerPrinterSetup(false);
    QTest::mouseClick(page().printerButton, Qt::LeftButton, {}, QPoint(5, 5));
    calibrate(kA);
    EXPECT_EQ(shown.values, kA);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrinterCalibrationTest, AtStartThePrintersOwnFileWinsOverOptionsDat) {
    ASSERT_TRUE(writeOptionsFileAt(optionsFilePath(programDir()), kA));
    ASSERT_TRUE(writeOptionsFileAt(calibrationFilePath(programDir(), QStringLiteral("Büro/Laser 2")), kB));
    startOn(QStringLiteral("Büro/Laser 2"));
    EXPECT_EQ(kal().calibration(), kB);
    EXPECT_EQ(kal().printerLabel->text(), QStringLiteral("Drucker: Büro/Laser 2"));
    expectGoPrintsWith(kB);
    startOn(QStringLiteral("Tinte"));
    EXPECT_EQ(kal().calibration(), kA);
    startOn(QString());
    EXPECT_EQ(kal().printerLabel->text(), QStringLiteral("Drucker: PDF-Datei"));
}

// A file from elsewhere may hold finer values than the dialog's two decimals;
// Go! prints with what the dialog shows, as it always has.
TEST_F(PrinterCalibrationTest, FinerValuesInAFileCountAsTheDialogShowsThem) {
    ASSERT_TRUE(writeOptionsFileAt(calibrationFilePath(programDir(), QStringLiteral("A")),
                                   {4.126, 2.004, 99.996, 100.5049}));
    startOn(QStringLiteral("A"));
    EXPECT_EQ(kal().calibration(), (Calibration{4.13, 2, 100, 100.5}));
    EXPECT_EQ(form->shell().printerCalibrations().of(QStringLiteral("A")), kal().calibration());
}

TEST_F(PrinterCalibrationTest, AFailedWriteIsToldAndTheValuesHoldForTheRun) {
    calibrate(kA);
    {
        const ScopedFileSizeLimit full(16);
        calibrate(kB, true);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Die Kalibrierung für den Drucker \"A\" konnte nicht in %1 gespeichert werden. Sie "
                       "gilt nur, bis das Programm beendet wird.")
            .arg(calibrationFilePath(programDir(), QStringLiteral("A"))));
    EXPECT_EQ(fileOf(QStringLiteral("A")), kA);
    switchTo(QStringLiteral("C"));
    switchTo(QStringLiteral("A"));
    EXPECT_EQ(kal().calibration(), kB);
    expectGoPrintsWith(kB);
}

TEST_F(PrinterCalibrationTest, ALongPrinterNameIsShortenedInTheMiddle) {
    const QString name = QStringLiteral("Etikettendrucker-im-Keller-") + QString(200, QLatin1Char('x')) +
                         QStringLiteral("-Ende");
    startOn(name);
    kal().show();
    const QString text = kal().printerLabel->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Drucker: Etikettendrucker"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("-Ende"))) << text.toStdString();
    EXPECT_LT(text.size(), name.size());
    EXPECT_EQ(kal().printerLabel->toolTip(), name);
    EXPECT_LT(kal().width(), 700);
}
