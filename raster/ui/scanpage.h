#pragma once
// The "Scannen" page: scanning, opening and saving image files, and the scan
// view showing the current image at a zoom.

#include "widgets/pageframe.h"

#include "raster/dibimage.h"
#include "raster/scannersession.h"

class QCheckBox;
class QPushButton;
class QSpinBox;
class ScrollBox;
class ScanView;
class ImageButton;
class CoverJob;
class Shell;

class ScanPage : public PageFrame {
    Q_OBJECT
  public:
    ScanPage(CoverJob& job, Shell& shell);

    ImageButton* scanButton = nullptr;
    ImageButton* scannerButton = nullptr;
    QPushButton* openImageButton = nullptr;
    QPushButton* saveImageButton = nullptr;
    QCheckBox* autoCropCheck = nullptr; // kept in the settings folder
    QSpinBox* zoomSpin = nullptr;
    ScrollBox* scanScroll = nullptr;
    ScanView* scanView = nullptr;

    void zoomChanged();

    void selectScanner();
    void scan();
    // The session's scan has ended with an image or with a failure.
    void takeScannedImage(const ScannedImage& image);
    void tellScanFailure(const QString& text);
    void openImage();
    void saveImage();

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
    CoverJob& job_;
    Shell& shell_;
    ScannerSession scanner_;
};
