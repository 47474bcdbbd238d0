#include "retouch/tones.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/ui/retouchpage.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"

#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include <cstring>

namespace {

class RetouchDialogsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        page = form->retouchPage;
        form->pageTabs->setCurrentIndex(1);
    }
    void show(DibImage image) {
        form->job.replaceImage(std::move(image));
        form->job.setRegion({1, 1, 4, 4});
        page->fitViewToImage();
    }
    bool currentEquals(const DibImage& other) const {
        const DibImage& c = form->job.image();
        return c.width() == other.width() && c.height() == other.height() &&
               c.bitCount() == other.bitCount() &&
               std::memcmp(c.pixels(), other.pixels(), c.sizeImage()) == 0 &&
               std::equal(c.colors().begin(), c.colors().end(), other.colors().begin(), other.colors().end());
    }
    // Scripts the brightness and contrast dialog with `steps` run on it.
    void answerHk(std::function<int(BrightnessContrastDialog&)> steps) {
        dialogs.answerModal(
            [steps](QDialog& dialog) { return steps(static_cast<BrightnessContrastDialog&>(dialog)); });
    }
    void chooseEffect(int index) { page->effectsMenu->actions()[index]->trigger(); }
    RetouchPage* page = nullptr;
};

} // namespace

TEST_F(RetouchDialogsTest, PreviewStartsFromTheBackupEachTimeAndOkKeepsIt) {
    show(gradientImage24(20, 10));
    DibImage expected = gradientImage24(20, 10);
    Helligkeit(expected, 40);
    Kontrast(expected, 150);
    answerHk([&](BrightnessContrastDialog& hk) {
        EXPECT_EQ(hk.windowTitle(), QStringLiteral("Helligkeit und Kontrast"));
        EXPECT_EQ(hk.brightnessSlider->value(), 0);
        EXPECT_EQ(hk.contrastSlider->value(), 100);
        hk.brightnessSlider->setValue(40);
        hk.contrastSlider->setValue(150);
        EXPECT_TRUE(currentEquals(gradientImage24(20, 10))); // moving a bar alone changes nothing
        hk.previewButton->click();
        hk.previewButton->click();
        EXPECT_TRUE(currentEquals(expected));
        hk.okButton->click();
        return hk.result();
    });
    page->brightnessAction->trigger();
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("HKForm2")});
    EXPECT_TRUE(currentEquals(expected));
    EXPECT_EQ(form->progressValue(), 0);
}

TEST_F(RetouchDialogsTest, ResetThenOkAndCancelBothGiveBackTheStartingPicture) {
    const DibImage start = patternImage(9, 5, 8);
    show(start.clone());
    answerHk([](BrightnessContrastDialog& hk) {
        hk.brightnessSlider->setValue(-60);
        hk.previewButton->click();
        click(hk.resetButton);
        EXPECT_EQ(hk.brightnessSlider->value(), 0);
        EXPECT_EQ(hk.contrastSlider->value(), 100);
        hk.okButton->click();
        return hk.result();
    });
    page->brightnessAction->trigger();
    EXPECT_TRUE(currentEquals(start));

    answerHk([this, &start](BrightnessContrastDialog& hk) {
        hk.contrastSlider->setValue(0);
        hk.previewButton->click();
        EXPECT_FALSE(currentEquals(start));
        // Only the palette of a palette image changes.
        EXPECT_EQ(std::memcmp(form->job.image().pixels(), start.pixels(), start.sizeImage()), 0);
        hk.cancelButton->click();
        return hk.result();
    });
    page->brightnessAction->trigger();
    EXPECT_TRUE(currentEquals(start));
}

TEST_F(RetouchDialogsTest, BrightnessDialogIsNotShownWithoutMemoryForTheBackup) {
    show(gradientImage24(40, 40));
    form->shell().setImageLimits({.pixelMemoryBytes = 1000});
    dialogs.answerMessage(MsgAnswer::Ok);
    page->brightnessAction->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Fehler: Konnte Bild nicht erstellen! (Zuwenig Speicher?)"));
    EXPECT_EQ(dialogs.messages[0].caption, QString());
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(dialogs.modalDialogs.empty());
}

TEST_F(RetouchDialogsTest, AFilterIsKeptOnYesAndEveryPixelComesBackOnNo) {
    const DibImage start = gradientImage24(13, 7);
    show(start.clone());
    dialogs.answerMessage(MsgAnswer::No);
    chooseEffect(6);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Wollen Sie das Ergebnis bebehalten?"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Ist das Ergebnis Ok?"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Question);
    EXPECT_TRUE(currentEquals(start));

    dialogs.answerMessage(MsgAnswer::Yes);
    chooseEffect(12);
    EXPECT_FALSE(currentEquals(start));
    EXPECT_EQ(form->job.region(), (MarkedRegion{1, 1, 4, 4}));
    EXPECT_EQ(form->progressValue(), 0);
}

TEST_F(RetouchDialogsTest, PaletteImagesAreAskedFirstAndStayTrueColourAfterwards) {
    show(patternImage(7, 5, 8));
    dialogs.answerMessage(MsgAnswer::No);
    chooseEffect(0);
    EXPECT_EQ(form->job.image().bitCount(), 8);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Farbtiefe anpassen?"));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(
                  "Für diese Aktion muß die Farbtiefe des Bildes auf 16,7 Millionen Farben hochgerechnet "
                  "werden, dadurch erhöhert sich der Speicherbedarf. Wollen Sie fortfahren?"));

    const DibImage start = patternImage(7, 5, 8);
    dialogs.answerMessage(MsgAnswer::Yes);
    dialogs.answerMessage(MsgAnswer::No);
    chooseEffect(0);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].caption, QStringLiteral("Ist das Ergebnis Ok?"));
    ASSERT_EQ(form->job.image().bitCount(), 24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const RgbQuad q = start.colors()[pixelAt(start, x, y)];
            EXPECT_EQ(pixelAt(form->job.image(), x, y), makeColorRef(q.red, q.green, q.blue));
        }
    dialogs.answerMessage(MsgAnswer::Yes);
    chooseEffect(1); // no more question about the depth
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

TEST_F(RetouchDialogsTest, ShortMemoryIsReportedForTheDepthAndForTheWorkImage) {
    show(patternImage(40, 40, 8));
    form->shell().setImageLimits({.pixelMemoryBytes = 3000});
    dialogs.answerMessage(MsgAnswer::Yes);
    dialogs.answerMessage(MsgAnswer::Ok);
    chooseEffect(0);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Die Farbtiefe konnte nicht hochgerechnet werden (Speichermangel?)."));
    EXPECT_EQ(dialogs.messages[1].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(form->job.image().bitCount(), 8);

    form->shell().setImageLimits({});
    show(gradientImage24(40, 40));
    const DibImage start = gradientImage24(40, 40);
    form->shell().setImageLimits({.pixelMemoryBytes = 5000});
    dialogs.answerMessage(MsgAnswer::Ok);
    chooseEffect(0);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, QStringLiteral("Fehler: Nicht genügent Speicher für diese Aktion!"));
    EXPECT_EQ(dialogs.messages[2].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[2].icon, MsgIcon::Error);
    EXPECT_TRUE(currentEquals(start));
}
