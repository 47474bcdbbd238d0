// Undo and redo of the annotation objects: each mouse drag, command and typed
// value is one step, taken back with the keys or the object menu.

#include "annotationviewfixture.h"

#include "document/jobhistory.h"
#include "objects/ui/objectmenu.h"
#include "support/userinput.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

struct Shown {
    QRect box;
    ColorRef color = 0;
    bool inUse = false;
    friend bool operator==(const Shown&, const Shown&) = default;
};

class UndoObjectsTest : public AnnotationViewTest {
  protected:
    void SetUp() override {
        AnnotationViewTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    Shown shown(int slot) {
        const AnnotationObject& o = table().slot(slot);
        return {QRect(o.Left, o.Top, o.Width, o.Height), o.Color, o.inUse()};
    }
    void drag(QPoint from, QPoint to) {
        press(from);
        for (int step = 1; step <= 4; ++step)
            moveTo(from + (to - from) * step / 4);
        release(to);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QUndoStack& stack() { return form->job.history().stack(); }
};

TEST_F(UndoObjectsTest, DraggedResizedRecolouredDeletedComeBackStepByStepAndRedoReplays) {
    QTest::mouseClick(page().shapeTool, Qt::LeftButton);
    click({40, 40});
    ASSERT_EQ(table().currentObject, 1);
    std::vector<Shown> states{shown(1)};

    const QRect box = pixelBox(table().slot(1));
    drag(box.center(), box.center() + QPoint(60, 30));
    states.push_back(shown(1));
    const QRect moved = pixelBox(table().slot(1));
    drag(QPoint(moved.right() + 1, moved.center().y()), QPoint(moved.right() + 41, moved.center().y()));
    states.push_back(shown(1));
    dialogs.answerColor(makeColorRef(200, 10, 10));
    QTest::mouseClick(page().colorButton, Qt::LeftButton);
    states.push_back(shown(1));
    dialogs.answerMessage(MsgAnswer::Yes);
    QTest::keyClick(page().keyCatcher, Qt::Key_Delete);
    states.push_back(shown(1));
    click({300, 190}); // an empty spot: the view's hidden key field takes the keys
    ASSERT_TRUE(page().keyCatcher->hasFocus());

    ASSERT_EQ(stack().count(), 5);
    const QStringList names = {"Figur einfügen", "Verschieben", "Größe ändern", "Farbe ändern",
                               "Objekt löschen"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stack().text(i), names[i]);
    for (int i = 1; i < 5; ++i)
        EXPECT_NE(states[i], states[i - 1]) << i;

    for (int i = 4; i >= 1; --i) {
        key(Qt::Key_Z);
        EXPECT_EQ(shown(1), states[i - 1]) << i;
        EXPECT_EQ(table().currentObject, 1); // the object the step changed is selected again
    }
    key(Qt::Key_Z);
    EXPECT_FALSE(table().slot(1).inUse());
    EXPECT_EQ(table().currentObject, 0);
    for (const Shown& state : states) {
        key(Qt::Key_Y);
        EXPECT_EQ(shown(1), state);
    }
}

TEST_F(UndoObjectsTest, TypedLineWidthIsOneStepAndCtrlZInTheFieldUndoesIt) {
    add(AnnotationTool::Figure, {40, 40});
    const int before = table().slot(1).LineWidth;
    const int steps = stack().count();
    retype(page().lineWidthSpin, QStringLiteral("12"));
    EXPECT_EQ(table().slot(1).LineWidth, 12);
    EXPECT_EQ(stack().count(), steps + 1);
    EXPECT_EQ(stack().undoText(), QStringLiteral("Linienstärke ändern"));
    ASSERT_TRUE(page().lineWidthSpin->hasFocus());
    key(Qt::Key_Z);
    EXPECT_TRUE(stack().canRedo()); // the job's step was undone, not the field's typing
    EXPECT_EQ(table().slot(1).LineWidth, before);
    EXPECT_EQ(page().lineWidthSpin->value(), before); // the field follows
}

TEST_F(UndoObjectsTest, ObjectMenuStartsWithTheHistoryEntries) {
    add(AnnotationTool::Text, {40, 40});
    QTest::mouseClick(page().toFrontButton, Qt::LeftButton); // slot 1 to slot 10000
    ObjectMenu& menu = *editor().objectMenu;
    QAction* undo = menu.actions()[0];
    QAction* redo = menu.actions()[1];
    EXPECT_TRUE(menu.actions()[2]->isSeparator());
    EXPECT_EQ(menu.actions()[3], menu.deleteAction);
    EXPECT_EQ(undo->text(), QStringLiteral("Rückgängig: Nach vorne"));
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_TRUE(table().slot(1).inUse());
    EXPECT_FALSE(table().slot(ObjectTable::kSlots).inUse());
    EXPECT_EQ(redo->text(), QStringLiteral("Wiederholen: Nach vorne"));
    EXPECT_TRUE(redo->isEnabled());
}

TEST_F(UndoObjectsTest, KeysDuringADragDoNothing) {
    AnnotationObject& object = add(AnnotationTool::Figure, {40, 40});
    const QRect box = pixelBox(object);
    press(box.center());
    moveTo(box.center() + QPoint(20, 0));
    QTest::keyClick(page().keyCatcher, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(object.inUse());
    release(box.center() + QPoint(20, 0));
    EXPECT_EQ(stack().undoText(), QStringLiteral("Verschieben"));
}

} // namespace
