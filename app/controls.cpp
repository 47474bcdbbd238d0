#include "app/controls.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

QSpinBox* makeSpinEdit(const char* name, int minimum, int maximum, int step, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    return spin;
}

QDoubleSpinBox* makeRealSpinEdit(const char* name, double minimum, double maximum, double step, double value,
                                 QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setDecimals(2);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    return spin;
}

void addLabelledRow(QBoxLayout* layout, const QString& label, QWidget* control, const QString& unit) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    auto* text = new QLabel(label);
    text->setBuddy(control);
    row->addWidget(text);
    row->addWidget(control, 1);
    if (!unit.isEmpty()) row->addWidget(new QLabel(unit));
    layout->addLayout(row);
}
