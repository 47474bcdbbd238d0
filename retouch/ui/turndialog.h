#pragma once
// "Drehen um Winkel": the angle to turn the image by, counter-clockwise in
// degrees, with a live preview. The dialog only reads the angle; whoever opens
// it shows each preview and keeps or drops the result.

#include <QDialog>

#include <functional>

class QDoubleSpinBox;
class QPushButton;
class QTimer;

class TurnDialog : public QDialog {
    Q_OBJECT
  public:
    // `preview` is asked to show the image turned by an angle, shortly after
    // the angle last changed, so that typing does not turn a large scan for
    // every key.
    explicit TurnDialog(std::function<void(double degrees)> preview, QWidget* parent = nullptr);

    double degrees() const;

    QDoubleSpinBox* angleSpin = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  private:
    std::function<void(double)> preview_;
    QTimer* previewTimer_ = nullptr;
};
