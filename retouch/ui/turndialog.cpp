#include "retouch/ui/turndialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewDelayMs = 150;

} // namespace

TurnDialog::TurnDialog(std::function<void(double)> preview, QWidget* parent)
    : QDialog(parent), preview_(std::move(preview)) {
    setObjectName(QStringLiteral("TurnDialog"));
    setWindowTitle(tr("Drehen um Winkel"));
    angleSpin = new QDoubleSpinBox(this);
    angleSpin->setObjectName(QStringLiteral("angleSpin"));
    angleSpin->setRange(-180.0, 180.0);
    angleSpin->setDecimals(1);
    angleSpin->setSingleStep(0.1);
    angleSpin->setValue(0.0);
    angleSpin->setToolTip(tr("Positive Winkel drehen gegen den Uhrzeigersinn"));

    auto* form = new QFormLayout;
    form->addRow(tr("Winkel (Grad):"), angleSpin);
    auto* buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(kPreviewDelayMs);
    connect(previewTimer_, &QTimer::timeout, this, [this] {
        if (preview_) preview_(degrees());
    });
    connect(angleSpin, &QDoubleSpinBox::valueChanged, previewTimer_, qOverload<>(&QTimer::start));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

double TurnDialog::degrees() const {
    return angleSpin->value();
}
