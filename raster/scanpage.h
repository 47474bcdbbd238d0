#pragma once
// The "Scannen" page: scanning, opening and saving image files, and the scan
// view showing the current image at a zoom.

#include "app/pageframe.h"

class QPushButton;
class QSpinBox;
class ScrollBox;
class PaintBox;
class TImageButton;
class TMainForm;

class ScanPage : public PageFrame {
    Q_OBJECT
  public:
    explicit ScanPage(TMainForm& form);

    TImageButton* ScanBtn = nullptr;
    TImageButton* TSetupBtn = nullptr;
    QPushButton* OpenBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QSpinBox* ZoomEd = nullptr;
    ScrollBox* ScanScrollBox = nullptr;
    PaintBox* ScanPaintBox = nullptr;

    // Fits the view to the image at the zoom, or repaints it when it fits.
    void ScanPaintBoxPaint();
    void ZoomEdChange();

  private:
    void paintView(QPainter& painter);
    QSize viewSize() const;
    TMainForm& form_;
};
