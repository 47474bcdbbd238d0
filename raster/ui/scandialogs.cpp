#include "raster/ui/scandialogs.h"

#include "widgets/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDialogButtonBox* makeButtons(QDialog* dialog, const QString& acceptText) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("ScanDialogs", "Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// The options users look for first, with German labels; the rest follow in
// the device's order under the device's own titles.
struct KnownOption {
    const char* name;
    const char* label;
};
constexpr KnownOption kKnownOptions[] = {
    {"mode", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Modus")},
    {"resolution", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Auflösung")},
    {"source", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Vorlage")},
    {"tl-x", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Scanbereich links")},
    {"tl-y", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Scanbereich oben")},
    {"br-x", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Scanbereich rechts")},
    {"br-y", QT_TRANSLATE_NOOP("ScanOptionsDialog", "Scanbereich unten")},
};

int rank(const sane::Option& option) {
    for (int i = 0; i < int(std::size(kKnownOptions)); ++i)
        if (option.name == kKnownOptions[i].name) return i;
    return int(std::size(kKnownOptions));
}

QString labelOf(const sane::Option& option) {
    const int r = rank(option);
    return r < int(std::size(kKnownOptions)) ? ScanOptionsDialog::tr(kKnownOptions[r].label) : option.title;
}

QString unitSuffix(SANE_Unit unit) {
    switch (unit) {
    case SANE_UNIT_PIXEL:
        return ScanOptionsDialog::tr(" Pixel");
    case SANE_UNIT_BIT:
        return ScanOptionsDialog::tr(" Bit");
    case SANE_UNIT_MM:
        return QStringLiteral(" mm");
    case SANE_UNIT_DPI:
        return QStringLiteral(" dpi");
    case SANE_UNIT_PERCENT:
        return QStringLiteral(" %");
    case SANE_UNIT_MICROSECOND:
        return QStringLiteral(" µs");
    default:
        return {};
    }
}

QWidget* makeControl(const sane::Option& o, QWidget* parent) {
    if (o.type == SANE_TYPE_BOOL) {
        auto* box = new QCheckBox(parent);
        box->setChecked(o.value.toBool());
        return box;
    }
    if (o.constraint == SANE_CONSTRAINT_STRING_LIST || o.constraint == SANE_CONSTRAINT_WORD_LIST) {
        auto* combo = new QComboBox(parent);
        if (o.constraint == SANE_CONSTRAINT_STRING_LIST) {
            for (const QString& s : o.strings)
                combo->addItem(s, s);
            combo->setCurrentIndex(std::max(0, int(o.strings.indexOf(o.value.toString()))));
        } else {
            for (double w : o.words)
                combo->addItem(QString::number(w) + unitSuffix(o.unit), w);
            combo->setCurrentIndex(std::max(0, int(o.words.indexOf(o.value.toDouble()))));
        }
        takeWheelOnlyWithFocus(combo);
        return combo;
    }
    if (o.type == SANE_TYPE_STRING) return new QLineEdit(o.value.toString(), parent);
    const bool ranged = o.constraint == SANE_CONSTRAINT_RANGE;
    if (o.type == SANE_TYPE_INT) {
        auto* spin = new QSpinBox(parent);
        spin->setRange(ranged ? int(o.minimum) : INT32_MIN, ranged ? int(o.maximum) : INT32_MAX);
        spin->setSingleStep(ranged && o.step > 0 ? int(o.step) : 1);
        spin->setSuffix(unitSuffix(o.unit));
        spin->setValue(o.value.toInt());
        takeWheelOnlyWithFocus(spin);
        return spin;
    }
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(2);
    spin->setRange(ranged ? o.minimum : -1e6, ranged ? o.maximum : 1e6);
    spin->setSingleStep(ranged && o.step > 0 ? o.step : 1.0);
    spin->setSuffix(unitSuffix(o.unit));
    spin->setValue(o.value.toDouble());
    takeWheelOnlyWithFocus(spin);
    return spin;
}

} // namespace

ScannerSelectDialog::ScannerSelectDialog(const std::vector<sane::Device>& devices, const QByteArray& chosen,
                                         QWidget* parent)
    : QDialog(parent), devices_(devices) {
    setObjectName(QStringLiteral("ScannerSelectDialog"));
    setWindowTitle(tr("Scanner wählen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Gerät, von dem das Bild geholt werden soll:"), this));
    deviceList = new QListWidget(this);
    deviceList->setObjectName(QStringLiteral("deviceList"));
    for (const sane::Device& d : devices_) {
        deviceList->addItem(QStringLiteral("%1 %2 (%3)").arg(d.vendor, d.model, QString::fromUtf8(d.name)));
        if (d.name == chosen) deviceList->setCurrentRow(deviceList->count() - 1);
    }
    if (deviceList->currentRow() < 0) deviceList->setCurrentRow(0);
    connect(deviceList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(deviceList);
    layout->addWidget(makeButtons(this, tr("Auswählen")));
}

QByteArray ScannerSelectDialog::selectedDevice() const {
    const int row = deviceList->currentRow();
    return row >= 0 && row < int(devices_.size()) ? devices_[std::size_t(row)].name : QByteArray();
}

ScanOptionsDialog::ScanOptionsDialog(const QString& deviceTitle, const std::vector<sane::Option>& options,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ScanOptionsDialog"));
    setWindowTitle(tr("Scannen - %1").arg(deviceTitle));
    std::vector<sane::Option> ordered = options;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const sane::Option& a, const sane::Option& b) { return rank(a) < rank(b); });
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const sane::Option& option : ordered) {
        QWidget* control = makeControl(option, this);
        control->setObjectName(QString::fromUtf8(option.name));
        form->addRow(labelOf(option) + QLatin1Char(':'), control);
        rows_.push_back({option, control});
    }
    layout->addLayout(form);
    layout->addWidget(makeButtons(this, tr("Scannen")));
}

QVariant ScanOptionsDialog::valueOf(const Row& row) const {
    if (auto* box = qobject_cast<QCheckBox*>(row.control)) return box->isChecked();
    if (auto* combo = qobject_cast<QComboBox*>(row.control)) return combo->currentData();
    if (auto* line = qobject_cast<QLineEdit*>(row.control)) return line->text();
    if (auto* spin = qobject_cast<QSpinBox*>(row.control)) return spin->value();
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(row.control)) return spin->value();
    return row.option.value;
}

std::vector<std::pair<sane::Option, QVariant>> ScanOptionsDialog::changedValues() const {
    commitTypedValues(*this);
    std::vector<std::pair<sane::Option, QVariant>> changed;
    for (const Row& row : rows_) {
        const QVariant value = valueOf(row);
        const bool same = row.option.type == SANE_TYPE_STRING
                              ? value.toString() == row.option.value.toString()
                          : row.option.type == SANE_TYPE_BOOL
                              ? value.toBool() == row.option.value.toBool()
                              : qFuzzyCompare(value.toDouble() + 1, row.option.value.toDouble() + 1);
        if (!same) changed.emplace_back(row.option, value);
    }
    return changed;
}
