// "Automatisch zuschneiden" and "Drehen um Winkel..." in the "Retusche" menu,
// and the check box that cuts each scan as it arrives.

#include "document/jobhistory.h"
#include "raster/ui/scanpage.h"
#include "retouch/turnimage.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/turndialog.h"
#include "support/mainwindowfixture.h"
#include "support/syntheticscan.h"
#include "support/testimages.h"
#include "support/userinput.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

class AutoCropWindowTest : public MainWindowTest {
  protected:
    RetouchPage& page() { return *form->retouchPage; }
    JobHistory& history() { return form->job.history(); }
};

TEST_F(AutoCropWindowTest, CutsOutTheDiscAsOneStepOrSaysNothingWasFound) {
    SyntheticScan disc;
    disc.bed = SyntheticScan::Bed::Dark;
    form->job.replaceImage(makeSyntheticScan(disc));
    page().autoCropAction->trigger();
    // 120 mm at 150 dpi.
    EXPECT_NEAR(form->job.image().width(), 709, 1);
    EXPECT_EQ(form->job.image().width(), form->job.image().height());
    EXPECT_EQ(form->job.region(),
              (MarkedRegion{0, 0, form->job.image().width(), form->job.image().height()}));
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Automatisch zuschneiden"));
    history().stack().undo();
    EXPECT_EQ(form->job.image().width(), 886);

    SyntheticScan empty;
    empty.object = SyntheticScan::Object::None;
    form->job.replaceImage(makeSyntheticScan(empty));
    const uint8_t* pixels = form->job.image().pixels();
    const int steps = history().stack().count();
    dialogs.answerMessage(MsgAnswer::Ok);
    page().autoCropAction->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Auf dem Bild wurde keine CD und kein Cover gefunden."));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Automatisch zuschneiden"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(form->job.image().pixels(), pixels);
    EXPECT_EQ(history().stack().count(), steps);
}

TEST_F(AutoCropWindowTest, TurnsByTheTypedAngleWithAPreview) {
    form->job.replaceImage(gradientImage24(60, 40));
    const CanvasSize turned = turnedCanvas(60, 40, 30);
    dialogs.answerModal([&](QDialog& dialog) {
        auto& turn = static_cast<TurnDialog&>(dialog);
        EXPECT_EQ(turn.windowTitle(), QStringLiteral("Drehen um Winkel"));
        dialog.show();
        retype(turn.angleSpin, QStringLiteral("30"));
        // The preview shows in the job, and so in the retouch view.
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->job.image().width() == turned.width; }, 5000));
        QTest::mouseClick(turn.okButton, Qt::LeftButton);
        return dialog.result();
    });
    page().turnByAngleAction->trigger();
    EXPECT_EQ(form->job.image().width(), turned.width);
    EXPECT_EQ(form->job.image().height(), turned.height);
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Drehen um Winkel"));
    EXPECT_EQ(form->progressValue(), 0);

    // "Abbrechen" after a preview puts the picture back as it was.
    const uint8_t* pixels = form->job.image().pixels();
    const MarkedRegion region = form->job.region();
    dialogs.answerModal([&](QDialog& dialog) {
        auto& turn = static_cast<TurnDialog&>(dialog);
        dialog.show();
        retype(turn.angleSpin, turn.locale().toString(-12.5, 'f', 1));
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->job.image().pixels() != pixels; }, 5000));
        QTest::mouseClick(turn.cancelButton, Qt::LeftButton);
        return dialog.result();
    });
    page().turnByAngleAction->trigger();
    EXPECT_EQ(form->job.image().pixels(), pixels);
    EXPECT_EQ(form->job.region(), region);
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Drehen um Winkel"));
}

TEST_F(AutoCropWindowTest, TheScanPagesCheckBoxIsKept) {
    QCheckBox* check = form->scanPage->autoCropCheck;
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    createForm();
    check = form->scanPage->autoCropCheck;
    EXPECT_TRUE(check->isChecked());
    // Its text, broken into lines in the narrow panel, ticks it too.
    auto* text = check->parentWidget()->findChild<QLabel*>();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), QStringLiteral("Nach dem Scannen automatisch zuschneiden"));
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
}

TEST_F(AutoCropWindowTest, AScanWithNothingOnItStaysWholeAndTheStatusBarSaysSo) {
    QTest::mouseClick(form->scanPage->autoCropCheck, Qt::LeftButton);
    SyntheticScan empty;
    empty.object = SyntheticScan::Object::None;
    form->scanPage->takeScannedImage(std::make_shared<DibImage>(makeSyntheticScan(empty)));
    EXPECT_EQ(form->job.image().width(), 886);
    EXPECT_EQ(history().stack().undoText(), QStringLiteral("Scannen"));
    EXPECT_EQ(form->statusText(), QStringLiteral("Auf dem Bild wurde keine CD und kein Cover gefunden."));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
