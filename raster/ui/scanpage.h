#pragma once
// The "Scannen" page: scanning, opening and saving image files, and the scan
// view showing the current image at a zoom.

#include "widgets/pageframe.h"

#include "raster/dibimage.h"
#include "raster/scannersession.h"

#include <cstdint>

class QCheckBox;
class QMouseEvent;
class QPushButton;
class QSpinBox;
class ScrollBox;
class PaintBox;
class ImageButton;
class CoverJob;
class Shell;

class ScanPage : public PageFrame {
    Q_OBJECT
  public:
    ScanPage(CoverJob& job, Shell& shell);

    ImageButton* ScanBtn = nullptr;
    ImageButton* TSetupBtn = nullptr;
    QPushButton* OpenBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QCheckBox* autoCropCheck = nullptr; // kept in the settings folder
    QSpinBox* ZoomEd = nullptr;
    ScrollBox* ScanScrollBox = nullptr;
    PaintBox* ScanPaintBox = nullptr;

    // Fits the view to the image at the zoom, or repaints it when it fits.
    void ScanPaintBoxPaint();
    void ZoomEdChange();

    void SelectButtonClick();
    void ScanButtonClick();
    // The session's scan has ended with an image or with a failure.
    void takeScannedImage(const ScannedImage& image);
    void tellScanFailure(const QString& text);
    void OpenBtnClick();
    void SaveBtnClick();

    void ScanPaintBoxMouseDown(QMouseEvent* event);
    void ScanPaintBoxMouseMove(QMouseEvent* event);
    void ScanPaintBoxMouseUp(QMouseEvent* event);

    // The arrival of an image, scanned or opened: it replaces the current
    // image and the marked region covers all of it, as one undo step. A null
    // image changes nothing.
    enum class Arrival { Scanned, Opened };
    void receiveImage(DibImage&& image, Arrival arrival = Arrival::Opened);

    // The chosen device and the running scan; a scan still running ends with the page.
    ScannerSession& scanner() { return scanner_; }

  private:
    // With "Nach dem Scannen automatisch zuschneiden", a scan that has just
    // arrived is cut to the disc or cover on it, as an undo step of its own.
    void autoCropScan();
    void paintView(QPainter& painter);
    QSize viewSize() const;
    CoverJob& job_;
    Shell& shell_;
    ScannerSession scanner_;
};
