#include "app/aboutbox.h"
#include "objects/ui/annotationpage.h"
#include "paper/ui/placementpage.h"
#include "print/ui/printpage.h"
#include "raster/ui/scanpage.h"
#include "raster/ui/scanview.h"
#include "retouch/ui/retouchpage.h"
#include "support/mainwindowfixture.h"
#include "support/userinput.h"
#include "widgets/imagebutton.h"
#include "widgets/pageframe.h"
#include "widgets/scrollbox.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace {

void sendWheel(QWidget* target, int angle) {
    const QPointF at(5, 5);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

TEST_F(MainWindowTest, StartsWithFivePagesAndAWhiteImage) {
    ASSERT_EQ(form->pageTabs->count(), 5);
    const QStringList tabs = {"Scannen", "Retuschieren", "Kommentare", "Zentrieren", "Drucken"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form->pageTabs->tabText(i), tabs[i]);
    EXPECT_EQ(form->pageTabs->currentIndex(), 0);
    EXPECT_EQ(form->size(), QSize(638, 512));
    EXPECT_EQ(form->job.image().width(), 320);
    EXPECT_EQ(form->job.image().height(), 200);
    EXPECT_EQ(form->job.image().bitCount(), 24);
    EXPECT_EQ(pixelAt(form->job.image(), 17, 99), 0x00FFFFFFu);
    EXPECT_EQ(form->job.region(), (MarkedRegion{0, 0, 319, 199}));
    EXPECT_EQ(shownTitle(), QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0 - [Unbenannt.cov]"));
    EXPECT_TRUE(form->shell().settingsFolder().endsWith(QLatin1Char('/')));
}

TEST_F(MainWindowTest, PagesCarryTheirHeadersAndTitles) {
    auto* scan = static_cast<PageFrame*>(form->pageTabs->widget(0));
    EXPECT_EQ(scan->header()->text(),
              QStringLiteral("Motiv einscannen - Scanner wählen und auf \"Go scan!\" klicken"));
    EXPECT_EQ(scan->titleBox()->text(), QStringLiteral("Label oder Cover scannen"));
    EXPECT_EQ(scan->header()->height(), 33);
    EXPECT_EQ(scan->leftPanel()->width(), 209);
    auto* notes = static_cast<PageFrame*>(form->pageTabs->widget(2));
    EXPECT_EQ(notes->titleBox(), nullptr);
    EXPECT_EQ(notes->leftPanel(), nullptr);
    auto* print = static_cast<PageFrame*>(form->pageTabs->widget(4));
    EXPECT_EQ(print->titleBox()->text(), QStringLiteral("Label/Cover Drucken"));
    EXPECT_EQ(print->header()->palette().color(QPalette::Window), QColor(240, 202, 166));
}

TEST_F(MainWindowTest, StartValuesFollowTheScreenAndThePrinter) {
    // 2 × 200000 × 25.39995 / 96 internal units per screen pixel.
    EXPECT_DOUBLE_EQ(form->job.unitsPerScreenPixel(), 105833.125);
    EXPECT_DOUBLE_EQ(form->job.imagePixelSize(), 105833.125);
    EXPECT_DOUBLE_EQ(form->job.viewZoom(), 1.0);
    // The printable page in internal units: pixels × 200000 × 25.39995 / dpi, truncated.
    const QSize pixels = printer.printableSize();
    EXPECT_EQ(form->job.pageWidth(), int32_t(pixels.width() * 200000.0 * 25.39995 / 600));
    EXPECT_EQ(form->job.pageHeight(), int32_t(pixels.height() * 200000.0 * 25.39995 / 600));
    EXPECT_EQ(form->job.pageWidth(), 41994584); // 4960 pixels: a hair under 210 mm
}

TEST_F(MainWindowTest, StatusBarShowsEveryProgressValue) {
    auto* bar = form->findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 0);
    QSignalSpy shown(&form->shell(), &MainShell::progressShown);
    for (int percent : {10, 50, 50, 100, 0, 30}) {
        form->setProgress(percent);
        EXPECT_EQ(bar->value(), percent);
    }
    ASSERT_EQ(shown.count(), 6) << "a repeated value is shown again";
    EXPECT_EQ(shown[2].at(0).toInt(), 50);
    EXPECT_EQ(form->progressValue(), 30);
}

TEST_F(MainWindowTest, ImageButtonFollowsThePointerAndClicksOnlyInside) {
    ImageButton* button = form->aboutButton;
    EXPECT_TRUE(button->normalVisible());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Informationen über das Programm"));
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clicks(button, &ImageButton::clicked);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->pressedVisible());
    EXPECT_TRUE(button->pressedFlag());
    QMouseEvent out(QEvent::MouseMove, QPointF(button->width() + 10, 5), button->mapToGlobal(QPointF(0, 0)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &out);
    EXPECT_TRUE(button->normalVisible()) << "dragged out: the normal picture again";
    QMouseEvent back(QEvent::MouseMove, QPointF(3, 3), button->mapToGlobal(QPointF(0, 0)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &back);
    EXPECT_TRUE(button->pressedVisible()) << "dragged back: the pressed picture again";
    QApplication::sendEvent(button, &out);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(button->width() + 10, 5));
    EXPECT_TRUE(button->normalVisible());
    EXPECT_FALSE(button->pressedFlag());
    EXPECT_EQ(clicks.count(), 0) << "released outside: no action";

    // A move without a press changes nothing.
    QApplication::sendEvent(button, &back);
    EXPECT_TRUE(button->normalVisible());

    // Released inside: the click resets the pictures and runs the action (the about box).
    dialogs.answerModal([](QDialog& box) { return box.objectName() == "AboutBox" ? 1 : 0; });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(button->normalVisible());
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{"AboutBox"});
}

TEST_F(MainWindowTest, WheelScrollsTheShownPageByTwentyPixelsPerNotch) {
    form->pageTabs->setCurrentIndex(3); // "Zentrieren"
    ScrollBox* placement = form->placementPage->placementScroll;
    ScrollBox* scan = form->scanPage->scanScroll;
    placement->setPaintBoxSize(300, 2000);
    scan->setPaintBoxSize(300, 2000);
    QApplication::processEvents();
    ASSERT_GT(placement->verticalScrollBar()->maximum(), 100);

    sendWheel(placement->view(), -120); // one notch down
    EXPECT_EQ(placement->verticalPosition(), 20);
    sendWheel(placement->view(), -240); // two notches
    EXPECT_EQ(placement->verticalPosition(), 60);
    sendWheel(form->printPage, 120); // anywhere in the window, up
    EXPECT_EQ(placement->verticalPosition(), 40);
    EXPECT_EQ(scan->verticalPosition(), 0) << "only the page shown scrolls";
    sendWheel(placement->view(), 480);
    EXPECT_EQ(placement->verticalPosition(), 0) << "kept within the range";
}

TEST_F(MainWindowTest, ClosingAsksAndCancelKeepsTheProgramRunning) {
    dialogs.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Hiermit beenden Sie das Programm."));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Programm beenden"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);

    // The quit button asks the same question.
    dialogs.answerMessage(MsgAnswer::Ok);
    QTest::mouseClick(form->quitButton, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, dialogs.messages[0].text);
}

TEST_F(MainWindowTest, OptionTabsFollowTheSelectedObject) {
    AnnotationPage& page = *form->annotationPage;
    auto visible = [&](QWidget* sheet) {
        return page.optionTabs->isTabVisible(page.optionTabs->indexOf(sheet));
    };
    form->annotationPage->CheckAllPanelOptions();
    EXPECT_FALSE(visible(page.shapeTab));
    EXPECT_FALSE(visible(page.textTab));
    EXPECT_FALSE(visible(page.generalTab));

    AnnotationObject& figure = form->job.objects().slot(4);
    figure.Kind = KindFigure;
    figure.Shape = ShapeLineRising;
    figure.FillMode = 1;
    figure.LineWidth = 7;
    form->job.objects().currentObject = 4;
    form->annotationPage->CheckAllPanelOptions();
    EXPECT_TRUE(visible(page.shapeTab));
    EXPECT_FALSE(visible(page.textTab));
    EXPECT_TRUE(visible(page.generalTab));
    EXPECT_TRUE(page.shapeButtons[8]->isChecked());
    EXPECT_FALSE(page.outlineColorButton->isEnabled());
    EXPECT_FALSE(page.filledRadio->isEnabled());
    EXPECT_FALSE(page.outlinedRadio->isEnabled());
    EXPECT_FALSE(page.filledOutlinedRadio->isEnabled());
    EXPECT_EQ(page.lineWidthSpin->value(), 7);

    figure.Shape = ShapeRectangle;
    form->annotationPage->CheckAllPanelOptions();
    EXPECT_TRUE(page.outlineColorButton->isEnabled());
    EXPECT_TRUE(page.outlinedRadio->isEnabled());
    EXPECT_TRUE(page.outlinedRadio->isChecked());
    EXPECT_EQ(page.optionTabs->currentWidget(), page.shapeTab);

    AnnotationObject& text = form->job.objects().slot(9);
    text.Kind = KindText;
    text.Align = 2;
    form->job.objects().currentObject = 9;
    form->annotationPage->CheckAllPanelOptions();
    EXPECT_FALSE(visible(page.shapeTab));
    EXPECT_TRUE(visible(page.textTab));
    EXPECT_TRUE(page.alignRightRadio->isChecked());
    EXPECT_EQ(page.optionTabs->currentWidget(), page.textTab);
}

TEST_F(MainWindowTest, AboutBoxShowsTheYearAndTheWebButtonsOpenTheMakersPage) {
    EXPECT_EQ(AboutBox::withYear("© XXXX und XXXX", 2026), QStringLiteral("© 2026 und XXXX"));
    dialogs.answerModal([](QDialog& dialog) {
        auto& box = static_cast<AboutBox&>(dialog);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Info"));
        EXPECT_FALSE(box.programIcon->pixmap().isNull()) << "the picture was drawn";
        EXPECT_TRUE(box.copyrightLabel->text().contains(QString::number(QDate::currentDate().year())));
        box.webButton->click();
        return 1;
    });
    click(form->aboutButton);
    form->websiteButton->click();
    ASSERT_EQ(dialogs.openedAddresses.size(), 2u);
    EXPECT_EQ(dialogs.openedAddresses[0], dialogs.openedAddresses[1]);
    EXPECT_EQ(form->websiteButton->toolTip(), QStringLiteral("Auf zur Varnelt Homepage..."));
}

TEST_F(MainWindowTest, ScanViewShowsTheImageAtItsZoom) {
    ScanPage& page = *form->scanPage;
    EXPECT_EQ(page.scanView->size(), QSize(320, 200));
    page.zoomSpin->setValue(50);
    EXPECT_EQ(page.scanView->size(), QSize(160, 100));
    page.zoomSpin->setValue(10);
    EXPECT_EQ(page.scanView->size(), QSize(32, 20));
    EXPECT_EQ(page.zoomSpin->minimum(), 10);
    EXPECT_EQ(page.zoomSpin->maximum(), 500);
    EXPECT_EQ(page.zoomSpin->singleStep(), 10);
}

TEST_F(MainWindowTest, RetouchMenuButtonsOpenTheirMenusDirectlyBelow) {
    form->pageTabs->setCurrentIndex(1);
    RetouchPage& page = *form->retouchPage;
    QApplication::processEvents();
    EXPECT_EQ(page.fileMenuButton->toolTip(), QStringLiteral("Datei Menü aufrufen..."));
    EXPECT_EQ(page.effectsMenuButton->toolTip(), QStringLiteral("Effektfilter anwenden..."));
    EXPECT_EQ(page.retouchMenuButton->toolTip(), QStringLiteral("Bild nachbessern..."));
    ASSERT_EQ(page.fileMenu->actions().size(), 1);
    EXPECT_EQ(page.fileMenu->actions()[0]->text(), QStringLiteral("&Speichern unter..."));
    EXPECT_EQ(page.fileMenu->actions()[0]->toolTip(), QStringLiteral("Bild in einer Datei speichern"));

    const QPoint below = page.fileMenuButton->mapToGlobal(QPoint(0, page.fileMenuButton->height()));
    EXPECT_EQ(RetouchPage::menuPosition(page.fileMenuButton), below);
    page.fileMenuButton->click();
    EXPECT_TRUE(page.fileMenu->isVisible());
    page.fileMenu->close();
}
