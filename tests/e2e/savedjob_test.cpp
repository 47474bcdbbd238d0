// A job saved by the window prints from cdcover-batch as the window printed it,
// and the batch tool describes and writes such jobs for the window.

#include "printedsheets.h"
#include "widgets/imagebutton.h"

#include "document/coverfile.h"
#include "paper/ui/placementpage.h"
#include "print/ui/printpage.h"
#include "support/userinput.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

class SavedJobTest : public PrintedSheetsTest {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            GTEST_SKIP() << "pdftoppm is not installed";
        createForm(std::make_unique<QPrinterTarget>(QPrinterTarget::PdfFileOnly{}));
        // The user's placement, typed on "Zentrieren"; used 3 and 10 copies are the fixture's.
        form->pageTabs->setCurrentIndex(3);
        retype(form->placementPage->widthSpin, QStringLiteral("80"));
        retype(form->placementPage->leftSpin, QLocale().toString(3.5, 'f', 2));
        retype(form->placementPage->topSpin, QLocale().toString(-2.0, 'f', 2));
    }
    QString path(const QString& name) const { return work.path() + QLatin1Char('/') + name; }

    // cdcover-batch run in the work folder; its exit code, or -1.
    int batch(const QStringList& arguments, QByteArray* out = nullptr) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(CDCOVER_BATCH), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return -1;
        if (out) *out = process.readAllStandardOutput();
        batchErrors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }
    // The pages of `pdf` at 100 dpi, each rasterised into a folder of its own.
    std::vector<QImage> pagesOf(const QString& pdf) {
        const QString folder = pdf + QStringLiteral(".pages");
        EXPECT_TRUE(QDir().mkpath(folder));
        return rasterisePdf(pdf, 100, folder).value_or(std::vector<QImage>{});
    }

    QString batchErrors;
};

} // namespace

TEST_F(SavedJobTest, TheBatchPrintsASavedJobWithoutOptionsAsTheWindowPrintedIt) {
    dialogs.answerSaveFile(FileAnswer{path(QStringLiteral("window.pdf")), 1});
    click(form->printPage->printButton);
    ASSERT_TRUE(form->SaveFile(path(QStringLiteral("job.cov"))));

    ASSERT_EQ(batch({"job.cov", "-o", path(QStringLiteral("batch.pdf"))}), 0) << batchErrors.toStdString();
    const std::vector<QImage> window = pagesOf(path(QStringLiteral("window.pdf")));
    const std::vector<QImage> printed = pagesOf(path(QStringLiteral("batch.pdf")));
    ASSERT_EQ(window.size(), 2u);
    ASSERT_EQ(printed.size(), window.size());
    for (size_t page = 0; page < window.size(); ++page) {
        ASSERT_EQ(printed[page].size(), window[page].size()) << page;
        EXPECT_TRUE(printed[page] == window[page]) << "page " << page;
    }
}

TEST_F(SavedJobTest, GoAndTheBatchPrintTheJobsValuesWhateverTheEditsShow) {
    {
        // The job alone changes: the edits keep the fixture's two sheets (3 used, 10 copies).
        const QSignalBlocker unheard(form->job);
        form->job.setPrintValues(PrintValues{6, 3, 1, false});
    }
    ASSERT_EQ(form->printPage->copiesSpin->value(), 10);
    dialogs.answerSaveFile(FileAnswer{path(QStringLiteral("window.pdf")), 1});
    click(form->printPage->printButton);
    ASSERT_TRUE(form->SaveFile(path(QStringLiteral("job.cov"))));

    ASSERT_EQ(batch({"job.cov", "-o", path(QStringLiteral("batch.pdf"))}), 0) << batchErrors.toStdString();
    const std::vector<QImage> window = pagesOf(path(QStringLiteral("window.pdf")));
    const std::vector<QImage> printed = pagesOf(path(QStringLiteral("batch.pdf")));
    ASSERT_EQ(window.size(), 1u) << "positions 6 to 8 of the first sheet";
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_TRUE(printed[0] == window[0]);
}

TEST_F(SavedJobTest, InfoShowsTheSavedValuesAndSaveJobWritesWhatWouldPrint) {
    ASSERT_TRUE(form->SaveFile(path(QStringLiteral("job.cov"))));
    QByteArray out;
    ASSERT_EQ(batch({"job.cov", "--info"}, &out), 0) << batchErrors.toStdString();
    const QJsonObject settings = QJsonDocument::fromJson(out).object()["printSettings"].toObject();
    EXPECT_EQ(settings["widthPercent"].toInt(), 80);
    EXPECT_EQ(settings["shiftRightMm"].toDouble(), 3.5);
    EXPECT_EQ(settings["used"].toInt(), 3);
    EXPECT_EQ(settings["copies"].toInt(), 10);
    EXPECT_EQ(settings["paperFormat"].toObject()["Name"].toString(), QStringLiteral("CD"));

    // Options win over the saved values; the saved format stays.
    ASSERT_EQ(batch({"job.cov", "--copies", "4", "--shift-y", "1,5", "--save-job", "neu.cov"}), 0)
        << batchErrors.toStdString();
    const cover::ReadResult written = cover::readCoverFile(path(QStringLiteral("neu.cov")));
    ASSERT_EQ(written.status, cover::ReadStatus::Ok);
    ASSERT_TRUE(written.document.printSettings);
    const PrintSettings& job = *written.document.printSettings;
    EXPECT_EQ(job.placement, (PlacementValues{80, 3.5, 1.5}));
    EXPECT_EQ(job.values, (PrintValues{3, 4, 1, false}));
    ASSERT_TRUE(job.paper);
    EXPECT_EQ(encodePaperType(*job.paper), encodePaperType(*form->job.paperFormat()));
    EXPECT_EQ(written.document.image.width(), 90);

    // A file the window wrote before these values were kept: no printSettings.
    cover::CoverSource plain = cover::coverSourceOf(form->job);
    plain.printSettings.reset();
    ASSERT_EQ(cover::writeCoverFile(path(QStringLiteral("alt.cov")), plain), cover::WriteStatus::Ok);
    ASSERT_EQ(batch({"alt.cov", "--info"}, &out), 0);
    EXPECT_FALSE(QJsonDocument::fromJson(out).object().contains(QStringLiteral("printSettings")));

    // A job that cannot be written leaves nothing behind and says so.
    EXPECT_EQ(batch({"job.cov", "--save-job", "/proc/neu.cov"}), 1);
    EXPECT_TRUE(batchErrors.startsWith(
        QStringLiteral("Die CD-Cover Datei /proc/neu.cov konnte nicht geschrieben werden: ")))
        << batchErrors.toStdString();
}
