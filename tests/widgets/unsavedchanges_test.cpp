// A job that knows whether it is saved: the "*" in the title, and the question
// about unsaved changes before the window closes or "Neu" starts afresh.

#include "document/coverfile.h"
#include "paper/ui/placementpage.h"
#include "support/mainwindowfixture.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kTitle = QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0 - [%1]");
const QString kSaveQuestion =
    QStringLiteral("Der Auftrag wurde geändert. Sollen die Änderungen gespeichert werden?");

class UnsavedChangesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->pageTabs->setCurrentWidget(form->placementPage);
    }
    QString path(const char* name) const { return programDir() + QLatin1String(name); }
    // The picture's size on "Zentrieren", typed.
    void typeSize(const char* percent) { retype(form->placementPage->widthSpin, QLatin1String(percent)); }
    void undoKey() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }
    void clickQuit() { QTest::mouseClick(form->quitButton, Qt::LeftButton, {}, QPoint(4, 4)); }
};

TEST_F(UnsavedChangesTest, TheTitleShowsAStarWhileTheJobDiffersFromTheSavedOne) {
    EXPECT_EQ(shownTitle(), kTitle.arg("Unbenannt.cov"));
    typeSize("50");
    EXPECT_EQ(shownTitle(), kTitle.arg("Unbenannt.cov*"));

    dialogs.answerSaveFile(FileAnswer{path("job.cov"), 1});
    QTest::mouseClick(form->saveCoverButton, Qt::LeftButton);
    EXPECT_EQ(shownTitle(), kTitle.arg("job.cov"));

    // Typed after saving, the number is a step of its own: undo leads back to the saved job.
    typeSize("70");
    EXPECT_EQ(shownTitle(), kTitle.arg("job.cov*"));
    undoKey();
    EXPECT_EQ(form->job.placement().widthPercent, 50);
    EXPECT_EQ(shownTitle(), kTitle.arg("job.cov"));
    undoKey();
    EXPECT_EQ(shownTitle(), kTitle.arg("job.cov*"));
}

TEST_F(UnsavedChangesTest, ClosingWithChangesOffersToSaveAndSavesFirst) {
    typeSize("50");
    dialogs.answerMessage(MsgAnswer::Cancel);
    clickQuit();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kSaveQuestion);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Programm beenden"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::SaveDiscardCancel);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Warning);

    // The job is unnamed: "Speichern" asks for a name.
    dialogs.answerMessage(MsgAnswer::Save);
    dialogs.answerSaveFile(FileAnswer{path("job.cov"), 1});
    clickQuit();
    EXPECT_FALSE(form->isVisible());
    const cover::ReadResult saved = cover::readCoverFile(path("job.cov"));
    ASSERT_EQ(saved.status, cover::ReadStatus::Ok);
    ASSERT_TRUE(saved.document.printSettings);
    EXPECT_EQ(saved.document.printSettings->placement.widthPercent, 50);
}

TEST_F(UnsavedChangesTest, AFailedOrCancelledSaveCancelsTheCommand) {
    typeSize("50");
    dialogs.answerMessage(MsgAnswer::Save);
    dialogs.answerSaveFile(std::nullopt);
    clickQuit();
    EXPECT_TRUE(form->isVisible());

    dialogs.answerMessage(MsgAnswer::Save);
    dialogs.answerSaveFile(FileAnswer{path("fehlt/job.cov"), 1});
    dialogs.answerMessage(MsgAnswer::Ok);
    QTest::mouseClick(form->newCoverButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.back().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(shownTitle(), kTitle.arg("Unbenannt.cov*")) << "no new job";

    // "Verwerfen" closes without a file.
    dialogs.answerMessage(MsgAnswer::Discard);
    clickQuit();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(path("fehlt/job.cov")));
}

} // namespace
