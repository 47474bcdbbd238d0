// Output that cannot be written whole: every writer of PDF files on a full disk
// and under a file-size limit, and pictures too large to read, in the window
// and in cdcover-batch.

#include "printedsheets.h"
#include "widgets/imagebutton.h"

#include "print/ui/calibrationdialog.h"
#include "print/ui/printpage.h"
#include "raster/ui/scanpage.h"
#include "support/filesizelimit.h"
#include "support/userinput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>

#include <csignal>
#include <functional>
#include <sys/mount.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Fills the file system of `folder` to the last byte while it lives.
class FullDisk {
  public:
    explicit FullDisk(const QString& folder) : filler_(folder + QStringLiteral("/filler")) {
        QFile file(filler_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(512, 'x');
        while (file.write(block) == block.size()) {
        }
        for (char byte = 'x'; file.write(&byte, 1) == 1;) {
        }
    }
    ~FullDisk() { QFile::remove(filler_); }

  private:
    QString filler_;
};

class WholeOutputTest : public PrintedSheetsTest {
  protected:
    void SetUp() override {
        createForm(std::make_unique<QPrinterTarget>(QPrinterTarget::PdfFileOnly{}));
        ASSERT_TRUE(QDir().mkpath(tmp()));
        QImage picture(90, 55, QImage::Format_RGB32);
        picture.fill(kLabelColour);
        ASSERT_TRUE(picture.save(work.filePath(QStringLiteral("picture.png"))));
    }
    QString tmp() const { return work.filePath(QStringLiteral("tmp")); }

    // Runs cdcover-batch as a shell would, without a runtime directory, with
    // its temporary files in tmp() and SIGXFSZ as the shell leaves it.
    QString batch(const QStringList& arguments, int expectedExit) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("TMPDIR"), tmp());
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
        process.start(QStringLiteral(CDCOVER_BATCH), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), expectedExit) << process.readAllStandardError().toStdString();
        EXPECT_EQ(QDir(tmp()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList())
            << "the batch run's runtime directory is left behind";
        return QString::fromUtf8(process.readAllStandardError()).trimmed();
    }

    // The message of the window's last message box, or nothing.
    QString lastMessage(std::size_t before) const {
        return dialogs.messages.size() > before ? dialogs.messages.back().text : QString();
    }

    struct PdfWriter {
        const char* name;
        std::function<QString(const QString& pdf, bool fails)> write; // what the user is told
    };
    std::vector<PdfWriter> pdfWriters() {
        const auto inWindow = [this](const std::function<void()>& click) {
            return [this, click](const QString& pdf, bool fails) {
                const std::size_t before = dialogs.messages.size();
                dialogs.answerSaveFile(FileAnswer{pdf, 1});
                if (fails) dialogs.answerMessage(MsgAnswer::Ok);
                click();
                return lastMessage(before);
            };
        };
        return {
            {"Go!", inWindow([this] { click(form->printPage->printButton); })},
            {"Testdruck",
             inWindow([this] { form->printPage->calibrationDialog().testPrintButton->click(); })},
            {"cdcover-batch -o",
             [this](const QString& pdf, bool fails) {
                 return batch({"--image", "picture.png", "--paper-file", "program/paper.dat", "-o", pdf},
                              fails ? 1 : 0);
             }},
        };
    }

    // Each writer writes a good file into `folder`, then fails to replace it
    // while `restriction` holds, telling `reason`; the good file stays.
    void expectEachWriterKeepsTheOldFile(const QString& folder,
                                         const std::function<std::shared_ptr<void>()>& restriction,
                                         const QString& reason) {
        for (const PdfWriter& writer : pdfWriters()) {
            SCOPED_TRACE(writer.name);
            const QString pdf = folder + QStringLiteral("/labels.pdf");
            QFile::remove(pdf);
            ASSERT_EQ(writer.write(pdf, false), QString());
            const QByteArray old = contentOf(pdf);
            ASSERT_TRUE(old.startsWith("%PDF-") && old.endsWith("%%EOF\n"));
            {
                const std::shared_ptr<void> restricted = restriction();
                EXPECT_EQ(
                    writer.write(pdf, true),
                    QStringLiteral("Die PDF-Datei %1 konnte nicht geschrieben werden: %2.").arg(pdf, reason));
            }
            EXPECT_EQ(contentOf(pdf), old);
            EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("labels.pdf")});
        }
    }
};

} // namespace

TEST_F(WholeOutputTest, APdfCutShortByAFileSizeLimitKeepsTheOldFile) {
    const QString folder = work.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(folder));
    expectEachWriterKeepsTheOldFile(
        folder, [] { return std::make_shared<ScopedFileSizeLimit>(1024); },
        QStringLiteral("Die Datei ist zu groß"));
}

TEST_F(WholeOutputTest, APdfOnAFullDiskKeepsTheOldFile) {
    const QString disk = work.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    const QByteArray mountPoint = QFile::encodeName(disk);
    // Root may mount a small file system of its own; elsewhere this is skipped.
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=200k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const std::shared_ptr<void> mounted(nullptr, [&mountPoint](void*) { ::umount(mountPoint.constData()); });
    expectEachWriterKeepsTheOldFile(
        disk, [&disk] { return std::make_shared<FullDisk>(disk); },
        QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr verfügbar"));
}

TEST_F(WholeOutputTest, APictureTooLargeForMemorySaysWhatItNeeds) {
    // The header of a 20000 × 20000 colour picture is enough to refuse it.
    QFile picture(work.filePath(QStringLiteral("huge.ppm")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("P6\n20000 20000\n255\n");
    picture.close();
    const QString tooLarge = QStringLiteral(
        "Das Bild %1 ist zu groß: 20000 × 20000 Bildpunkte brauchen 1145 MB, erlaubt sind 1024 MB.");
    const std::size_t before = dialogs.messages.size();
    dialogs.answerMessage(MsgAnswer::Ok);
    form->openGivenFile(picture.fileName());
    EXPECT_EQ(lastMessage(before), tooLarge.arg(QStringLiteral("huge.ppm")));
    dialogs.answerOpenFile(FileAnswer{picture.fileName(), 1});
    dialogs.answerMessage(MsgAnswer::Ok);
    click(form->scanPage->openImageButton);
    EXPECT_EQ(lastMessage(before + 1), tooLarge.arg(QStringLiteral("huge.ppm")));
    EXPECT_EQ(batch({"--image", "huge.ppm", "--info"}, 1), tooLarge.arg(QStringLiteral("huge.ppm")));
}
