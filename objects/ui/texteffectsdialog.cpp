#include "objects/ui/texteffectsdialog.h"

#include "widgets/controls.h"
#include "widgets/dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QCheckBox* makeCheck(const char* name, const QString& caption, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

} // namespace

TextEffectsDialog::TextEffectsDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("textEffectsDialog"));
    setWindowTitle(tr("Effekte"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);

    auto* outlineGroup = new QGroupBox(tr("Umrandung"), this);
    auto* outlineRow = new QHBoxLayout(outlineGroup);
    outlineCheck = makeCheck("outlineCheck", tr("Umrandung"), outlineGroup);
    outlineColorButton = makeButton("outlineColorButton", tr("Farbe"), outlineGroup);
    outlineRow->addWidget(outlineCheck, 1);
    outlineRow->addWidget(outlineColorButton);
    layout->addWidget(outlineGroup);

    auto* shadowGroup = new QGroupBox(tr("Schatten"), this);
    auto* shadowColumn = new QVBoxLayout(shadowGroup);
    auto* shadowRow = new QHBoxLayout;
    shadowCheck = makeCheck("shadowCheck", tr("Schatten"), shadowGroup);
    shadowColorButton = makeButton("shadowColorButton", tr("Farbe"), shadowGroup);
    shadowRow->addWidget(shadowCheck, 1);
    shadowRow->addWidget(shadowColorButton);
    shadowColumn->addLayout(shadowRow);
    // Offsets in either direction, as far as a whole number goes.
    shadowRightSpin = makeSpinEdit("shadowRightSpin", INT_MIN, INT_MAX, 1, 2, shadowGroup);
    shadowDownSpin = makeSpinEdit("shadowDownSpin", INT_MIN, INT_MAX, 1, 2, shadowGroup);
    addLabelledRow(shadowColumn, tr("Entfernung Horizontal:"), shadowRightSpin);
    addLabelledRow(shadowColumn, tr("Entfernung Vertikal:"), shadowDownSpin);
    layout->addWidget(shadowGroup);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = makeButton("okButton", tr("OK"), this);
    cancelButton = makeButton("cancelButton", tr("Abbrechen"), this);
    okButton->setDefault(true);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(outlineColorButton, &QPushButton::clicked, this, &TextEffectsDialog::chooseOutlineColor);
    connect(shadowColorButton, &QPushButton::clicked, this, &TextEffectsDialog::chooseShadowColor);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextEffectsDialog::prime(const TextEffects& effects) {
    outlineCheck->setChecked(effects.outline);
    shadowCheck->setChecked(effects.shadow);
    outlineColor_ = effects.outlineColor;
    shadowColor_ = effects.shadowColor;
    shadowRightSpin->setValue(effects.shadowX);
    shadowDownSpin->setValue(effects.shadowY);
}

TextEffects TextEffectsDialog::effects() const {
    commitTypedValues(*this);
    return TextEffects{outlineCheck->isChecked(), shadowCheck->isChecked(), outlineColor_, shadowColor_,
                       shadowRightSpin->value(),  shadowDownSpin->value()};
}

void TextEffectsDialog::chooseOutlineColor() {
    if (const std::optional<ColorRef> chosen = dialogs_.chooseColor(outlineColor_)) outlineColor_ = *chosen;
}

void TextEffectsDialog::chooseShadowColor() {
    if (const std::optional<ColorRef> chosen = dialogs_.chooseColor(shadowColor_)) shadowColor_ = *chosen;
}

void TextEffectsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}
