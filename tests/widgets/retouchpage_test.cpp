#include "retouch/ui/retouchpage.h"
#include "retouch/ui/retouchview.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "widgets/scrollbox.h"

#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

class RetouchPageTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        page = form->retouchPage;
        form->pageTabs->setCurrentIndex(1);
    }
    void show(DibImage image) {
        form->job.replaceImage(std::move(image));
        form->job.setRegion({0, 0, 0, 0});
        page->fitViewToImage();
        QApplication::processEvents();
    }
    void drag(QPoint from, QPoint to) {
        QTest::mouseMove(page->retouchView, from);
        QTest::mousePress(page->retouchView, Qt::LeftButton, {}, from);
        QTest::mouseMove(page->retouchView, to);
        QTest::mouseRelease(page->retouchView, Qt::LeftButton, {}, to);
    }
    RetouchPage* page = nullptr;
};

struct Entry {
    QString caption, hint;
};

} // namespace

TEST_F(RetouchPageTest, RetuscheMenuHoldsTheCommandsInOrderWithSeparators) {
    const std::vector<Entry> expected = {
        {"Rückgängig", "Rückgängig"},
        {"Wiederholen", "Wiederholen"},
        {"", ""},
        {"Helligkeit und &Kontrast...", "Läßt Sie die Helligkeit und den Kontrast verändern"},
        {"", ""},
        {"&90° nach links rotieren", "Rotiert das Bild um 90° nach links"},
        {"9&0° nach rechts rotieren", "Rotiert das Bild um 90° nach rechts"},
        {"&Drehen um Winkel...", "Dreht das Bild um einen beliebigen Winkel"},
        {"", ""},
        {"&Horizontal spiegeln", "Spiegelt das Bild an einer horizontalen Achse"},
        {"&Vertikal spiegeln", "Spiegelt das Bild an einer vertikalen Achse"},
        {"", ""},
        {"&Rand abschneiden", "Schneidet den Rand ab, und läßt das markierte Stück übrig"},
        {"&Automatisch zuschneiden", "Sucht die CD oder das Cover auf dem Bild und schneidet es gerade aus"},
    };
    const auto actions = page->retouchMenu->actions();
    ASSERT_EQ(actions.size(), qsizetype(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].caption.isEmpty()) << i;
        if (actions[i]->isSeparator()) continue;
        EXPECT_EQ(actions[i]->text(), expected[i].caption);
        EXPECT_EQ(actions[i]->toolTip(), expected[i].hint);
    }
    const auto effects = page->effectsMenu->actions();
    ASSERT_EQ(effects.size(), 14);
    EXPECT_EQ(effects[0]->text(), QStringLiteral("Weichzeichnen"));
    EXPECT_EQ(effects[3]->text(), QStringLiteral("Schärfen"));
    EXPECT_EQ(effects[13]->text(), QStringLiteral("Emboss vertikal"));
}

TEST_F(RetouchPageTest, MarkingWithTheMouseAt100PercentCropsThatPart) {
    show(gradientImage24(200, 150));
    QTest::mousePress(page->retouchView, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(page->retouchView, QPoint(110, 70));
    QTest::mouseRelease(page->retouchView, Qt::LeftButton, {}, QPoint(110, 70));
    EXPECT_EQ(form->job.region(), (MarkedRegion{10, 20, 110, 70}));
    EXPECT_FALSE(page->retouchView->marking().dragging());
    EXPECT_EQ(page->retouchView->marking().viewRect(), (ViewRect{10, 20, 110, 70}));

    page->cropAction->trigger();
    ASSERT_EQ(form->job.image().width(), 100);
    ASSERT_EQ(form->job.image().height(), 50);
    EXPECT_EQ(pixelAt(form->job.image(), 0, 0), makeColorRef(10, 20, 7));
    EXPECT_EQ(pixelAt(form->job.image(), 99, 49), makeColorRef(109, 69, 7));
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 100, 50}));
    EXPECT_EQ(form->progressValue(), 0);
    EXPECT_EQ(page->retouchView->size(), QSize(100, 50));
}

TEST_F(RetouchPageTest, ACropOfAClickIsRefusedWithTheMessage) {
    show(gradientImage24(40, 30));
    drag({12, 9}, {12, 9});
    EXPECT_EQ(form->job.region(), (MarkedRegion{12, 9, 12, 9}));
    dialogs.answerMessage(MsgAnswer::Ok);
    page->cropAction->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Sie müssen zuerst einen Bereich mit der Maus aufziehen!"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(form->job.image().width(), 40);
}

TEST_F(RetouchPageTest, DraggingAnEdgeAcrossTheOtherSwapsThemAndTheCursorFollowsTheEdges) {
    show(gradientImage24(100, 80));
    drag({20, 10}, {60, 50});
    QTest::mouseMove(page->retouchView, QPoint(60, 30));
    EXPECT_EQ(page->retouchView->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(page->retouchView, QPoint(60, 50));
    EXPECT_EQ(page->retouchView->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(page->retouchView, QPoint(60, 10));
    EXPECT_EQ(page->retouchView->cursor().shape(), Qt::SizeBDiagCursor);
    drag({60, 30}, {5, 30});
    EXPECT_EQ(form->job.region(), (MarkedRegion{5, 10, 20, 50}));
    EXPECT_EQ(page->retouchView->marking().viewRect(), (ViewRect{5, 10, 20, 50}));
    QTest::mouseMove(page->retouchView, QPoint(40, 30));
    EXPECT_EQ(page->retouchView->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(RetouchPageTest, ZoomScalesTheViewAndTheMarkingClampsToIt) {
    show(gradientImage24(10, 10));
    page->zoomSpin->setValue(300);
    EXPECT_EQ(page->retouchView->size(), QSize(30, 30));
    drag({3, 3}, {500, 500});
    EXPECT_EQ(form->job.region(), (MarkedRegion{1, 1, 10, 10}));
    EXPECT_EQ(page->retouchView->marking().viewRect(), (ViewRect{3, 3, 29, 29}));
}

TEST_F(RetouchPageTest, TurnsResetTheRegionAndMirrorsKeepIt) {
    show(patternImage(30, 20, 4));
    drag({2, 3}, {12, 8});
    const DibImage before = form->job.image().clone();
    page->flipHorizontalAction->trigger();
    EXPECT_EQ(form->job.region(), (MarkedRegion{2, 3, 12, 8}));
    EXPECT_EQ(pixelAt(form->job.image(), 0, 0), pixelAt(before, 29, 0));
    page->flipVerticalAction->trigger();
    EXPECT_EQ(form->job.region(), (MarkedRegion{2, 3, 12, 8}));
    page->rotateLeftAction->trigger();
    EXPECT_EQ(form->job.image().width(), 20);
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 20, 30}));
    page->rotateRightAction->trigger();
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 30, 20}));
    EXPECT_EQ(form->job.image().bitCount(), 4);
    EXPECT_EQ(page->retouchView->size(), QSize(30, 20));
    EXPECT_EQ(form->progressValue(), 0);
}

TEST_F(RetouchPageTest, CommandsWithoutMemoryLeaveImageAndRegionAlone) {
    show(gradientImage24(60, 40));
    drag({2, 3}, {12, 8});
    form->shell().setImageLimits({.pixelMemoryBytes = 100});
    for (QAction* command : {page->rotateLeftAction, page->rotateRightAction, page->flipHorizontalAction,
                             page->flipVerticalAction, page->cropAction})
        command->trigger();
    EXPECT_EQ(form->job.image().width(), 60);
    EXPECT_EQ(form->job.region(), (MarkedRegion{2, 3, 12, 8}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->progressValue(), 0);
}
