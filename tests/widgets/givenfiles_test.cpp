// Files from outside the window: the program started with a file, and files
// dropped onto the window from a file manager.

#include "document/coverfile.h"
#include "raster/imagefile.h"
#include "raster/ui/scanpage.h"
#include "raster/ui/scanview.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "support/imagecompare.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "widgets/scrollbox.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTabWidget>

namespace {

const QString kTitlePrefix = QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0 - [");

class GivenFilesTest : public MainWindowTest {
  protected:
    QString path(const QString& name) const { return programDir() + name; }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return file.fileName();
    }

    // A job with one figure in slot 7 on a 4-bit picture, saved under `name`.
    QString writeJob(const QString& name) {
        ObjectTable table;
        table.clearAll();
        AnnotationObject& figure = table.slot(7);
        figure.Kind = KindFigure;
        figure.Left = 1234;
        figure.Width = 1000;
        figure.Height = 2000;
        const DibImage image = patternImage(9, 5, 4, 1);
        const cover::CoverSource source{30000000, 40000000, 1.0, form->job.unitsPerScreenPixel(),
                                        &table,   &image};
        EXPECT_EQ(cover::writeCoverFile(path(name), source), cover::WriteStatus::Ok);
        return path(name);
    }

    QString writePicture(const QString& name) {
        return writeFile(name, encodeImage(gradientImage24(30, 20), ImageFileFormat::Png));
    }

    void expectJobOpened(const QString& name) {
        EXPECT_EQ(form->job.objects().slot(7).Kind, KindFigure);
        EXPECT_EQ(form->job.objects().slot(7).Left, 1234);
        expectSamePicture(patternImage(9, 5, 4, 1), form->job.image(), 0);
        EXPECT_EQ(form->job.pageWidth(), 30000000);
        EXPECT_EQ(form->job.fileName(), path(name));
        EXPECT_EQ(shownTitle(), kTitlePrefix + name + QStringLiteral("]"));
    }

    void expectPictureArrived() {
        expectSamePicture(gradientImage24(30, 20), form->job.image(), 0);
        EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 30, 20}));
        // The picture is a change of the unnamed job.
        EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("Unbenannt.cov*]"));
    }

    void expectError(const QString& text) {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, text);
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
        EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    }

    // A file manager's drag over the middle of the window and its drop; true
    // when the window took the drag. What the drop sets off runs after it.
    bool drop(const QList<QUrl>& urls, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle = form->rect().center();
        QDragEnterEvent enter(middle, actions, &data, Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted()) return false;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent dropped(middle, actions, &data, Qt::NoButton, modifiers);
        QCoreApplication::sendEvent(form.get(), &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        // Never a move: the file manager would delete the user's file.
        EXPECT_EQ(dropped.dropAction(), Qt::CopyAction);
        QCoreApplication::processEvents();
        return true;
    }
};

TEST_F(GivenFilesTest, StartedWithAJobItOpensItWithoutAsking) {
    form->openFromCommandLine({QStringLiteral("cdcover")});
    EXPECT_EQ(form->job.image().width(), 320);

    const QString job = writeJob(QStringLiteral("urlaub.cov"));
    form->openFromCommandLine({QStringLiteral("cdcover"), job});
    EXPECT_TRUE(dialogs.messages.empty());
    expectJobOpened(QStringLiteral("urlaub.cov"));

    // The signature decides, not the name.
    const QString renamed = writeJob(QStringLiteral("urlaub.sicherung"));
    form->openFromCommandLine({QStringLiteral("cdcover"), renamed});
    EXPECT_TRUE(dialogs.messages.empty());
    expectJobOpened(QStringLiteral("urlaub.sicherung"));
}

TEST_F(GivenFilesTest, StartedWithAPictureItArrivesAsTheScannedImage) {
    const QString picture = writePicture(QStringLiteral("etikett.cov"));
    form->openFromCommandLine({QStringLiteral("cdcover"), picture});
    EXPECT_TRUE(dialogs.messages.empty());
    expectPictureArrived();
    EXPECT_EQ(form->scanPage->scanView->size(), QSize(30, 20));
}

TEST_F(GivenFilesTest, AnUnreadableStartFileIsReportedAndTheDocumentStaysUnnamed) {
    struct Case {
        QString name;
        QByteArray bytes; // empty: the file does not exist
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("notizen.txt"), QByteArray("keine Bilddaten, nur Text\n"),
         QStringLiteral("Das Bild notizen.txt konnte nicht gelesen werden.")},
        {QStringLiteral("kaputt.bmp"), QByteArray("BM nur der Anfang"),
         QStringLiteral("Das Bild kaputt.bmp konnte nicht gelesen werden.")},
        {QStringLiteral("alt.COV"), QByteArray("Varnelt 0.9 irgendetwas"),
         QStringLiteral("Die Datei ist keine gültige CD-Cover Datei!")},
        {QStringLiteral("fehlt.cov"), QByteArray(),
         QStringLiteral("CD-Cover Datei öffnen: Konnte die Datei fehlt.cov nicht öffnen!")},
        {QStringLiteral("fehlt.png"), QByteArray(),
         QStringLiteral("Das Bild fehlt.png konnte nicht gelesen werden.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        createForm();
        const uint8_t* pixels = form->job.image().pixels();
        const QString file = c.bytes.isEmpty() ? path(c.name) : writeFile(c.name, c.bytes);
        dialogs.messages.clear();
        dialogs.answerMessage(MsgAnswer::Ok);
        form->openFromCommandLine({QStringLiteral("cdcover"), file});
        expectError(c.message);
        EXPECT_EQ(form->job.image().pixels(), pixels);
        EXPECT_TRUE(form->job.fileName().isEmpty());
        EXPECT_EQ(shownTitle(), kTitlePrefix + QStringLiteral("Unbenannt.cov]"));
    }
}

TEST_F(GivenFilesTest, ADroppedJobAsksAboutUnsavedChangesFirst) {
    const QString job = writeJob(QStringLiteral("gedroppt.cov"));
    ASSERT_TRUE(drop({QUrl::fromLocalFile(writePicture(QStringLiteral("bild.png")))}));
    expectPictureArrived();

    dialogs.answerMessage(MsgAnswer::Cancel);
    ASSERT_TRUE(drop({QUrl::fromLocalFile(job)}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Der Auftrag wurde geändert. Sollen die Änderungen gespeichert werden?"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Datei/Öffnen"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::SaveDiscardCancel);
    expectPictureArrived();

    // Shift asks the file manager for a move; the window takes a copy all the same.
    dialogs.answerMessage(MsgAnswer::Discard);
    ASSERT_TRUE(drop({QUrl::fromLocalFile(job)}, Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier));
    EXPECT_TRUE(QFile::exists(job));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    expectJobOpened(QStringLiteral("gedroppt.cov"));
}

TEST_F(GivenFilesTest, ADroppedPictureShowsOnThePageInView) {
    const QString picture = writePicture(QStringLiteral("bild.png"));
    form->pageTabs->setCurrentWidget(form->retouchPage);
    ASSERT_TRUE(
        drop({QUrl(QStringLiteral("https://example.org/fremd.png")), QUrl::fromLocalFile(programDir()),
              QUrl::fromLocalFile(picture), QUrl::fromLocalFile(writeJob(QStringLiteral("x.cov")))}));
    EXPECT_TRUE(dialogs.messages.empty()); // a picture replaces only the image: no question
    expectPictureArrived();
    EXPECT_EQ(form->retouchPage->retouchScroll->view()->size(), QSize(30, 20));
}

TEST_F(GivenFilesTest, DragsWithoutALocalFileAreRefused) {
    const QString picture = writePicture(QStringLiteral("bild.png"));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/bild.png"))}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(programDir())}));
    EXPECT_FALSE(drop({}));
    // A source that offers only to move its file away.
    EXPECT_FALSE(drop({QUrl::fromLocalFile(picture)}, Qt::MoveAction));
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_EQ(form->job.image().width(), 320);
}

} // namespace
