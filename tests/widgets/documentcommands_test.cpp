#include "document/coverfile.h"
#include "objects/ui/annotationpage.h"
#include "paper/ui/placementpage.h"
#include "support/filesizelimit.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"
#include "widgets/scrollbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

namespace {

const QString kTitlePrefix = QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0 - [");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Records every progress value the window's shell shows.
class ProgressRecorder : public QObject {
  public:
    explicit ProgressRecorder(MainShell& shell) {
        connect(&shell, &MainShell::progressShown, this, [this](int percent) { values.push_back(percent); });
    }
    std::vector<int> values;
};

} // namespace

class DocumentCommandsTest : public MainWindowTest {
  protected:
    QString path(const char* name) const { return programDir() + QLatin1String(name); }

    AnnotationObject& addFigure(int slot, int left) {
        AnnotationObject& object = form->job.objects().slot(slot);
        object.Kind = KindFigure;
        object.Left = left;
        object.Width = 1000;
        object.Height = 2000;
        object.FontName = "Arial";
        return object;
    }

    void expectLastMessage(const QString& text) {
        ASSERT_FALSE(dialogs.messages.empty());
        const FakeDialogs::Message& message = dialogs.messages.back();
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, QStringLiteral("Fehler"));
        EXPECT_EQ(message.buttons, MsgButtons::Ok);
        EXPECT_EQ(message.icon, MsgIcon::Error);
    }
};

TEST_F(DocumentCommandsTest, NewAsksAboutUnsavedChangesThenStartsAnEmptyUnnamedDocument) {
    addFigure(3, 10);
    form->job.replaceImage(gradientImage24(5, 4));
    form->setSavedFileName(path("alt.cov"));
    form->job.setPageSize(1234, form->job.pageHeight());
    retype(form->placementPage->widthSpin, QStringLiteral("50")); // the user's change

    dialogs.answerMessage(MsgAnswer::Cancel);
    form->newCoverButton->click();
    EXPECT_EQ(form->job.objects().slot(3).Kind, KindFigure);
    EXPECT_EQ(form->job.image().width(), 5);
    const FakeDialogs::Message& question = dialogs.messages.at(0);
    EXPECT_EQ(question.text,
              QStringLiteral("Der Auftrag wurde geändert. Sollen die Änderungen gespeichert werden?"));
    EXPECT_EQ(question.caption, QStringLiteral("Datei/Neu"));
    EXPECT_EQ(question.buttons, MsgButtons::SaveDiscardCancel);
    EXPECT_EQ(question.icon, MsgIcon::Warning);

    dialogs.answerMessage(MsgAnswer::Discard);
    form->newCoverButton->click();
    EXPECT_EQ(form->job.objects().slot(3).Kind, KindFree);
    EXPECT_EQ(form->job.image().width(), 320);
    EXPECT_EQ(form->job.image().height(), 200);
    EXPECT_EQ(pixelAt(form->job.image(), 319, 0), 0x00FFFFFFu);
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 319, 199}));
    EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("Unbenannt.cov]"));
    EXPECT_EQ(form->job.pageWidth(), 1234);

    // Nothing changed since: no question (none is scripted).
    form->newCoverButton->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(DocumentCommandsTest, UnnamedSaveShowsTheDialogOnceThenSavesWithoutAsking) {
    addFigure(1, 10);
    dialogs.answerSaveFile(FileAnswer{path("job.cov"), 1});
    form->saveCoverButton->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("CD-Cover-Dateien (*.cov)|*.cov"));
    EXPECT_EQ(dialogs.fileRequests[0].defaultSuffix, QStringLiteral("cov"));
    EXPECT_TRUE(dialogs.fileRequests[0].confirmOverwrite);
    EXPECT_EQ(dialogs.fileRequests[0].caption, QStringLiteral("Speichern unter"));
    EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("job.cov]"));
    EXPECT_EQ(form->job.fileName(), path("job.cov"));

    form->job.objects().slot(1).Left = 77;
    form->saveCoverButton->click(); // nothing scripted: any dialog would fail the test
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    cover::ReadResult saved = cover::readCoverFile(path("job.cov"));
    ASSERT_EQ(saved.status, cover::ReadStatus::Ok);
    ASSERT_EQ(saved.document.objects.size(), 1u);
    EXPECT_EQ(saved.document.objects[0].second.Left, 77);
}

TEST_F(DocumentCommandsTest, OpenRestoresWhatWasSaved) {
    addFigure(2, 10);
    addFigure(9999, 20).Text = "Oben";
    form->job.replaceImage(patternImage(21, 13, 4, 2));
    form->job.setViewScales(form->job.viewZoom(), form->job.unitsPerScreenPixel() / 1.5);
    form->job.setPageSize(40000000, 50000000);
    ASSERT_TRUE(form->SaveFile(path("job.cov")));
    const double unitsPerPixel = form->job.unitsPerScreenPixel();

    // Saved, and nothing changed since that "Neu" and "Öffnen..." would ask about.
    form->newCoverButton->click();
    form->job.setViewScales(form->job.viewZoom(), 105833.125);
    form->job.setPageSize(1, form->job.pageHeight());

    dialogs.answerOpenFile(FileAnswer{path("job.cov"), 1});
    form->openCoverButton->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.fileRequests.back().mustExist);
    EXPECT_EQ(dialogs.fileRequests.back().caption, QStringLiteral("Öffnen"));
    EXPECT_EQ(dialogs.fileRequests.back().filter, QStringLiteral("CD-Cover-Dateien (*.cov)|*.cov"));
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, QStringLiteral("cov"));
    EXPECT_EQ(form->job.objects().slot(2).Left, 10);
    EXPECT_EQ(form->job.objects().slot(9999).Text, QByteArray("Oben"));
    EXPECT_EQ(form->job.image().bitCount(), 4);
    EXPECT_EQ(pixelAt(form->job.image(), 20, 12), pixelAt(patternImage(21, 13, 4, 2), 20, 12));
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 20, 12}));
    EXPECT_EQ(form->job.unitsPerScreenPixel(), unitsPerPixel);
    EXPECT_EQ(form->job.pageWidth(), 40000000);
    // The annotation view shows the opened picture at the opened scale.
    QCoreApplication::processEvents();
    EXPECT_EQ(form->annotationPage->annotationScroll->view()->width(),
              int(21 * form->job.imagePixelSize() * form->job.viewZoom() / unitsPerPixel));
    EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("job.cov]"));
}

TEST_F(DocumentCommandsTest, WrongSignatureIsRefusedAndTheObjectsStay) {
    ASSERT_TRUE(form->SaveFile(path("good.cov")));
    const QByteArray good = fileBytes(path("good.cov"));
    addFigure(4, 10);
    form->setSavedFileName(QString());
    for (int position : {0, 20}) {
        QByteArray bad = good;
        bad[position] = char(bad[position] ^ 0x20); // the same letter in the other case
        writeBytes(path("bad.cov"), bad);
        dialogs.answerMessage(MsgAnswer::Ok);
        EXPECT_FALSE(form->OpenFile(path("bad.cov")));
        expectLastMessage(QStringLiteral("Die Datei ist keine gültige CD-Cover Datei!"));
        EXPECT_EQ(form->job.objects().slot(4).Kind, KindFigure);
        EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("Unbenannt.cov]"));
    }
    dialogs.answerMessage(MsgAnswer::Ok);
    EXPECT_FALSE(form->OpenFile(path("missing.cov")));
    expectLastMessage(QStringLiteral("CD-Cover Datei öffnen: Konnte die Datei missing.cov nicht öffnen!"));
}

TEST_F(DocumentCommandsTest, TruncatedFilesLeaveTheDocumentAsItWas) {
    addFigure(1, 10).Text = "ab";
    form->job.replaceImage(gradientImage24(2, 2));
    ASSERT_TRUE(form->SaveFile(path("full.cov")));
    // Cut inside the print settings after the image, the file opens: that case
    // has its tests of its own.
    const QByteArray full = fileBytes(path("full.cov"));
    const qsizetype imageEnd = full.lastIndexOf("CDCOVJOB");
    ASSERT_GT(imageEnd, 0);

    addFigure(1, 55);
    addFigure(8, 66);
    form->job.replaceImage(gradientImage24(3, 3, 99));
    const uint8_t* pixels = form->job.image().pixels();
    form->job.setPageSize(4321, form->job.pageHeight());
    for (qsizetype length = 0; length < imageEnd; ++length) {
        writeBytes(path("cut.cov"), full.left(length));
        dialogs.answerMessage(MsgAnswer::Ok);
        ASSERT_FALSE(form->OpenFile(path("cut.cov"))) << length;
        if (length >= 37)
            expectLastMessage(QStringLiteral(
                "Die CD-Cover Datei cut.cov ist beschädigt oder unvollständig und wurde nicht geöffnet!"));
        ASSERT_EQ(form->job.objects().slot(1).Left, 55) << length;
        ASSERT_EQ(form->job.objects().slot(8).Kind, KindFigure) << length;
        ASSERT_EQ(form->job.image().pixels(), pixels) << length;
        ASSERT_EQ(form->job.pageWidth(), 4321) << length;
        ASSERT_EQ(form->job.fileName(), path("full.cov")) << length;
    }
}

TEST_F(DocumentCommandsTest, ProgressOfATwoHundredRowImage) {
    form->job.replaceImage(gradientImage24(4, 200));
    std::vector<int> expected{0};
    for (int j = 0; j < 200; ++j)
        expected.push_back(j * 100 / 199);
    expected.push_back(0);

    {
        ProgressRecorder saving(form->shell());
        ASSERT_TRUE(form->SaveFile(path("tall.cov")));
        EXPECT_EQ(saving.values, expected);
    }
    ProgressRecorder opening(form->shell());
    ASSERT_TRUE(form->OpenFile(path("tall.cov")));
    EXPECT_EQ(opening.values, expected);
    EXPECT_EQ(form->progressValue(), 0);
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsTheOldFileAndTheTitle) {
    ASSERT_TRUE(form->SaveFile(path("old.cov")));
    const QByteArray old = fileBytes(path("old.cov"));
    form->setSavedFileName(path("other.cov"));
    const QString title = shownTitle();

    form->job.replaceImage(gradientImage24(300, 300));
    {
        ScopedFileSizeLimit limit(64 * 1024);
        dialogs.answerMessage(MsgAnswer::Ok);
        EXPECT_FALSE(form->SaveFile(path("old.cov")));
    }
    expectLastMessage(QStringLiteral("CD-Cover Datei speichern: Fehler beim Schreiben der Datei old.cov! Die "
                                     "Datei wurde nicht gespeichert."));
    EXPECT_EQ(fileBytes(path("old.cov")), old);
    EXPECT_EQ(shownTitle(), title);
    EXPECT_EQ(form->progressValue(), 0);

    dialogs.answerMessage(MsgAnswer::Ok);
    EXPECT_FALSE(form->SaveFile(path("missing/new.cov")));
    expectLastMessage(QStringLiteral("CD-Cover Datei speichern: Konnte die Datei new.cov nicht erstellen!"));
    EXPECT_EQ(shownTitle(), title);
}
