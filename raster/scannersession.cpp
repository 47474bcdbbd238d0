#include "raster/scannersession.h"

#include <QMetaObject>

ScannerSession::ScannerSession(QObject* parent) : QObject(parent) {}

ScannerSession::~ScannerSession() {
    if (!worker_.joinable()) return;
    device_->cancel();
    worker_.join();
    // What the worker posted to this object dies with it, unseen.
}

ScannerSession::OpenedDevice ScannerSession::openChosenDevice() const {
    OpenedDevice opened;
    QByteArray name = chosenDevice_;
    const std::vector<sane::Device> devices = sane::devices();
    for (const sane::Device& d : devices)
        if (d.name == name) opened.title = d.vendor + QLatin1Char(' ') + d.model;
    if (opened.title.isEmpty()) {
        if (devices.empty()) {
            opened.failure = sane::Failure::NoDevice;
            return opened;
        }
        name = devices.front().name;
        opened.title = devices.front().vendor + QLatin1Char(' ') + devices.front().model;
    }
    opened.scanner = sane::Scanner::open(name, opened.failure);
    return opened;
}

void ScannerSession::startScan(std::unique_ptr<sane::Scanner> device, const ImageLimits& limits) {
    if (scanning()) {
        failLater(sane::Failure::Busy);
        return;
    }
    if (!device) {
        failLater(sane::Failure::NoDevice);
        return;
    }
    device_ = std::move(device);
    // The worker touches only the device; everything it reports is posted to
    // this object and signalled from here.
    worker_ = std::thread([this, scanner = device_.get(), limits] {
        DibImage image;
        const auto reportProgress = [this](int percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { emit progressChanged(percent); }, Qt::QueuedConnection);
        };
        const sane::Failure failure = scanner->scan(image, reportProgress, limits);
        ScannedImage result = std::make_shared<DibImage>(std::move(image));
        QMetaObject::invokeMethod(
            this, [this, failure, result] { finishScan(failure, result); }, Qt::QueuedConnection);
    });
}

void ScannerSession::finishScan(sane::Failure failure, const ScannedImage& image) {
    worker_.join();
    device_.reset(); // the device is free again
    emit progressChanged(0);
    if (failure == sane::Failure::None)
        emit imageScanned(image);
    else
        emit scanFailed(sane::failureText(failure));
}

void ScannerSession::failLater(sane::Failure failure) {
    QMetaObject::invokeMethod(
        this, [this, failure] { emit scanFailed(sane::failureText(failure)); }, Qt::QueuedConnection);
}
