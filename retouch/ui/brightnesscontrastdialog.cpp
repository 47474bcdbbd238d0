#include "retouch/ui/brightnesscontrastdialog.h"

#include "retouch/tones.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include <algorithm>
#include <cstring>

namespace {

QSlider* makeTrackBar(const char* name, int minimum, int maximum, int position, QWidget* parent) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setTickPosition(QSlider::NoTicks);
    return bar;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void restoreFromBackup(DibImage& image, const DibImage& backup) {
    if (image.isNull() || backup.isNull() || image.sizeImage() != backup.sizeImage()) return;
    std::memcpy(image.pixels(), backup.pixels(), image.sizeImage());
    if (image.hasPalette()) std::ranges::copy(backup.colors(), image.colors().begin());
}

BrightnessContrastDialog::BrightnessContrastDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HKForm2"));
    setWindowTitle(tr("Helligkeit und Kontrast"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(320, 217);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    brightnessSlider = makeTrackBar("brightnessSlider", -127, 127, 0, this);
    contrastSlider = makeTrackBar("contrastSlider", 0, 200, 100, this);
    grid->addWidget(new QLabel(tr("Helligkeit:"), this), 0, 0);
    grid->addWidget(brightnessSlider, 1, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Kontrast:"), this), 2, 0);
    grid->addWidget(contrastSlider, 3, 0, 1, 2);

    previewButton = makeButton("previewButton", tr("&Vorschau"), this);
    resetButton = makeButton("resetButton", tr("&Zurücksetzen"), this);
    okButton = makeButton("okButton", tr("OK"), this);
    okButton->setDefault(true);
    cancelButton = makeButton("cancelButton", tr("A&bbrechen"), this);
    // Preview and reset on the left, the closing buttons on the right.
    grid->addWidget(previewButton, 4, 0);
    grid->addWidget(okButton, 4, 1);
    grid->addWidget(resetButton, 5, 0);
    grid->addWidget(cancelButton, 5, 1);

    connect(previewButton, &QPushButton::clicked, this, &BrightnessContrastDialog::slidersMoved);
    connect(resetButton, &QPushButton::clicked, this, &BrightnessContrastDialog::resetSliders);
    connect(okButton, &QPushButton::clicked, this, &BrightnessContrastDialog::acceptValues);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void BrightnessContrastDialog::showEvent(QShowEvent* event) {
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void BrightnessContrastDialog::setImages(DibImage* current, const DibImage* backup,
                                         std::function<void()> repaint, ProgressFn progress,
                                         const ImageLimits& limits) {
    current_ = current;
    backup_ = backup;
    repaint_ = std::move(repaint);
    progress_ = std::move(progress);
    limits_ = limits;
}

void BrightnessContrastDialog::slidersMoved() {
    if (!current_ || !backup_) return;
    restoreFromBackup(*current_, *backup_);
    HelligkeitUndKontrast(*current_, brightnessSlider->value(), contrastSlider->value(), limits_, progress_);
    if (repaint_) repaint_();
}

void BrightnessContrastDialog::resetSliders() {
    brightnessSlider->setValue(0);
    contrastSlider->setValue(100);
}

void BrightnessContrastDialog::acceptValues() {
    slidersMoved();
    accept();
}
