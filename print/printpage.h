#pragma once
// The "Drucken" page: printer setup, the print run, calibration and the sheet
// preview.

#include "app/pageframe.h"

class PaintBox;
class QPushButton;
class ScrollBox;
class TImageButton;
class TMainForm;

class PrintPage : public PageFrame {
    Q_OBJECT
  public:
    explicit PrintPage(TMainForm& form);

    TImageButton* SetupBtn = nullptr;
    TImageButton* GoBtn1 = nullptr;
    QPushButton* KalibrateBtn = nullptr;
    ScrollBox* ScrollBox3 = nullptr;
    PaintBox* VPaint = nullptr;

  private:
    TMainForm& form_;
};
