// The job's undo history without any page: image steps and their memory,
// object steps, and the placement and print values the job signals.

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "document/jobhistory.h"
#include "document/objectstep.h"
#include "document/valuesteps.h"
#include "support/testimages.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool samePixels(const DibImage& a, const DibImage& b) {
    return a.width() == b.width() && a.height() == b.height() && a.bitCount() == b.bitCount() &&
           std::memcmp(a.pixels(), b.pixels(), a.sizeImage()) == 0;
}

class JobHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        job.replaceImage(gradientImage24(30, 20));
        job.setRegion({2, 3, 12, 13});
    }
    JobHistory& history() { return job.history(); }
    CoverJob job;
};

TEST_F(JobHistoryTest, ImageStepGivesBackImageAndRegionAndRedoesWithoutCopying) {
    replaceImageAsStep(job, QStringLiteral("Zuschneiden"), gradientImage24(10, 10, 99), true);
    const uint8_t* croppedPixels = job.image().pixels();
    EXPECT_EQ(job.region(), (MarkedRegion{0, 0, 10, 10}));
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Zuschneiden"));

    QSignalSpy images(&job, &CoverJob::imageChanged), regions(&job, &CoverJob::regionChanged);
    history().undo();
    EXPECT_TRUE(samePixels(job.image(), gradientImage24(30, 20)));
    EXPECT_EQ(job.region(), (MarkedRegion{2, 3, 12, 13}));
    EXPECT_EQ(images.count(), 1);
    EXPECT_EQ(regions.count(), 1);

    history().redo();
    EXPECT_EQ(job.image().pixels(), croppedPixels); // the very same buffer came back
    EXPECT_EQ(job.region(), (MarkedRegion{0, 0, 10, 10}));
}

TEST_F(JobHistoryTest, OldestStepsGoWhenTheImagesPassTheLimit) {
    job.replaceImage(createImage(3000, 3000, 24));
    const std::size_t oneImage = job.image().sizeImage();
    history().setImageMemoryLimit(3 * oneImage + 3 * 2000);
    for (int turn = 0; turn < 6; ++turn)
        replaceImageAsStep(job, QStringLiteral("Step %1").arg(turn), createImage(3000, 3000, 24), true);
    EXPECT_EQ(history().stack().count(), 3);
    EXPECT_LE(history().imageMemoryUsed(), history().imageMemoryLimit());
    EXPECT_EQ(history().stack().text(0), QStringLiteral("Step 3")); // the newest three stay
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Step 5"));

    // Lowering the limit drops more, and the remaining steps still undo.
    history().setImageMemoryLimit(oneImage + 2000);
    EXPECT_EQ(history().stack().count(), 1);
    history().undo();
    EXPECT_FALSE(history().stack().canUndo());
    EXPECT_EQ(job.image().width(), 3000);
}

TEST_F(JobHistoryTest, StepLargerThanTheLimitIsNotKeptAndSaysSoOnce) {
    ObjectEdit earlier(job, QStringLiteral("Farbe ändern"));
    job.objects().slot(1).Color = 0xFF;
    earlier.record();
    history().setImageMemoryLimit(1000); // less than the 30 × 20 image before the change
    QSignalSpy lost(&history(), &JobHistory::stepLost);
    replaceImageAsStep(job, QStringLiteral("Zuschneiden"), gradientImage24(5, 5), true);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(job.image().width(), 5);       // the change itself stands
    EXPECT_EQ(history().stack().count(), 0); // and the earlier step no longer fits before it
    EXPECT_FALSE(history().isSaved());

    recordImageEdit(job, QStringLiteral("Schärfen"), DibImage(), job.region());
    EXPECT_EQ(lost.count(), 2);
}

TEST_F(JobHistoryTest, TheSavedStateOutlivesDroppedStepsButNotTheStepBackToIt) {
    job.replaceImage(createImage(100, 100, 24));
    const std::size_t oneImage = job.image().sizeImage() + 2000;
    for (int turn = 0; turn < 3; ++turn) {
        replaceImageAsStep(job, QStringLiteral("Step %1").arg(turn), createImage(100, 100, 24), true);
        if (turn == 0) history().markSaved();
    }
    history().setImageMemoryLimit(2 * oneImage); // the step before the saved state goes
    ASSERT_EQ(history().stack().count(), 2);
    EXPECT_FALSE(history().isSaved());
    history().undo();
    history().undo();
    EXPECT_TRUE(history().isSaved());

    history().redo();
    history().redo();
    history().setImageMemoryLimit(oneImage); // now the step after it goes too
    ASSERT_EQ(history().stack().count(), 1);
    history().undo();
    EXPECT_FALSE(history().isSaved());
}

TEST_F(JobHistoryTest, ObjectEditKeepsOnlyTheChangedSlotsAndTheSelection) {
    ObjectTable& table = job.objects();
    table.slot(4).Kind = KindFigure;
    table.slot(4).Color = 0x0000FF;
    table.currentObject = 4;
    ObjectEdit edit(job, QStringLiteral("Farbe ändern"));
    table.slot(4).Color = 0x00FF00;
    table.currentObject = 0;
    edit.record();
    ObjectEdit nothing(job, QStringLiteral("Nichts"));
    table.currentObject = 4; // selection alone: no step
    nothing.record();
    ASSERT_EQ(history().stack().count(), 1);

    history().undo();
    EXPECT_EQ(table.slot(4).Color, 0x0000FFu);
    EXPECT_EQ(table.currentObject, 4);
    history().redo();
    EXPECT_EQ(table.slot(4).Color, 0x00FF00u);
    EXPECT_EQ(table.currentObject, 0);
}

TEST_F(JobHistoryTest, LineWidthEditsOfOneObjectMergeButNotAcrossObjects) {
    ObjectTable& table = job.objects();
    table.slot(1).Kind = table.slot(2).Kind = KindFigure;
    auto setWidth = [&](int slot, int width) {
        ObjectEdit edit(job, QStringLiteral("Linienstärke ändern"), MergeLineWidth);
        table.slot(slot).LineWidth = width;
        edit.record();
    };
    setWidth(1, 1);
    setWidth(1, 12);
    setWidth(2, 3);
    EXPECT_EQ(history().stack().count(), 2);
    history().undo();
    history().undo();
    EXPECT_EQ(table.slot(1).LineWidth, 0);
    EXPECT_EQ(table.slot(2).LineWidth, 0);
}

TEST_F(JobHistoryTest, TypedPlacementIsOneStepAndUndoSetsItThroughTheJob) {
    for (int width : {1, 12, 120}) {
        PlacementValues values = job.placement();
        values.widthPercent = width;
        setPlacementAsStep(job, values);
    }
    PlacementValues shifted = job.placement();
    shifted.shiftRightMm = 2.5;
    setPlacementAsStep(job, shifted);
    ASSERT_EQ(history().stack().count(), 2);
    EXPECT_EQ(history().stack().text(0), QStringLiteral("Bildgröße ändern"));
    EXPECT_EQ(history().stack().text(1), QStringLiteral("Bild verschieben"));

    QSignalSpy placements(&job, &CoverJob::placementChanged);
    history().undo();
    history().undo();
    EXPECT_EQ(job.placement(), PlacementValues{});
    EXPECT_EQ(placements.count(), 2);
    EXPECT_EQ(history().stack().count(), 2); // undoing recorded nothing new
    history().redo();
    EXPECT_EQ(job.placement().widthPercent, 120);
}

TEST_F(JobHistoryTest, ClipSwitchedTwiceStaysTwoStepsAndClearForgetsValues) {
    PrintValues values = job.printValues();
    values.clipToShape = true;
    setPrintValuesAsStep(job, values);
    values.clipToShape = false;
    setPrintValuesAsStep(job, values);
    EXPECT_EQ(history().stack().count(), 2);

    // Values a new paper format brings are part of choosing it, not a step.
    {
        const CoverJob::ChangeBatch chosen(job);
        job.setPaperFormat(PaperType{});
        values.clipToShape = true;
        job.setPrintValues(values);
    }
    EXPECT_EQ(history().stack().count(), 2);

    // Nor are the values a new job brings.
    {
        const CoverJob::ChangeBatch opened(job);
        values.copies = 7;
        job.setPrintValues(values);
        history().clear();
    }
    EXPECT_EQ(history().stack().count(), 0);
}

} // namespace
