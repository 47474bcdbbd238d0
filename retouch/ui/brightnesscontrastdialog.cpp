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
    setWindowTitle(QStringLiteral("Helligkeit und Kontrast"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(320, 217);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    TrackBar1 = makeTrackBar("TrackBar1", -127, 127, 0, this);
    TrackBar2 = makeTrackBar("TrackBar2", 0, 200, 100, this);
    grid->addWidget(new QLabel(QStringLiteral("Helligkeit:"), this), 0, 0);
    grid->addWidget(TrackBar1, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Kontrast:"), this), 2, 0);
    grid->addWidget(TrackBar2, 3, 0, 1, 2);

    VschauBitBtn4 = makeButton("VschauBitBtn4", QStringLiteral("&Vorschau"), this);
    BacksetBitBtn3 = makeButton("BacksetBitBtn3", QStringLiteral("&Zurücksetzen"), this);
    OkBitBtn1 = makeButton("OkBitBtn1", QStringLiteral("OK"), this);
    OkBitBtn1->setDefault(true);
    CancelBitBtn2 = makeButton("CancelBitBtn2", QStringLiteral("A&bbrechen"), this);
    // Preview and reset on the left, the closing buttons on the right.
    grid->addWidget(VschauBitBtn4, 4, 0);
    grid->addWidget(OkBitBtn1, 4, 1);
    grid->addWidget(BacksetBitBtn3, 5, 0);
    grid->addWidget(CancelBitBtn2, 5, 1);

    connect(VschauBitBtn4, &QPushButton::clicked, this, &BrightnessContrastDialog::TrackBar1Change);
    connect(BacksetBitBtn3, &QPushButton::clicked, this, &BrightnessContrastDialog::BacksetBitBtn3Click);
    connect(OkBitBtn1, &QPushButton::clicked, this, &BrightnessContrastDialog::OkBitBtn1Click);
    connect(CancelBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
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

void BrightnessContrastDialog::TrackBar1Change() {
    if (!current_ || !backup_) return;
    restoreFromBackup(*current_, *backup_);
    HelligkeitUndKontrast(*current_, TrackBar1->value(), TrackBar2->value(), limits_, progress_);
    if (repaint_) repaint_();
}

void BrightnessContrastDialog::BacksetBitBtn3Click() {
    TrackBar1->setValue(0);
    TrackBar2->setValue(100);
}

void BrightnessContrastDialog::OkBitBtn1Click() {
    TrackBar1Change();
    accept();
}
