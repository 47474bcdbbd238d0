#pragma once
// Small builders for the controls the pages share.

#include <QString>

class QBoxLayout;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

// A whole-number spin edit with its range, step and starting value.
QSpinBox* makeSpinEdit(const char* name, int minimum, int maximum, int step, int value, QWidget* parent);
// A real spin edit showing two decimals.
QDoubleSpinBox* makeRealSpinEdit(const char* name, double minimum, double maximum, double step, double value,
                                 QWidget* parent);
// A row "label [control] unit" added to `layout`.
void addLabelledRow(QBoxLayout* layout, const QString& label, QWidget* control, const QString& unit = {});
