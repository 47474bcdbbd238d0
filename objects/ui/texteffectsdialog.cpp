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
    setObjectName(QStringLiteral("EffektForm"));
    setWindowTitle(QStringLiteral("Effekte"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);

    auto* outlineGroup = new QGroupBox(QStringLiteral("Umrandung"), this);
    auto* outlineRow = new QHBoxLayout(outlineGroup);
    UmrCheck = makeCheck("UmrCheck", QStringLiteral("Umrandung"), outlineGroup);
    BitBtn1 = makeButton("BitBtn1", QStringLiteral("Farbe"), outlineGroup);
    outlineRow->addWidget(UmrCheck, 1);
    outlineRow->addWidget(BitBtn1);
    layout->addWidget(outlineGroup);

    auto* shadowGroup = new QGroupBox(QStringLiteral("Schatten"), this);
    auto* shadowColumn = new QVBoxLayout(shadowGroup);
    auto* shadowRow = new QHBoxLayout;
    SchattCheck = makeCheck("SchattCheck", QStringLiteral("Schatten"), shadowGroup);
    BitBtn2 = makeButton("BitBtn2", QStringLiteral("Farbe"), shadowGroup);
    shadowRow->addWidget(SchattCheck, 1);
    shadowRow->addWidget(BitBtn2);
    shadowColumn->addLayout(shadowRow);
    // Offsets in either direction, as far as a whole number goes.
    SchattED1 = makeSpinEdit("SchattED1", INT_MIN, INT_MAX, 1, 2, shadowGroup);
    SchattEd2 = makeSpinEdit("SchattEd2", INT_MIN, INT_MAX, 1, 2, shadowGroup);
    addLabelledRow(shadowColumn, QStringLiteral("Entfernung Horizontal:"), SchattED1);
    addLabelledRow(shadowColumn, QStringLiteral("Entfernung Vertikal:"), SchattEd2);
    layout->addWidget(shadowGroup);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtn3 = makeButton("BitBtn3", QStringLiteral("OK"), this);
    BitBtn4 = makeButton("BitBtn4", QStringLiteral("Abbrechen"), this);
    BitBtn3->setDefault(true);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn4);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TextEffectsDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TextEffectsDialog::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextEffectsDialog::prime(const TextEffects& effects) {
    UmrCheck->setChecked(effects.outline);
    SchattCheck->setChecked(effects.shadow);
    outlineColor_ = effects.outlineColor;
    shadowColor_ = effects.shadowColor;
    SchattED1->setValue(effects.shadowX);
    SchattEd2->setValue(effects.shadowY);
}

TextEffects TextEffectsDialog::effects() const {
    commitTypedValues(*this);
    return TextEffects{UmrCheck->isChecked(), SchattCheck->isChecked(), outlineColor_,
                       shadowColor_,          SchattED1->value(),       SchattEd2->value()};
}

void TextEffectsDialog::BitBtn1Click() {
    if (const std::optional<ColorRef> chosen = dialogs_.chooseColor(outlineColor_)) outlineColor_ = *chosen;
}

void TextEffectsDialog::BitBtn2Click() {
    if (const std::optional<ColorRef> chosen = dialogs_.chooseColor(shadowColor_)) shadowColor_ = *chosen;
}

void TextEffectsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}
