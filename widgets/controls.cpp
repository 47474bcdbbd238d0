#include "widgets/controls.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>

namespace {

// Passes wheel events by the control it watches while that control lacks the focus.
class WheelOnlyWithFocus : public QObject {
  public:
    explicit WheelOnlyWithFocus(QWidget* control) : QObject(control), control_(control) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel || control_->hasFocus()) return false;
        // Ignored, the event goes on to the control's parents.
        event->ignore();
        return true;
    }

  private:
    QWidget* control_;
};

void prepareTypedSpinEdit(QAbstractSpinBox* spin, const char* name) {
    spin->setObjectName(QLatin1String(name));
    // A text that is not (yet) a value never becomes one: leaving the field
    // restores the last valid value instead of a limit of the range.
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    spin->setKeyboardTracking(true);
    takeWheelOnlyWithFocus(spin);
}

} // namespace

QSpinBox* makeSpinEdit(const char* name, int minimum, int maximum, int step, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    prepareTypedSpinEdit(spin, name);
    return spin;
}

QDoubleSpinBox* makeRealSpinEdit(const char* name, double minimum, double maximum, double step, double value,
                                 QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(2);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    prepareTypedSpinEdit(spin, name);
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

void takeWheelOnlyWithFocus(QWidget* control) {
    // Qt's default (wheel focus) would let the wheel take the focus first.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelOnlyWithFocus(control));
}

QWidget* wheelControlOf(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractItemView*>(w))
            return w;
    return nullptr;
}

void commitTypedValues(const QWidget& scope) {
    for (QAbstractSpinBox* spin : scope.findChildren<QAbstractSpinBox*>())
        spin->interpretText();
}

namespace {

// The text beside a check box; a click on it ticks the box, as on the box's own text.
class CheckBoxText : public QLabel {
  public:
    CheckBoxText(const QString& text, QCheckBox* box, QWidget* parent) : QLabel(text, parent), box_(box) {
        setWordWrap(true);
        setBuddy(box);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            box_->isEnabled())
            box_->click();
        QLabel::mouseReleaseEvent(event);
    }

  private:
    QCheckBox* box_;
};

} // namespace

QCheckBox* addWrappingCheckBox(QBoxLayout* layout, const char* name, const QString& text, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* box = new QCheckBox(row);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(text);
    rowLayout->addWidget(box, 0, Qt::AlignTop);
    rowLayout->addWidget(new CheckBoxText(text, box, row), 1);
    layout->addWidget(row);
    return box;
}
