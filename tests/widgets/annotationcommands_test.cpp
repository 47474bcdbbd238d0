#include "support/mainwindowfixture.h"
#include "support/userinput.h"

#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"

#include "widgets/scrollbox.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

namespace {

class AnnotationCommandsTest : public MainWindowTest {
  protected:
    AnnotationPage& page() { return *form->annotationPage; }
    ObjectTable& table() { return form->job.objects(); }
    bool tabShown(QWidget* sheet) {
        return page().optionTabs->isTabVisible(page().optionTabs->indexOf(sheet));
    }
    AnnotationObject& addFigure() {
        page().AddObject(AnnotationTool::Figure, 5, 5);
        return *table().selected();
    }
};

TEST_F(AnnotationCommandsTest, FullTableIsReportedAndNothingIsCreated) {
    for (int i = 1; i <= ObjectTable::kSlots; ++i)
        table().slot(i).Kind = KindFigure;
    dialogs.answerMessage(MsgAnswer::Ok);
    page().AddObject(AnnotationTool::Text, 5, 5);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Es wurden zuviele Objekte erstellt!"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler: Kein freies Objekt mehr"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(table().currentObject, 0);
}

TEST_F(AnnotationCommandsTest, CreatingSelectsTheObjectAndReturnsToThePointer) {
    page().textTool->setChecked(true);
    EXPECT_EQ(page().currentTool(), AnnotationTool::Text);
    page().AddObject(page().currentTool(), 5, 5);
    EXPECT_EQ(table().currentObject, 1);
    EXPECT_TRUE(page().pointerTool->isChecked());
    EXPECT_TRUE(tabShown(page().textTab));
    EXPECT_TRUE(tabShown(page().generalTab));
    EXPECT_FALSE(tabShown(page().shapeTab));
}

TEST_F(AnnotationCommandsTest, DeletionAsksAndNoKeepsTheObject) {
    click(page().deleteButton); // nothing selected: no question
    EXPECT_TRUE(dialogs.messages.empty());
    addFigure();
    dialogs.answerMessage(MsgAnswer::No);
    page().deleteButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Wollen Sie das Element löschen?"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Element löschen"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(table().currentObject, 1);
    dialogs.answerMessage(MsgAnswer::Yes);
    page().deleteButton->click();
    EXPECT_EQ(table().currentObject, 0);
    EXPECT_EQ(table().slot(1).Kind, KindFree);
    EXPECT_FALSE(tabShown(page().generalTab));
}

TEST_F(AnnotationCommandsTest, LineShapesDisableBorderColourAndFillModes) {
    AnnotationObject& object = addFigure();
    page().outlinedRadio->click();
    EXPECT_EQ(object.FillMode, 1);
    page().shapeButtons[ShapeLineVertical]->click();
    EXPECT_EQ(object.Shape, ShapeLineVertical);
    EXPECT_FALSE(page().outlineColorButton->isEnabled());
    EXPECT_FALSE(page().filledRadio->isEnabled());
    EXPECT_FALSE(page().filledOutlinedRadio->isEnabled());
    page().shapeButtons[ShapeRectangle]->click();
    EXPECT_TRUE(page().outlineColorButton->isEnabled());
    EXPECT_TRUE(page().outlinedRadio->isEnabled());
    EXPECT_TRUE(page().outlinedRadio->isChecked());
}

TEST_F(AnnotationCommandsTest, ColourDialogsArePrimedAndCancelKeepsTheColour) {
    AnnotationObject& object = addFigure();
    object.Color = 0x112233;
    dialogs.answerColor(ColorRef(0x445566));
    page().colorButton->click();
    EXPECT_EQ(object.Color, 0x445566u);
    dialogs.answerColor(std::nullopt);
    page().outlineColorButton->click();
    EXPECT_EQ(object.BorderColor, 0u);
    ASSERT_EQ(dialogs.colorRequests.size(), 2u);
    EXPECT_EQ(dialogs.colorRequests[0], 0x112233u);
}

TEST_F(AnnotationCommandsTest, LineWidthFieldStoresItsValue) {
    AnnotationObject& object = addFigure();
    page().lineWidthSpin->setValue(12);
    EXPECT_EQ(object.LineWidth, 12);
    object.LineWidth = 40; // shown clamped, and the shown value is stored back
    page().CheckAllPanelOptions();
    EXPECT_EQ(page().lineWidthSpin->value(), 20);
    EXPECT_EQ(object.LineWidth, 20);
}

TEST_F(AnnotationCommandsTest, TabButtonsReachTheSelection) {
    addFigure();
    page().AddObject(AnnotationTool::Note, 5, 5);
    AnnotationObject& note = *table().selected();
    page().alignRightRadio->click();
    page().rottextleftbtn->click();
    EXPECT_EQ(note.Align, 2);
    EXPECT_EQ(note.Rotation, 3);
    page().toFrontButton->click();
    EXPECT_EQ(table().currentObject, ObjectTable::kSlots);
    EXPECT_EQ(table().slot(2).Kind, KindFree);
    page().toBackButton->click();
    EXPECT_EQ(table().currentObject, 1);
    EXPECT_EQ(table().slot(1).framed(), 1);
    EXPECT_EQ(table().slot(ObjectTable::kSlots).Kind, KindFigure); // the former slot 1
}

TEST_F(AnnotationCommandsTest, ViewShowsTheObjectsOverTheImage) {
    AnnotationObject& object = addFigure();
    object.Color = 0x0000FF;
    form->pageTabs->setCurrentWidget(form->annotationPage);
    form->annotationPage->annotationView->repaint();
    QCoreApplication::processEvents();
    form->annotationPage->annotationView->repaint();
    const QImage& view = form->annotationPage->annotationView->composedPicture();
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(view.pixelColor(100, 100), QColor(255, 255, 255));
}

} // namespace
