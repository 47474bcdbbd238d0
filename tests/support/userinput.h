#pragma once
// The user's own input on real widgets: typing over a field's number and
// turning the mouse wheel with the pointer somewhere in a window.

#include <QPoint>
#include <QString>

class QAbstractSpinBox;
class QWidget;

// Clicks into `field`, selects all of its text and types `text` over it; no
// Enter, the field keeps the focus.
void retype(QAbstractSpinBox* field, const QString& text);
// Clicks into `field` and deletes all of its text.
void clearField(QAbstractSpinBox* field);
// Turns the wheel by `angle` (120 per notch, negative towards the user) with the
// pointer at `pos` of `widget`. The event takes the window system's way: to the
// window, to the widget under the pointer, and on to its parents while ignored.
void turnWheel(QWidget* widget, QPoint pos, int angle);
// The same with the pointer in the middle of `widget`.
void turnWheel(QWidget* widget, int angle);
// A left click in the middle of `button` (any widget that clicks on release).
void click(QWidget* button);
