#pragma once
// One scan running in a worker thread. The window is told as the system's
// messages tell it: progress as WmUserEvent, the finished image as WmUser2Event
// carrying a token under which GetScanedDib hands the image over.

#include "raster/dibimage.h"
#include "raster/sanescan.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <thread>

class Messages;

class ScanJob : public QObject {
    Q_OBJECT
  public:
    // Starts at once. The job is a child of `window` and deletes itself when
    // the scan has ended; a failure is told through `messages`.
    ScanJob(std::unique_ptr<sane::Scanner> scanner, QObject* window, Messages& messages);
    // Stops a scan still running and waits for the thread.
    ~ScanJob() override;

    // True while some scan is running; only one runs at a time.
    static bool running();

  protected:
    bool event(QEvent* event) override;

  private:
    void finish();
    std::unique_ptr<sane::Scanner> scanner_;
    QObject* window_;
    Messages& messages_;
    DibImage image_;
    sane::Failure failure_ = sane::Failure::None;
    bool counted_ = true; // in the count of running jobs
    std::thread worker_;
};

// Takes the scanned image waiting under `token`; the null image when there is none.
DibImage GetScanedDib(uint64_t token);
// Puts an image in store and returns its token (used by the scan job, and by tests).
uint64_t storeScannedImage(DibImage&& image);
