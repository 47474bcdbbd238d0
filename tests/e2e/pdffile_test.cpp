#include "printedsheets.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"

#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"

#include <QDate>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace {

class PdfFileTest : public PrintedSheetsTest {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            GTEST_SKIP() << "pdftoppm is not installed";
        createForm(std::make_unique<QPrinterTarget>(QPrinterTarget::PdfFileOnly{}));
    }
    QString pdf() const { return work.path() + QStringLiteral("/labels.pdf"); }
};

} // namespace

TEST_F(PdfFileTest, TwoSheetsIntoTheFileNamedFirst) {
    dialogs.answerSaveFile(FileAnswer{pdf(), 1});
    click(form->printPage->printButton);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, QStringLiteral("CD-Label-Cover.pdf"));
    EXPECT_EQ(target->dpiX(), 600);
    const auto pages = rasterisePdf(pdf(), 100, work.path());
    ASSERT_TRUE(pages);
    // The whole paper is printable: the origin is the paper's corner.
    expectLabelsAtLayout(*pages, 100, QPointF(0, 0));
}

TEST_F(PdfFileTest, CancelledFileDialogPrintsNothing) {
    dialogs.answerSaveFile(std::nullopt);
    click(form->printPage->printButton);
    dialogs.answerSaveFile(std::nullopt);
    form->printPage->calibrationDialog().testPrintButton->click();
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(dialogs.fileRequests.at(1).fileName, QStringLiteral("Format-Drucker Testdruck.pdf"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PdfFileTest, TheTestPrintNamesItsTargetAndDay) {
    const QDate before = QDate::currentDate();
    dialogs.answerSaveFile(FileAnswer{pdf(), 1});
    form->printPage->calibrationDialog().testPrintButton->click();
    const QDate after = QDate::currentDate(); // a print at midnight has either day
    const auto text = runProgram(QStringLiteral("pdftotext"), {pdf(), QStringLiteral("-")});
    ASSERT_TRUE(text) << "pdftotext cannot read the test print";
    const QString printed = QString::fromUtf8(*text);
    EXPECT_TRUE(printed.contains(QStringLiteral("Drucker: PDF-Datei"))) << printed.toStdString();
    const auto dated = [&printed](QDate day) {
        return printed.contains(QStringLiteral("Datum: ") + day.toString(QStringLiteral("dd.MM.yyyy")));
    };
    EXPECT_TRUE(dated(before) || dated(after)) << printed.toStdString();
}

TEST_F(PdfFileTest, CancelledPrinterSetupStillTakesOverThePageSize) {
    // The dialog changes the paper before it is cancelled, as a user may.
    dialogs.answerPrinterSetup(false,
                               [](QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::A5)); });
    click(form->printPage->printerButton);
    EXPECT_EQ(dialogs.printerSetups, 1);
    const QSize a5 = target->printableSize();
    EXPECT_EQ(a5.width(), 3500); // 420 points
    EXPECT_EQ(form->job.pageWidth(), int(a5.width() * 200000 * 25.39995 / 600));
    EXPECT_EQ(form->job.pageHeight(), int(a5.height() * 200000 * 25.39995 / 600));
}

TEST_F(PdfFileTest, UnwritableFileIsReported) {
    const QString pdf = work.path() + QStringLiteral("/missing/labels.pdf");
    dialogs.answerSaveFile(FileAnswer{pdf, 1});
    dialogs.answerMessage(MsgAnswer::Ok);
    click(form->printPage->printButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die PDF-Datei %1 konnte nicht geschrieben werden: Datei "
                             "oder Verzeichnis nicht gefunden.")
                  .arg(pdf));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
}
