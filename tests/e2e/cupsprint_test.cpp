#include "printedsheets.h"

#include "print/printpage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kQueue = QStringLiteral("cdcovertest");
const QString kScript = QStringLiteral(CDCOVER_E2E_DIR "/private-cups.sh");

class CupsPrintTest : public PrintedSheetsTest {
  protected:
    void SetUp() override {
        for (const char* tool : {"cupsd", "lpadmin", "unshare", "pdftoppm"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty() &&
                QStandardPaths::findExecutable(QLatin1String(tool), {QStringLiteral("/usr/sbin")}).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        // The scheduler's filters run as another user and must reach the spool.
        QFile::setPermissions(work.path(),
                              QFile::permissions(work.path()) | QFile::ExeGroup | QFile::ExeOther);
        cupsFolder_ = work.path() + QStringLiteral("/cups");
        QString error;
        const auto socket =
            runProgram(QStringLiteral("sh"), {kScript, QStringLiteral("start"), cupsFolder_, kQueue}, &error);
        if (!socket) GTEST_SKIP() << "a private cupsd cannot start here: " << error.toStdString();
        started_ = true;
        qputenv("CUPS_SERVER", socket->trimmed());
    }
    void TearDown() override {
        qunsetenv("CUPS_SERVER");
        if (started_) runProgram(QStringLiteral("sh"), {kScript, QStringLiteral("stop"), cupsFolder_});
    }

    // The PDF cups-pdf wrote, once it is complete.
    QString waitForOutput() {
        QElapsedTimer clock;
        clock.start();
        const QDir out(cupsFolder_ + QStringLiteral("/out"));
        while (clock.elapsed() < 60000) {
            for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                QFile file(out.filePath(name));
                if (file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF"))
                    return file.fileName();
            }
            QTest::qWait(200);
        }
        return {};
    }

    QString schedulerLog() const {
        QString log;
        for (const QString& name :
             {QStringLiteral("error_log"), QStringLiteral("cups-pdf-") + kQueue + QStringLiteral("_log")}) {
            QFile file(cupsFolder_ + QStringLiteral("/log/") + name);
            if (file.open(QIODevice::ReadOnly)) log += QString::fromLocal8Bit(file.readAll().right(4000));
        }
        return log;
    }

    QString cupsFolder_;
    bool started_ = false;
};

} // namespace

TEST_F(CupsPrintTest, TwoSheetsThroughACupsPdfQueue) {
    auto printer = std::make_unique<QPrinterTarget>();
    ASSERT_FALSE(printer->printsToFile()) << "the private queue is not seen";
    printer->printer().setPrinterName(kQueue);
    createForm(std::move(printer));
    const QPointF origin = target->printer().pageLayout().paintRect(QPageLayout::Point).topLeft();
    form->printPage->GoBtn1Click();
    EXPECT_TRUE(dialogs.messages.empty());

    const QString pdf = waitForOutput();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; scheduler log:\n" << schedulerLog().toStdString();
    if (qEnvironmentVariableIsSet("CDCOVER_KEEP_E2E")) work.setAutoRemove(false);
    const auto pages = rasterisePdf(pdf, 100, work.path());
    ASSERT_TRUE(pages);
    expectLabelsAtLayout(*pages, 100, origin);
}
