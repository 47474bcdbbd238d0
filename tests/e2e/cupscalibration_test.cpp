// Two printers, each with its own calibration: calibrated, switched and printed
// through two cups-pdf queues of the private CUPS, as the user does it in the
// window, and by cdcover-batch -P.

#include "privatecups.h"
#include "widgets/imagebutton.h"

#include "batch/batchrun.h"
#include "print/calibrationpath.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"
#include "support/calibrationinput.h"
#include "support/userinput.h"
#include "support/whenshown.h"
#include "widgets/printersetupdialog.h"
#include "widgets/qtdialogs.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QString kLaser = QStringLiteral("cdcover-laser");
const Calibration kInkjetValues{4, 2, 100, 100};
const Calibration kLaserValues{8, 6, 97, 103};

class CupsCalibrationTest : public PrivateCupsTest {
  protected:
    CupsCalibrationTest() : PrivateCupsTest({kQueue, kLaser}) {}

    QString settings() const { return work.path() + QStringLiteral("/program/"); }

    // "Drucker kalibrieren...": the real dialog, the measured values typed in, OK.
    // Returns the printer line the dialog showed.
    QString calibrate(const Calibration& measured) {
        QString shown;
        dialogs.answerModal([&shown, measured](QDialog& dialog) {
            whenShown<CalibrationDialog>([&shown, measured](CalibrationDialog& edits) {
                shown = edits.printerLabel->text();
                typeCalibration(edits, measured);
            });
            return QtDialogs().runModal(dialog);
        });
        click(form->printPage->calibrateButton);
        return shown;
    }

    // The printer button: the real printer dialog, where the queue is chosen
    // with the keyboard.
    void switchTo(const QString& queue) {
        dialogs.answerPrinterSetup(true, [queue](QPrinter& printer) {
            whenShown<PrinterSetupDialog>([queue](PrinterSetupDialog& dialog) {
                QComboBox* combo = dialog.printerCombo;
                combo->setFocus();
                QTest::keyClick(combo, Qt::Key_Home);
                for (int i = 0; i < combo->count() && combo->currentText() != queue; ++i)
                    QTest::keyClick(combo, Qt::Key_Down);
                QTest::mouseClick(dialog.okButton, Qt::LeftButton);
            });
            QtDialogs().printerSetup(printer);
        });
        click(form->printPage->printerButton);
        ASSERT_EQ(target->printer().printerName(), queue);
    }

    // The queue's PDF, rasterised in a folder of its own, against the layout
    // that `calibration` gives.
    void expectPrintedWith(const QString& name, const Calibration& calibration) {
        const QString pdf = takeOutput(name + QStringLiteral(".pdf"));
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; scheduler log:\n"
                                    << schedulerLog().toStdString();
        const QString raster = work.filePath(name);
        ASSERT_TRUE(QDir().mkpath(raster));
        const auto pages = rasterisePdf(pdf, 100, raster);
        ASSERT_TRUE(pages);
        SCOPED_TRACE(name.toStdString());
        expectLabelsAtLayout(*pages, 100, origin(), calibration);
    }

    QPointF origin() const { return target->printer().pageLayout().paintRect(QPageLayout::Point).topLeft(); }
};

} // namespace

TEST_F(CupsCalibrationTest, EachPrinterPrintsWithItsOwnCalibration) {
    createForm(std::make_unique<QPrinterTarget>(kQueue));
    ASSERT_FALSE(target->printsToFile()) << "the private queue is not seen";

    EXPECT_EQ(calibrate(kInkjetValues), QStringLiteral("Drucker: ") + kQueue);
    click(form->printPage->printButton);
    expectPrintedWith(QStringLiteral("inkjet1"), kInkjetValues);

    switchTo(kLaser);
    EXPECT_EQ(calibrate(kLaserValues), QStringLiteral("Drucker: ") + kLaser);
    click(form->printPage->printButton);
    expectPrintedWith(QStringLiteral("laser1"), kLaserValues);

    switchTo(kQueue);
    EXPECT_EQ(form->printPage->calibrationDialog().calibration(), kInkjetValues);
    click(form->printPage->printButton);
    expectPrintedWith(QStringLiteral("inkjet2"), kInkjetValues);
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(readOptionsFileAt(calibrationFilePath(settings(), kQueue)), kInkjetValues);
    EXPECT_EQ(readOptionsFileAt(calibrationFilePath(settings(), kLaser)), kLaserValues);

    // The batch tool, with the window's settings folder, takes the queue's file.
    QImage picture(90, 55, QImage::Format_RGB32);
    picture.fill(kLabelColour);
    ASSERT_TRUE(picture.save(work.filePath(QStringLiteral("label.png"))));
    const ParsedCommandLine parsed =
        parseBatchCommandLine({"cdcover-batch", "--image", work.filePath(QStringLiteral("label.png")),
                               "--paper-file", settings() + QStringLiteral("paper.dat"), "--format", "CD",
                               "--used", "3", "--copies", "10", "-P", kLaser});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(runBatch(*parsed.options, settings(), outStream, errStream), 0) << err.toStdString();
    expectPrintedWith(QStringLiteral("batch"), kLaserValues);
}
