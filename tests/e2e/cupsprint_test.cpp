#include "privatecups.h"
#include "widgets/imagebutton.h"

#include "print/ui/printpage.h"
#include "support/userinput.h"
#include "support/whenshown.h"
#include "widgets/printersetupdialog.h"
#include "widgets/qtdialogs.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

class CupsPrintTest : public PrivateCupsTest {};

} // namespace

TEST_F(CupsPrintTest, TwoSheetsThroughACupsPdfQueue) {
    auto printer = std::make_unique<QPrinterTarget>();
    ASSERT_FALSE(printer->printsToFile()) << "the private queue is not seen";
    printer->printer().setPrinterName(kQueue);
    createForm(std::move(printer));
    const QPointF origin = target->printer().pageLayout().paintRect(QPageLayout::Point).topLeft();
    click(form->printPage->printButton);
    EXPECT_TRUE(dialogs.messages.empty());

    const QString pdf = takeOutput(QStringLiteral("queue1.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; scheduler log:\n" << schedulerLog().toStdString();
    if (qEnvironmentVariableIsSet("CDCOVER_KEEP_E2E")) work.setAutoRemove(false);
    const auto pages = rasterisePdf(pdf, 100, work.path());
    ASSERT_TRUE(pages);
    expectLabelsAtLayout(*pages, 100, origin);
}

TEST_F(CupsPrintTest, OneLabelIsOnePageWhateverCopiesAndSidesWereSetBefore) {
    auto printer = std::make_unique<QPrinterTarget>(kQueue);
    ASSERT_FALSE(printer->printsToFile()) << "the private queue is not seen";
    printer->printer().setCopyCount(2);
    printer->printer().setCollateCopies(true);
    printer->printer().setDuplex(QPrinter::DuplexLongSide);
    createForm(std::move(printer));
    form->printPage->usedSpin->setValue(0);
    form->printPage->copiesSpin->setValue(1);
    click(form->printPage->printButton);
    EXPECT_TRUE(dialogs.messages.empty());
    const QString pdf = takeOutput(QStringLiteral("queue2.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; scheduler log:\n" << schedulerLog().toStdString();
    const auto pages = rasterisePdf(pdf, 20, work.path());
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->size(), 1u);
}

TEST_F(CupsPrintTest, AFileTargetSwitchedToTheQueueInThePrinterDialogPrintsThere) {
    createForm(std::make_unique<QPrinterTarget>(QPrinterTarget::PdfFileOnly{}));
    // One job into a file first: its name stays on the printer.
    const QString first = work.path() + QStringLiteral("/first.pdf");
    dialogs.answerSaveFile(FileAnswer{first, 1});
    click(form->printPage->printButton);
    ASSERT_TRUE(QFile::exists(first));
    const qint64 firstSize = QFileInfo(first).size();

    QString offered;
    dialogs.answerPrinterSetup(true, [&offered](QPrinter& printer) {
        whenShown<PrinterSetupDialog>([&offered](PrinterSetupDialog& dialog) {
            for (int i = 0; i < dialog.printerCombo->count(); ++i)
                offered += dialog.printerCombo->itemText(i) + QLatin1Char('|');
            dialog.printerCombo->setFocus();
            QTest::keyClick(dialog.printerCombo, Qt::Key_Home);
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        });
        QtDialogs().printerSetup(printer);
    });
    click(form->printPage->printerButton);
    EXPECT_EQ(offered, kQueue + QStringLiteral("|PDF-Datei|"));
    ASSERT_FALSE(target->printsToFile());
    EXPECT_EQ(target->printer().printerName(), kQueue);
    // The queue's driver declares no margins: its origin is the paper's corner.
    const QPointF origin = target->printer().pageLayout().paintRect(QPageLayout::Point).topLeft();
    EXPECT_EQ(origin, QPointF(0, 0));

    click(form->printPage->printButton); // no file dialog is scripted: none may come
    EXPECT_TRUE(dialogs.messages.empty());
    const QString pdf = takeOutput(QStringLiteral("queue3.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; scheduler log:\n" << schedulerLog().toStdString();
    EXPECT_EQ(QFileInfo(first).size(), firstSize);
    const auto pages = rasterisePdf(pdf, 100, work.path());
    ASSERT_TRUE(pages);
    expectLabelsAtLayout(*pages, 100, origin);
}
