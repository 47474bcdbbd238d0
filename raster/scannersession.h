#pragma once
// The scanner as the program uses it: the device the user chose for this run
// and the one scan that may be running. The scan runs in a worker thread; its
// progress, its image or the German text of its failure arrive later as
// signals on the session's own thread. Nothing here knows of windows; the scan
// page asks the user and connects to the signals.

#include "raster/dibimage.h"
#include "raster/imagelimits.h"
#include "raster/sanescan.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <thread>

// A finished scan's image, handed over by signal; the receiver moves it out.
using ScannedImage = std::shared_ptr<DibImage>;

class ScannerSession : public QObject {
    Q_OBJECT
  public:
    explicit ScannerSession(QObject* parent = nullptr);
    // Stops a scan still running and waits for its thread; nothing more is signalled.
    ~ScannerSession() override;

    // The device chosen in this run; empty when none was.
    const QByteArray& chosenDevice() const { return chosenDevice_; }
    void chooseDevice(const QByteArray& deviceName) { chosenDevice_ = deviceName; }

    // The chosen device, opened; the first device SANE finds when none was
    // chosen or the chosen one is gone.
    struct OpenedDevice {
        std::unique_ptr<sane::Scanner> scanner; // null on failure
        QString title;                          // vendor and model, for the options dialog
        sane::Failure failure = sane::Failure::None;
    };
    OpenedDevice openChosenDevice() const;

    // True from the start of a scan until its end has been signalled.
    bool scanning() const { return device_ != nullptr; }

    // Scans with `device` in a worker thread; the image may take what `limits`
    // allow. While a scan runs, another is refused with the "busy" failure.
    void startScan(std::unique_ptr<sane::Scanner> device, const ImageLimits& limits);

  signals:
    // Percent of the running scan; 0 once it has ended.
    void progressChanged(int percent);
    void imageScanned(const ScannedImage& image);
    // The German text for a message box captioned "Fehler".
    void scanFailed(const QString& text);

  private:
    void finishScan(sane::Failure failure, const ScannedImage& image);
    void failLater(sane::Failure failure);
    QByteArray chosenDevice_;
    std::unique_ptr<sane::Scanner> device_; // the device of the running scan
    std::thread worker_;
};
