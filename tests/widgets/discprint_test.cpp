// Printing onto discs from the window: the user ticks "Auf CD/DVD drucken",
// picks a disc, and Go! prints one disc per copy, moved by the disc
// calibration; the placement view shows the ring and its hole.

#include "app/mainwindow.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "print/disccalibration.h"
#include "print/ui/calibrationdialog.h"
#include "print/ui/discchoice.h"
#include "print/ui/printpage.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <cmath>

namespace {

const QColor kColour(20, 120, 200);

class DiscPrintWindowTest : public MainWindowTest {
  protected:
    PrintPage& page() { return *form->printPage; }
    void start() {
        // The calibration of the output the page recorder stands for.
        ASSERT_TRUE(writeDiscOffsetAt(discCalibrationFilePath(programDir(), QString()), {2, -1}));
        createForm();
        form->job.replaceImage(solidImage24(100, 100, kColour));
        // Without a paper format the page says so once; a disc needs none.
        dialogs.answerMessage(MsgAnswer::Ok);
        form->pageTabs->setCurrentIndex(4);
        QCoreApplication::processEvents();
        dialogs.messages.clear();
    }
    // The colour `mm` right of the page's centre, moved by the calibration.
    static QColor at(const QImage& page, double rightMm, double downMm) {
        const double perMm = 600 / 25.39995;
        return page.pixelColor(int(page.width() / 2.0 + (2 + rightMm) * perMm),
                               int(page.height() / 2.0 + (-1 + downMm) * perMm));
    }
};

} // namespace

TEST_F(DiscPrintWindowTest, TickingTheDiscPrintsOneMiniCdPerCopyMovedByTheCalibration) {
    start();
    DiscChoice& choice = *page().discChoice;
    ASSERT_TRUE(choice.isVisible()) << "the recorder stands in for the PDF file output, which prints discs";
    EXPECT_FALSE(choice.discCombo->isEnabled());
    QTest::mouseClick(choice.discCheck, Qt::LeftButton);
    ASSERT_EQ(form->job.disc(), discPresets()[0].format);
    EXPECT_FALSE(page().usedSpin->isEnabled());
    // "Mini-CD 78/22 mm": two steps down the list.
    choice.discCombo->setFocus();
    QTest::keyClick(choice.discCombo, Qt::Key_Down);
    QTest::keyClick(choice.discCombo, Qt::Key_Down);
    EXPECT_EQ(form->job.disc(), (DiscFormat{78, 22}));
    retype(page().copiesSpin, QStringLiteral("2"));
    QTest::mouseClick(page().printButton, Qt::LeftButton);

    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    for (const QImage& printed : printer.pages) {
        EXPECT_EQ(at(printed, 0, 0), Qt::white) << "the hole, at the moved centre";
        EXPECT_EQ(at(printed, 15, 0), kColour);
        EXPECT_EQ(at(printed, 0, -38), kColour);
        EXPECT_EQ(at(printed, 0, -40), Qt::white) << "beyond the ring";
    }

    // The placement view is the disc, the paper outside the ring and in the hole dimmed.
    form->pageTabs->setCurrentIndex(3);
    QCoreApplication::processEvents();
    const QImage view = form->placementPage->placementView->grab().toImage();
    const double perMm = form->logicalDpiX() / 25.39995;
    EXPECT_NEAR(view.width(), 78 * perMm, 2);
    const QColor hole = view.pixelColor(view.width() / 2, view.height() / 2);
    const QColor ring = view.pixelColor(view.width() / 2 + int(20 * perMm), view.height() / 2);
    EXPECT_NE(hole, ring);
    EXPECT_LT(hole.lightness(), 255) << "the hole is dimmed";
}

TEST_F(DiscPrintWindowTest, TheUsersOwnSizeAndTheDiscCalibrationInTheDialog) {
    start();
    DiscChoice& choice = *page().discChoice;
    QTest::mouseClick(choice.discCheck, Qt::LeftButton);
    choice.discCombo->setFocus();
    QTest::keyClick(choice.discCombo, Qt::Key_End);
    ASSERT_TRUE(choice.outerSpin->isEnabled());
    retype(choice.outerSpin, QStringLiteral("55"));
    EXPECT_EQ(form->job.disc(), (DiscFormat{55, 22}));
    // The hole stays 10 mm smaller than the disc.
    EXPECT_EQ(choice.innerSpin->maximum(), 45);
    retype(choice.innerSpin, QStringLiteral("40"));
    EXPECT_EQ(form->job.disc(), (DiscFormat{55, 40}));

    dialogs.answerModal([](QDialog& shown) {
        auto& dialog = static_cast<CalibrationDialog&>(shown);
        EXPECT_FALSE(dialog.discGroup->isHidden());
        EXPECT_EQ(dialog.discOffset(), (DiscOffset{2, -1}));
        retype(dialog.discRightSpin, dialog.discRightSpin->locale().toString(-1.5, 'f', 2));
        retype(dialog.discDownSpin, dialog.discDownSpin->locale().toString(0.5, 'f', 2));
        return QDialog::Accepted;
    });
    QTest::mouseClick(page().calibrateButton, Qt::LeftButton);
    EXPECT_EQ(readDiscOffsetAt(discCalibrationFilePath(programDir(), QString())), (DiscOffset{-1.5, 0.5}));

    // Unticked, the job prints onto its sheets again.
    QTest::mouseClick(choice.discCheck, Qt::LeftButton);
    EXPECT_FALSE(form->job.disc());
    EXPECT_TRUE(page().usedSpin->isEnabled());
}
