#include "print/ui/discchoice.h"

#include "widgets/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

DiscChoice::DiscChoice(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    discCheck = new QCheckBox(tr("Auf CD/DVD drucken"), this);
    discCheck->setObjectName(QStringLiteral("discCheck"));
    discCheck->setToolTip(tr("Direkt auf bedruckbare CDs/DVDs im CD-Fach des Druckers drucken, "
                             "eine Seite je CD, nur innerhalb des Rings"));
    layout->addWidget(discCheck);
    discCombo = new QComboBox(this);
    discCombo->setObjectName(QStringLiteral("discCombo"));
    // The presets' German names are keys; the combo box shows them translated.
    for (const DiscPreset& preset : discPresets())
        discCombo->addItem(QCoreApplication::translate("DiscFormat", preset.name.toUtf8().constData()));
    discCombo->addItem(tr("Eigene Größe"));
    discCombo->setToolTip(discCombo->currentText());
    layout->addWidget(discCombo);
    const DiscFormat first = discPresets().front().format;
    outerSpin =
        makeRealSpinEdit("outerSpin", kDiscOuterMinMm, kDiscOuterMaxMm, 1, first.outerDiameterMm, this);
    innerSpin =
        makeRealSpinEdit("innerSpin", kDiscInnerMinMm, kDiscInnerMaxMm, 1, first.innerDiameterMm, this);
    addLabelledRow(layout, tr("Außen:"), outerSpin, QStringLiteral("mm"));
    addLabelledRow(layout, tr("Innen:"), innerSpin, QStringLiteral("mm"));
    connect(discCheck, &QCheckBox::toggled, this, [this] {
        enableControls();
        emit chosen(choice());
    });
    connect(discCombo, &QComboBox::currentIndexChanged, this, &DiscChoice::presetChosen);
    connect(outerSpin, &QDoubleSpinBox::valueChanged, this, &DiscChoice::sizeTyped);
    connect(innerSpin, &QDoubleSpinBox::valueChanged, this, &DiscChoice::sizeTyped);
    enableControls();
}

int DiscChoice::ownSizeIndex() const {
    return int(discPresets().size());
}

std::optional<DiscFormat> DiscChoice::choice() const {
    if (!discCheck->isChecked()) return std::nullopt;
    return DiscFormat{outerSpin->value(), innerSpin->value()};
}

void DiscChoice::showChoice(const std::optional<DiscFormat>& disc) {
    const QSignalBlocker quietCheck(discCheck), quietCombo(discCombo), quietOuter(outerSpin),
        quietInner(innerSpin);
    discCheck->setChecked(disc.has_value());
    if (disc) {
        const auto& presets = discPresets();
        const auto preset = std::find_if(presets.begin(), presets.end(),
                                         [&](const DiscPreset& p) { return p.format == *disc; });
        discCombo->setCurrentIndex(preset == presets.end() ? ownSizeIndex() : int(preset - presets.begin()));
        outerSpin->setValue(disc->outerDiameterMm);
        limitInner();
        innerSpin->setValue(disc->innerDiameterMm);
    }
    enableControls();
}

void DiscChoice::presetChosen(int index) {
    // The panel is narrower than the longest name.
    discCombo->setToolTip(discCombo->currentText());
    if (index >= 0 && index < ownSizeIndex()) {
        const DiscFormat preset = discPresets()[std::size_t(index)].format;
        const QSignalBlocker quietOuter(outerSpin), quietInner(innerSpin);
        outerSpin->setValue(preset.outerDiameterMm);
        limitInner();
        innerSpin->setValue(preset.innerDiameterMm);
    }
    enableControls();
    if (discCheck->isChecked()) emit chosen(choice());
}

// The hole stays at least 10 mm smaller than the disc.
void DiscChoice::limitInner() {
    innerSpin->setMaximum(std::min(kDiscInnerMaxMm, outerSpin->value() - kDiscMinRingMm));
}

void DiscChoice::sizeTyped() {
    limitInner();
    if (discCheck->isChecked()) emit chosen(choice());
}

void DiscChoice::enableControls() {
    const bool on = discCheck->isChecked();
    discCombo->setEnabled(on);
    const bool own = on && discCombo->currentIndex() == ownSizeIndex();
    outerSpin->setEnabled(own);
    innerSpin->setEnabled(own);
}
