#include "annotationviewfixture.h"

#include "objects/ui/objectmenu.h"
#include "objects/ui/textdialog.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

namespace {

TEST_F(AnnotationViewTest, HandleReachesThreePixelsNotFour) {
    AnnotationObject& object = add(AnnotationTool::Figure, {100, 50});
    const QRect box = pixelBox(object);
    moveTo(box.topLeft() - QPoint(3, 3));
    EXPECT_EQ(form->annotationPage->editor->dragHandle, DragHandle::TopLeft);
    EXPECT_EQ(view()->cursor().shape(), Qt::SizeFDiagCursor);
    press(box.topLeft() - QPoint(3, 3));
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Dragging);
    EXPECT_TRUE(page().keyCatcher->hasFocus());
    release(box.topLeft() - QPoint(3, 3));
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
    EXPECT_EQ(table().currentObject, 1);

    const QRect after = pixelBox(object);
    moveTo(after.topLeft() - QPoint(4, 4));
    EXPECT_EQ(view()->cursor().shape(), Qt::ArrowCursor);
    press(after.topLeft() - QPoint(4, 4));
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
    EXPECT_EQ(table().currentObject, 0); // empty area clears the selection
    release(after.topLeft() - QPoint(4, 4));
}

TEST_F(AnnotationViewTest, PressOnAnotherObjectOnlySelectsIt) {
    add(AnnotationTool::Figure, {20, 20});
    AnnotationObject& second = add(AnnotationTool::Figure, {150, 100});
    const QRect box = pixelBox(second);
    table().currentObject = 1;
    press(box.center());
    EXPECT_EQ(table().currentObject, 2);
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
    moveTo(box.center() + QPoint(30, 0));
    release(box.center() + QPoint(30, 0));
    EXPECT_EQ(pixelBox(second), box); // the next press drags it
}

TEST_F(AnnotationViewTest, ClicksOnTheSelectedObjectDoNotMoveIt) {
    AnnotationObject& object = add(AnnotationTool::Figure, {10, 10});
    const QRect box = pixelBox(object);
    const QRect units(object.Left, object.Top, object.Width, object.Height);
    for (int i = 0; i < 3; ++i)
        click(box.center());
    click(box.topLeft());
    EXPECT_EQ(QRect(object.Left, object.Top, object.Width, object.Height), units);
    press(box.center());
    moveTo(box.center() + QPoint(5, 0));
    moveTo(box.center()); // moved and back: a real drag
    release(box.center());
    EXPECT_NEAR(object.PixLeft(form->job.viewScale()), box.left(), 1);
}

TEST_F(AnnotationViewTest, RightEdgeDraggedAcrossTheLeftEdgeGoesOnWithTheLeftHandle) {
    AnnotationObject& object = add(AnnotationTool::Figure, {100, 50});
    const QRect box = pixelBox(object);
    const QPoint rightHandle(box.left() + box.width(), box.top() + box.height() / 2);
    press(rightHandle);
    ASSERT_EQ(form->annotationPage->editor->dragHandle, DragHandle::Right);
    moveTo(QPoint(box.left() - 30, rightHandle.y()));
    EXPECT_EQ(form->annotationPage->editor->dragHandle, DragHandle::Left);
    EXPECT_NEAR(object.PixWidth(form->job.viewScale()), 30, 1);
    EXPECT_NEAR(object.PixLeft(form->job.viewScale()), box.left() - 30, 1);
    moveTo(QPoint(box.left() - 40, rightHandle.y()));
    release(QPoint(box.left() - 40, rightHandle.y()));
    EXPECT_NEAR(object.PixWidth(form->job.viewScale()), 40, 1);
    EXPECT_NEAR(object.PixLeft(form->job.viewScale()), box.left() - 40, 1);
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
}

TEST_F(AnnotationViewTest, DragShowsOnlyTheOutlineUntilRelease) {
    AnnotationObject& object = add(AnnotationTool::Figure, {40, 40}); // black, filled
    const QRect box = pixelBox(object);
    press(box.center());
    ASSERT_EQ(form->annotationPage->editor->dragHandle, DragHandle::Body);
    moveTo(box.center() + QPoint(150, 0));
    QApplication::processEvents();
    // What the scroll box shows, at its scroll position 0.
    const auto shown = [this] { return page().annotationScroll->viewport()->grab().toImage(); };
    const QImage picture = shown();
    EXPECT_EQ(picture.pixelColor(box.center()), QColor(Qt::black));                  // still at the old place
    EXPECT_EQ(picture.pixelColor(box.center() + QPoint(150, 0)), QColor(Qt::white)); // only an outline
    EXPECT_EQ(picture.pixelColor(object.PixLeft(form->job.viewScale()), box.center().y()), QColor(Qt::black));
    release(box.center() + QPoint(150, 0));
    const QImage dropped = shown();
    EXPECT_EQ(dropped.pixelColor(box.center()), QColor(Qt::white));
    EXPECT_EQ(dropped.pixelColor(box.center() + QPoint(150, 0)), QColor(Qt::black));
}

TEST_F(AnnotationViewTest, ObjectDraggedFarLeftStopsWithItsRightEdgeAtZero) {
    AnnotationObject& object = add(AnnotationTool::Figure, {100, 50});
    const QPoint inside = pixelBox(object).center();
    press(inside);
    moveTo(QPoint(-2000, inside.y()));
    release(QPoint(-2000, inside.y()));
    EXPECT_EQ(object.Left, -object.Width);
}

TEST_F(AnnotationViewTest, MagnifierStepsWithinItsBoundsAndCentresTheClick) {
    page().magnifierTool->setChecked(true);
    moveTo({10, 10});
    EXPECT_EQ(editor().shownCursor, CursorMagnifier);
    EXPECT_DOUBLE_EQ(form->job.unitsPerScreenPixel(), 105833.125);
    click({300, 180});
    EXPECT_DOUBLE_EQ(form->job.unitsPerScreenPixel(), 105833.125 / 1.5);
    EXPECT_EQ(view()->width(), 479); // fitted to the image again: trunc(479.99...)
    ScrollBox& box = *page().annotationScroll;
    const int expectedX =
        units::trunc32(units::trunc32(300 * 105833.125) / form->job.unitsPerScreenPixel()) - box.width() / 2;
    EXPECT_EQ(box.horizontalPosition(), std::clamp(expectedX, 0, box.horizontalScrollBar()->maximum()));
    for (int i = 0; i < 10; ++i)
        click({5, 5});
    EXPECT_LE(form->job.unitsPerScreenPixel(), 9000);
    EXPECT_GT(form->job.unitsPerScreenPixel() * 1.5, 9000);
    for (int i = 0; i < 20; ++i)
        click({5, 5}, Qt::RightButton);
    EXPECT_GE(form->job.unitsPerScreenPixel(), 500000);
    EXPECT_LT(form->job.unitsPerScreenPixel() / 1.5, 500000);
    EXPECT_FALSE(editor().zoomInProgress);
}

TEST_F(AnnotationViewTest, ZoomedViewComposesOnlyWhatTheScrollBoxShows) {
    AnnotationObject& object = add(AnnotationTool::Figure, {200, 150});
    object.Color = makeColorRef(255, 0, 0);
    page().magnifierTool->setChecked(true);
    for (int i = 0; i < 5; ++i)
        click({0, 0});
    ScrollBox& box = *page().annotationScroll;
    ASSERT_GT(view()->width(), box.viewport()->width());
    box.setHorizontalPosition(object.PixLeft(form->job.viewScale()) - 10);
    box.setVerticalPosition(object.PixTop(form->job.viewScale()) - 10);
    const QPoint inside(object.PixLeft(form->job.viewScale()) + 5, object.PixTop(form->job.viewScale()) + 5);
    const QImage shot = view()->grab(QRect(inside, QSize(1, 1))).toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_LE(view()->composedPicture().width(), box.viewport()->width());
    EXPECT_LE(view()->composedPicture().height(), box.viewport()->height());
}

TEST_F(AnnotationViewTest, HandPansTheViewAndKeepsTheGrabbedPoint) {
    page().magnifierTool->setChecked(true);
    for (int i = 0; i < 3; ++i)
        click({0, 0}); // a view larger than the box
    ScrollBox& box = *page().annotationScroll;
    box.setHorizontalPosition(100);
    box.setVerticalPosition(100);
    page().handTool->setChecked(true);
    press({400, 300});
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Panning);
    moveTo({350, 280});
    EXPECT_EQ(box.horizontalPosition(), 150);
    EXPECT_EQ(box.verticalPosition(), 120);
    release({400, 300}); // the box has moved: the same spot is back at 400, 300
    EXPECT_EQ(box.horizontalPosition(), 150);
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AnnotationViewTest, DoubleClickOpensTheEditorWithoutStartingADrag) {
    AnnotationObject& object = add(AnnotationTool::Text, {100, 50});
    const QPoint inside = pixelBox(object).center();
    dialogs.answerModal([](QDialog& dialog) {
        auto& editorForm = dynamic_cast<TextDialog&>(dialog);
        editorForm.setLines({"A", "B"});
        return int(QDialog::Accepted);
    });
    // The order the system delivers a double-click in.
    click(inside);
    press(inside);
    QTest::mouseDClick(view(), Qt::LeftButton, {}, inside);
    release(inside);
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("textDialog")});
    EXPECT_EQ(object.Text, QByteArray("A\rB"));
    EXPECT_EQ(form->annotationPage->editor->mouseAction, MouseAction::Idle);
    EXPECT_FALSE(editor().swallowPress);
    const int32_t left = object.Left;
    moveTo(inside + QPoint(40, 40));
    EXPECT_EQ(object.Left, left);
}

TEST_F(AnnotationViewTest, DoubleClickOnAFigureOpensNothing) {
    AnnotationObject& object = add(AnnotationTool::Figure, {100, 50});
    QTest::mouseDClick(view(), Qt::LeftButton, {}, pixelBox(object).center());
    EXPECT_TRUE(dialogs.modalDialogs.empty());
    EXPECT_EQ(form->annotationPage->editor->mouseAction,
              MouseAction::Dragging); // the press of the double-click grabs the figure
    release(pixelBox(object).center());
}

TEST_F(AnnotationViewTest, ArrowKeysStepThroughUsedSlotsAndWrap) {
    add(AnnotationTool::Figure, {10, 10});
    add(AnnotationTool::Figure, {60, 10});
    add(AnnotationTool::Figure, {110, 10});
    table().slot(2).Kind = KindFree;
    QTest::keyClick(page().keyCatcher, Qt::Key_Down);
    EXPECT_EQ(table().currentObject, 1); // from the highest used slot to the lowest
    QTest::keyClick(page().keyCatcher, Qt::Key_Up);
    EXPECT_EQ(table().currentObject, 3);
    table().currentObject = 0;
    QTest::keyClick(page().keyCatcher, Qt::Key_Down);
    EXPECT_EQ(table().currentObject, 0);
}

TEST_F(AnnotationViewTest, PressOnTheScrollBoxGivesTheKeysToThePage) {
    page().handTool->setChecked(true);
    moveTo({10, 10});
    EXPECT_EQ(editor().shownCursor, CursorGrab);
    EXPECT_EQ(view()->cursor().shape(), form->annotationPage->screenCursors[CursorGrab].shape());
    page().pointerTool->setFocus();
    QWidget* box = page().annotationScroll->viewport();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 5, box->height() - 5));
    EXPECT_TRUE(page().keyCatcher->hasFocus());
}

TEST_F(AnnotationViewTest, DeleteKeyAsksBeforeDeleting) {
    add(AnnotationTool::Figure, {10, 10});
    dialogs.answerMessage(MsgAnswer::Yes);
    QTest::keyClick(page().keyCatcher, Qt::Key_Delete);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Wollen Sie das Element löschen?"));
    EXPECT_EQ(table().currentObject, 0);
}

TEST_F(AnnotationViewTest, RightClickSelectsTheObjectAndEnablesItsItems) {
    AnnotationObject& figure = add(AnnotationTool::Figure, {10, 10});
    AnnotationObject& text = add(AnnotationTool::Note, {150, 100});
    text.Align = 1;
    ObjectMenu& menu = *editor().objectMenu;
    table().currentObject = 1;
    click(pixelBox(text).center(), Qt::RightButton);
    EXPECT_EQ(table().currentObject, 2);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.fontAction->isEnabled());
    EXPECT_TRUE(menu.rotateRightAction->isEnabled());
    EXPECT_TRUE(menu.alignCenterAction->isChecked());
    EXPECT_FALSE(menu.alignLeftAction->isChecked());
    EXPECT_FALSE(menu.shapeItems[ShapeRectangle]->isEnabled());
    EXPECT_TRUE(menu.shapeItems[1]->isChecked()); // Framed of the note
    menu.alignRightAction->trigger();
    EXPECT_EQ(text.Align, 2);
    menu.hide();

    click(pixelBox(figure).center(), Qt::RightButton);
    EXPECT_EQ(table().currentObject, 1);
    EXPECT_TRUE(menu.colorAction->isEnabled());
    EXPECT_FALSE(menu.textEffectsAction->isEnabled());
    EXPECT_FALSE(menu.alignLeftAction->isEnabled());
    EXPECT_TRUE(menu.shapeItems[ShapeCircle]->isEnabled());
    EXPECT_TRUE(menu.shapeItems[ShapeRectangle]->isChecked());
    menu.shapeItems[ShapeEllipse]->trigger();
    EXPECT_EQ(figure.Shape, ShapeEllipse);
    menu.hide();

    click({300, 190}, Qt::RightButton); // empty area: no menu, selection kept
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(table().currentObject, 1);
}

TEST_F(AnnotationViewTest, ContextMenuHasItsItemsInOrder) {
    QStringList items;
    for (QAction* action : editor().objectMenu->actions())
        items << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(
        items.join('|'),
        QStringLiteral("Rückgängig|Wiederholen|-|&Löschen...|-|Nach &vorne|Nach "
                       "&hinten|-|&Farbe...|&Schriftart...|&Texteffekte...|-|"
                       "Linksbündig|Zentriert|Rechtsbündig|-|Nach links rotieren|Nach rechts rotieren|-|"
                       "&Kreis|&Ellipse|&Quadrat|&Rechteck|&Quadrat &abgerundet|Rechteck a&bgerundet|"
                       "Linie &horizontal|Linie &vertikal|Linie schräg hoch|Linie schräg runter"));
    EXPECT_EQ(editor().objectMenu->actions()[3]->shortcut(), QKeySequence(Qt::Key_Delete));
}

TEST_F(AnnotationViewTest, FullTableIsReportedOnReleaseWithAnyTool) {
    for (int i = 1; i <= ObjectTable::kSlots; ++i)
        table().slot(i).Kind = KindFigure; // empty boxes at 0, 0
    for (QToolButton* tool : {page().pointerTool, page().magnifierTool, page().shapeTool, page().noteTool}) {
        tool->setChecked(true);
        dialogs.answerMessage(MsgAnswer::Ok);
        click({200, 150});
    }
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[3].text, QStringLiteral("Es wurden zuviele Objekte erstellt!"));
}

TEST_F(AnnotationViewTest, InsertingToolCreatesOnReleaseAndReturnsToThePointer) {
    page().shapeTool->setChecked(true);
    moveTo({30, 30});
    EXPECT_EQ(editor().shownCursor, CursorInsert);
    click({30, 40});
    ASSERT_EQ(table().currentObject, 1);
    EXPECT_EQ(table().slot(1).Kind, KindFigure);
    EXPECT_TRUE(page().pointerTool->isChecked());
}

} // namespace
