// The program's real dialogs, driven as a user drives them: each test opens a
// dialog through QtDialogs and clicks and types into it once it is up.

#include "print/printer/printerchoice.h"
#include "print/printer/qprintertarget.h"
#include "raster/imagefile.h"
#include "support/testimages.h"
#include "support/whenshown.h"
#include "widgets/printersetupdialog.h"
#include "widgets/qtdialogs.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

class PrinterSetupTest : public ::testing::Test {
  protected:
    PrinterSetupTest() { makePdfFile(printer); }
    QPrinter printer{QPrinter::HighResolution};
    QtDialogs dialogs;
};

// Picks the entry of a list the way the keyboard does: focus and type its start.
void typeInto(QComboBox* combo, const QString& start) {
    combo->setFocus();
    QTest::keyClicks(combo, start);
}

TEST_F(PrinterSetupTest, ChoosesPaperAndOrientationAndOffersNothingElse) {
    QString shownPrinter, shownPaper;
    whenShown<PrinterSetupDialog>([&](PrinterSetupDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Druckereinrichtung"));
        // No copies, no pages, no print button: nothing of a print job.
        EXPECT_TRUE(dialog.findChildren<QSpinBox*>().isEmpty());
        QStringList buttons;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons << button->text();
        EXPECT_EQ(buttons, QStringList({"OK", "Abbrechen"}));
        shownPrinter = dialog.printerCombo->currentText();
        shownPaper = dialog.paperCombo->currentText();
        typeInto(dialog.paperCombo, QStringLiteral("A5"));
        QTest::mouseClick(dialog.landscapeRadio, Qt::LeftButton);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    });
    EXPECT_TRUE(dialogs.printerSetup(printer));
    EXPECT_EQ(shownPrinter, QStringLiteral("PDF-Datei"));
    EXPECT_EQ(shownPaper, QStringLiteral("A4"));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(printer.width(), printer.height());
    // Still a file: the whole paper printable at 600 dpi.
    EXPECT_EQ(printer.width(), printer.pageLayout().fullRectPixels(600).width());
}

TEST_F(PrinterSetupTest, CancelLeavesThePrinterAsItWas) {
    whenShown<PrinterSetupDialog>([](PrinterSetupDialog& dialog) {
        typeInto(dialog.paperCombo, QStringLiteral("A3"));
        QTest::mouseClick(dialog.landscapeRadio, Qt::LeftButton);
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
    });
    EXPECT_FALSE(dialogs.printerSetup(printer));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(PrintTargetTest, AJobPrintsOneCopyOfEveryPageInOrderOnOneSide) {
    QTemporaryDir folder;
    QPrinterTarget target(QPrinterTarget::PdfFileOnly{});
    QPrinter& printer = target.printer();
    // What a print dialog or an earlier program may have left behind.
    printer.setCopyCount(3);
    printer.setCollateCopies(false);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setPageOrder(QPrinter::LastPageFirst);
    printer.setDuplex(QPrinter::DuplexLongSide);
    target.setOutputFileName(folder.filePath(QStringLiteral("job.pdf")));
    ASSERT_TRUE(target.begin(QStringLiteral("Job")));
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    EXPECT_EQ(printer.fromPage(), 0);
    EXPECT_EQ(printer.pageOrder(), QPrinter::FirstPageFirst);
    EXPECT_EQ(printer.duplex(), QPrinter::DuplexNone);
    EXPECT_TRUE(target.end());
}

class FileDialogTest : public ::testing::Test {
  protected:
    // The names the dialog's list shows for the folder it is in.
    static QStringList shownNames(QFileDialog& dialog) {
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        return names;
    }
    static void goToFolder(QFileDialog& dialog, const QString& folder) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // Pasted whole: typed key by key, the name field already moves on at
        // the first '/'.
        name->setText(folder);
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.directory().absolutePath() == folder; }, 5000));
    }
    QTemporaryDir folder;
    QtDialogs dialogs;
};

TEST_F(FileDialogTest, AllFilesShowsAPictureWithoutExtensionAndOpensIt) {
    QFile scan(folder.filePath(QStringLiteral("scan")));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));
    scan.write(encodeImage(gradientImage24(12, 8), ImageFileFormat::Png));
    scan.close();
    QFile note(folder.filePath(QStringLiteral("note.txt")));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.close();

    FileRequest request;
    request.caption = QStringLiteral("Bild öffnen");
    request.filter = GetDIBOpenFilter();
    request.mustExist = true;
    QStringList shown;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        goToFolder(dialog, folder.path());
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        // "Alle Dateien" is the last type.
        types->setFocus();
        QTest::keyClick(types, Qt::Key_End);
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownNames(dialog).size() == 2; }, 5000));
        shown = shownNames(dialog);
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        const QModelIndex scanEntry =
            list->model()->index(int(shown.indexOf(QStringLiteral("scan"))), 0, list->rootIndex());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(scanEntry).center());
        QTest::keyClick(list, Qt::Key_Return);
    });
    const std::optional<FileAnswer> answer = dialogs.openFile(request);
    shown.sort();
    EXPECT_EQ(shown, QStringList({"note.txt", "scan"}));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->path, scan.fileName());
    EXPECT_EQ(answer->filterIndex, GetDIBOpenFilter().count(QLatin1Char('|')) / 2 + 1);
    EXPECT_FALSE(OpenDib(answer->path).isNull());
}

TEST_F(FileDialogTest, AFilterOfSeveralPatternsShowsEachOfThem) {
    for (const char* name : {"grey.pgm", "colour.ppm", "note.txt"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileRequest request;
    request.caption = QStringLiteral("Bild öffnen");
    request.filter = GetDIBOpenFilter();
    QStringList shown;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        goToFolder(dialog, folder.path());
        // "Portable Bitmap/Graymap/Pixmap" comes just before "Alle Dateien".
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        types->setFocus();
        QTest::keyClick(types, Qt::Key_End);
        QTest::keyClick(types, Qt::Key_Up);
        EXPECT_TRUE(types->currentText().startsWith(QStringLiteral("Portable Bitmap")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownNames(dialog).size() == 2; }, 2000));
        shown = shownNames(dialog);
    });
    EXPECT_FALSE(dialogs.openFile(request));
    shown.sort();
    EXPECT_EQ(shown, QStringList({"colour.ppm", "grey.pgm"}));
}

} // namespace

namespace {

// The question about unsaved changes: each button, clicked, gives its answer;
// Escape is "Abbrechen".
TEST(MessageBoxTest, SaveDiscardOrCancelAnswersAsClicked) {
    QtDialogs dialogs;
    const struct {
        const char* button; // empty: Escape
        MsgAnswer answer;
    } cases[] = {{"Speichern", MsgAnswer::Save},
                 {"Verwerfen", MsgAnswer::Discard},
                 {"Abbrechen", MsgAnswer::Cancel},
                 {"", MsgAnswer::Cancel}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        QStringList shownButtons;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                shownButtons << button->text();
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            if (*c.button == 0) {
                QTest::keyClick(&box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* button : box.buttons())
                if (button->text() == QLatin1String(c.button)) QTest::mouseClick(button, Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.message(QStringLiteral("Geändert"), QStringLiteral("Datei/Neu"),
                                  MsgButtons::SaveDiscardCancel, MsgIcon::Warning),
                  c.answer);
        shownButtons.sort();
        EXPECT_EQ(shownButtons, QStringList({"Abbrechen", "Speichern", "Verwerfen"}));
    }
}

} // namespace
