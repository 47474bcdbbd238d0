#include "support/userinput.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

namespace {

void selectAllOf(QAbstractSpinBox* field) {
    auto* text = field->findChild<QLineEdit*>();
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(4, text->height() / 2));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
}

} // namespace

void retype(QAbstractSpinBox* field, const QString& text) {
    selectAllOf(field);
    QTest::keyClicks(field, text);
}

void clearField(QAbstractSpinBox* field) {
    selectAllOf(field);
    QTest::keyClick(field, Qt::Key_Backspace);
}

void turnWheel(QWidget* widget, QPoint pos, int angle) {
    // Every turn its own moment: copies handed on to parents share theirs.
    static quint64 timestamp = 1000;
    QWidget* window = widget->window();
    const QPointF inWindow = widget->mapTo(window, pos);
    QWheelEvent wheel(inWindow, window->mapToGlobal(inWindow), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    wheel.setTimestamp(++timestamp);
    // Only an event from the window system finds the widget under the pointer,
    // gives wheel focus and travels up to the parents; sendEvent() would make it
    // one sent by the program.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window->windowHandle(), &wheel);
}

void turnWheel(QWidget* widget, int angle) {
    turnWheel(widget, widget->rect().center(), angle);
}

void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}
