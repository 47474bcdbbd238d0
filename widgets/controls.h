#pragma once
// Small builders for the controls the pages share, and the rules every typed
// or wheel-turned control of the program follows.

#include <QString>

class QBoxLayout;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

// A whole-number spin edit with its range, step and starting value. Every text
// typed into it that forms a valid value is a change at once; a half-typed or
// empty text keeps the last valid value, and leaving the field shows that value
// again.
QSpinBox* makeSpinEdit(const char* name, int minimum, int maximum, int step, int value, QWidget* parent);
// A real spin edit showing two decimals, typed like the whole-number one.
QDoubleSpinBox* makeRealSpinEdit(const char* name, double minimum, double maximum, double step, double value,
                                 QWidget* parent);
// A row "label [control] unit" added to `layout`.
void addLabelledRow(QBoxLayout* layout, const QString& label, QWidget* control, const QString& unit = {});

// A check box whose text breaks into lines where the panel is narrow (a
// QCheckBox cuts it off); a click on the text ticks the box too.
QCheckBox* addWrappingCheckBox(QBoxLayout* layout, const char* name, const QString& text, QWidget* parent);

// The wheel changes `control` (a spin edit or combo box) only while it has
// the keyboard focus, and never gives it the focus; otherwise the wheel passes it
// by, to whatever its window does with a wheel.
void takeWheelOnlyWithFocus(QWidget* control);
// The spin edit, combo box or list that `widget` is or belongs to, if any: the
// control a wheel turned over `widget` would change.
QWidget* wheelControlOf(QWidget* widget);
// Puts every spin edit in `scope` back to showing the value it holds when its
// text is half-typed, so that what is read is what the fields show.
void commitTypedValues(const QWidget& scope);
