// The history of the whole job: images arriving on the scan page, the values
// of the "Zentrieren" page, and "Neu" and "Öffnen..." starting afresh.

#include "document/jobhistory.h"
#include "paper/papercatalogue.h"
#include "paper/paperedit.h"
#include "paper/ui/placementpage.h"
#include "print/ui/printpage.h"
#include "raster/imagefile.h"
#include "raster/ui/scanpage.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"

#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

class UndoDocumentTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QUndoStack& stack() { return form->job.history().stack(); }
    QString path(const char* name) const { return programDir() + QLatin1String(name); }
    void undoKey() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }
    void openImage(const DibImage& image) {
        QFile out(path("picture.png"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(encodeImage(image, ImageFileFormat::Png));
        out.close();
        dialogs.answerOpenFile(FileAnswer{out.fileName(), 1});
        QTest::mouseClick(form->scanPage->openImageButton, Qt::LeftButton);
    }
};

TEST_F(UndoDocumentTest, StartsEmptyAndAnOpenedImageIsOneStep) {
    EXPECT_EQ(stack().count(), 0);
    const int startWidth = form->job.image().width();
    form->job.setRegion({5, 6, 50, 60});
    openImage(gradientImage24(30, 20));
    ASSERT_EQ(form->job.image().width(), 30);
    EXPECT_EQ(stack().undoText(), QStringLiteral("Bild öffnen"));
    undoKey();
    EXPECT_EQ(form->job.image().width(), startWidth);
    EXPECT_EQ(form->job.region(), (MarkedRegion{5, 6, 50, 60}));
}

TEST_F(UndoDocumentTest, NewAndOpenStartWithoutHistory) {
    openImage(gradientImage24(30, 20));
    ASSERT_TRUE(form->SaveFile(path("job.cov")));
    openImage(gradientImage24(8, 8));
    ASSERT_EQ(stack().count(), 2);

    dialogs.answerMessage(MsgAnswer::Discard);
    QTest::mouseClick(form->newCoverButton, Qt::LeftButton);
    EXPECT_EQ(stack().count(), 0);
    undoKey(); // nothing to undo: the new job stays
    EXPECT_EQ(form->job.image().width(), 320);

    openImage(gradientImage24(8, 8));
    dialogs.answerMessage(MsgAnswer::Discard);
    dialogs.answerOpenFile(FileAnswer{path("job.cov"), 1});
    QTest::mouseClick(form->openCoverButton, Qt::LeftButton);
    EXPECT_EQ(form->job.image().width(), 30);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(UndoDocumentTest, TypedPlacementIsOneStepUndoneOnThePlacementPage) {
    form->pageTabs->setCurrentWidget(form->placementPage);
    QSpinBox* width = form->placementPage->widthSpin;
    const int before = width->value();
    retype(width, QStringLiteral("150"));
    EXPECT_EQ(form->job.placement().widthPercent, 150);
    ASSERT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), QStringLiteral("Bildgröße ändern"));
    undoKey();
    EXPECT_EQ(form->job.placement().widthPercent, before);
    EXPECT_EQ(width->value(), before);
    QTest::keyClick(width, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(width->value(), 150);
}

// A value the program brings back into the sheet's range is no step of the
// user's: undo goes back over what the user typed, and redo stays possible.
class UndoPrintValuesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        PaperType sixLabels;
        applyDialogValues(sixLabels, PaperDialogValues{QStringLiteral("Sechs"), 10, 12, 60, 40, 2, 3, 2, 3});
        PaperCatalogue catalogue(programDir());
        catalogue.add(sixLabels);
        ASSERT_TRUE(catalogue.save());
        createForm();
        form->pageTabs->setCurrentWidget(form->printPage);
        ASSERT_TRUE(form->job.paperFormat());
    }
    QUndoStack& stack() { return form->job.history().stack(); }
};

TEST_F(UndoPrintValuesTest, ASheetBroughtBackIntoRangeIsNoStep) {
    PrintPage& page = *form->printPage;
    retype(page.copiesSpin, QStringLiteral("20"));
    retype(page.sheetSpin, QStringLiteral("4"));
    ASSERT_EQ(page.sheetSpin->value(), 4);
    // One copy fills one sheet: the shown sheet falls back to the first.
    retype(page.copiesSpin, QStringLiteral("1"));
    ASSERT_EQ(page.sheetSpin->value(), 1);
    EXPECT_EQ(stack().undoText(), QStringLiteral("Kopien ändern"));

    QTest::keyClick(page.copiesSpin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page.copiesSpin->value(), 20);
    EXPECT_TRUE(stack().canRedo());
    QTest::keyClick(page.copiesSpin, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(page.copiesSpin->value(), 1);
    EXPECT_FALSE(stack().canRedo());
    EXPECT_EQ(stack().undoText(), QStringLiteral("Kopien ändern"));
}

} // namespace
