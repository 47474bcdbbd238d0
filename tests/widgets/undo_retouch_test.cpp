// Undo and redo of the retouch page's changes with the keys and with the
// entries at the top of its "Retusche" menu.

#include "document/jobhistory.h"
#include "retouch/tones.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "widgets/scrollbox.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <cstring>
#include <random>

namespace {

// Pixels no filter leaves as they are, unlike a smooth gradient.
DibImage noisyImage24(int width, int height) {
    DibImage image = createImage(width, height, 24);
    std::mt19937 random(5);
    for (std::size_t i = 0; i < image.sizeImage(); ++i)
        image.pixels()[i] = uint8_t(random());
    return image;
}

class UndoRetouchTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        page = form->retouchPage;
        form->pageTabs->setCurrentIndex(1);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->job.replaceImage(gradientImage24(60, 40));
        form->job.setRegion({0, 0, 0, 0});
        page->fitViewToImage();
        QApplication::processEvents();
    }
    void markWithMouse(QPoint from, QPoint to) {
        QTest::mousePress(page->retouchView, Qt::LeftButton, {}, from);
        QTest::mouseMove(page->retouchView, to);
        QTest::mouseRelease(page->retouchView, Qt::LeftButton, {}, to);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(page->retouchView, key, modifiers);
    }
    bool showing(const DibImage& expected) const {
        const DibImage& c = form->job.image();
        return c.width() == expected.width() && c.height() == expected.height() &&
               c.bitCount() == expected.bitCount() &&
               std::memcmp(c.pixels(), expected.pixels(), c.sizeImage()) == 0 &&
               std::equal(c.colors().begin(), c.colors().end(), expected.colors().begin(),
                          expected.colors().end());
    }
    QAction* entry(int index) { return page->retouchMenu->actions()[index]; }
    RetouchPage* page = nullptr;
};

TEST_F(UndoRetouchTest, CropUndoneByCtrlZGivesBackPixelsAndRegionAndRedoCropsAgain) {
    markWithMouse({10, 5}, {40, 25});
    const MarkedRegion marked = form->job.region();
    page->cropAction->trigger();
    ASSERT_EQ(form->job.image().width(), 30);
    DibImage cropped = form->job.image().clone();

    key(Qt::Key_Z);
    EXPECT_TRUE(showing(gradientImage24(60, 40)));
    EXPECT_EQ(form->job.region(), marked);
    EXPECT_EQ(page->retouchView->marking().viewRect(), (ViewRect{10, 5, 40, 25})); // the view shows it again

    key(Qt::Key_Y);
    EXPECT_TRUE(showing(cropped));
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(showing(cropped));
}

TEST_F(UndoRetouchTest, TurnsAndMirrorsUndoAndRedoToIdenticalPixels) {
    const DibImage start = gradientImage24(60, 40);
    std::vector<DibImage> states;
    for (QAction* command : {page->rotateLeftAction, page->flipHorizontalAction, page->rotateRightAction,
                             page->flipVerticalAction}) {
        command->trigger();
        states.push_back(form->job.image().clone());
    }
    for (int i = 3; i >= 0; --i) {
        EXPECT_TRUE(showing(states[i])) << i;
        key(Qt::Key_Z);
    }
    EXPECT_TRUE(showing(start));
    EXPECT_FALSE(form->job.history().stack().canUndo());
    for (const DibImage& state : states) {
        key(Qt::Key_Y);
        EXPECT_TRUE(showing(state));
    }
}

TEST_F(UndoRetouchTest, KeptFilterUndoesAndRedoesAndADiscardedOneIsNoStep) {
    form->job.replaceImage(noisyImage24(50, 30));
    const DibImage start = form->job.image().clone();
    dialogs.answerMessage(MsgAnswer::No);
    page->effectsMenu->actions()[0]->trigger();
    EXPECT_FALSE(form->job.history().stack().canUndo());

    dialogs.answerMessage(MsgAnswer::Yes);
    page->effectsMenu->actions()[3]->trigger();
    const DibImage sharpened = form->job.image().clone();
    ASSERT_FALSE(showing(start));
    EXPECT_EQ(form->job.history().stack().undoText(), QStringLiteral("Schärfen"));
    key(Qt::Key_Z);
    EXPECT_TRUE(showing(start));
    key(Qt::Key_Y);
    EXPECT_TRUE(showing(sharpened));
}

TEST_F(UndoRetouchTest, PaletteImageRaisedForAFilterIsAStepOfItsOwn) {
    const DibImage palette = patternImage(20, 10, 8);
    form->job.replaceImage(palette.clone());
    dialogs.answerMessage(MsgAnswer::Yes); // raise the colour depth
    dialogs.answerMessage(MsgAnswer::No);  // but do not keep the filter
    page->effectsMenu->actions()[0]->trigger();
    EXPECT_EQ(form->job.image().bitCount(), 24);
    EXPECT_EQ(form->job.history().stack().undoText(), QStringLiteral("Farbtiefe anpassen"));
    key(Qt::Key_Z);
    EXPECT_TRUE(showing(palette));
}

TEST_F(UndoRetouchTest, BrightnessIsAStepOnlyWhenLeftWithOk) {
    const DibImage start = form->job.image().clone();
    auto answer = [this](bool ok) {
        dialogs.answerModal([ok](QDialog& dialog) {
            auto& hk = static_cast<BrightnessContrastDialog&>(dialog);
            hk.brightnessSlider->setValue(50);
            hk.previewButton->click();
            (ok ? hk.okButton : hk.cancelButton)->click();
            return hk.result();
        });
    };
    answer(false);
    page->brightnessAction->trigger();
    EXPECT_FALSE(form->job.history().stack().canUndo());
    answer(true);
    page->brightnessAction->trigger();
    EXPECT_FALSE(showing(start));
    key(Qt::Key_Z);
    EXPECT_TRUE(showing(start));
}

TEST_F(UndoRetouchTest, MenuEntriesNameTheStepsAndAreDisabledWithoutOne) {
    EXPECT_EQ(entry(0)->text(), QStringLiteral("Rückgängig"));
    EXPECT_FALSE(entry(0)->isEnabled());
    EXPECT_EQ(entry(1)->text(), QStringLiteral("Wiederholen"));
    EXPECT_FALSE(entry(1)->isEnabled());
    EXPECT_TRUE(entry(2)->isSeparator());
    EXPECT_EQ(entry(3), page->brightnessAction);

    page->rotateRightAction->trigger();
    EXPECT_EQ(entry(0)->text(), QStringLiteral("Rückgängig: 90° nach rechts rotieren"));
    EXPECT_TRUE(entry(0)->isEnabled());
    entry(0)->trigger();
    EXPECT_EQ(form->job.image().width(), 60);
    EXPECT_EQ(entry(1)->text(), QStringLiteral("Wiederholen: 90° nach rechts rotieren"));
    EXPECT_FALSE(entry(0)->isEnabled());
    entry(1)->trigger();
    EXPECT_EQ(form->job.image().width(), 40);
}

TEST_F(UndoRetouchTest, StepWithoutRoomIsToldInTheStatusBarAndTheTurnStillHappens) {
    page->flipHorizontalAction->trigger();
    form->job.history().setImageMemoryLimit(1000);
    page->rotateLeftAction->trigger();
    EXPECT_EQ(form->job.image().width(), 40);
    EXPECT_FALSE(form->job.history().stack().canUndo());
    EXPECT_EQ(form->statusText(), QStringLiteral("Zu wenig Speicher: Diese und frühere Änderungen "
                                                 "können nicht rückgängig gemacht werden."));
    key(Qt::Key_Z); // nothing left to undo: the turn stays
    EXPECT_EQ(form->job.image().width(), 40);
}

} // namespace
