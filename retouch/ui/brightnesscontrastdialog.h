#pragma once
// "Helligkeit und Kontrast": two track bars and a preview on the current image.
// Every preview starts again from the backup taken when the dialog opened, so
// settings never pile up; OK keeps the last preview (computed once more),
// whoever opened the dialog puts the backup back otherwise.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QSlider;

class BrightnessContrastDialog : public QDialog {
    Q_OBJECT
  public:
    explicit BrightnessContrastDialog(QWidget* parent = nullptr);

    QSlider* brightnessSlider = nullptr; // brightness shift −127 .. 127
    QSlider* contrastSlider = nullptr;   // contrast 0 .. 200, 100 neutral
    QPushButton* previewButton = nullptr;
    QPushButton* resetButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The image the preview changes, the backup it starts from, how to show
    // the result and the progress, and what the preview may take of the machine.
    void setImages(DibImage* current, const DibImage* backup, std::function<void()> repaint,
                   ProgressFn progress, const ImageLimits& limits);

    void slidersMoved();
    void resetSliders();
    void acceptValues();

  protected:
    // The dialog opens in the middle of the screen, not over its parent.
    void showEvent(QShowEvent* event) override;

  private:
    DibImage* current_ = nullptr;
    const DibImage* backup_ = nullptr;
    std::function<void()> repaint_;
    ProgressFn progress_;
    ImageLimits limits_;
};

// The backup's pixels and colours copied over `image` of the same size and depth.
void restoreFromBackup(DibImage& image, const DibImage& backup);
