#include "raster/scanjob.h"

#include "base/messages.h"
#include "base/userevents.h"

#include <QCoreApplication>
#include <QEvent>

#include <map>

namespace {

const QEvent::Type kScanEnded = QEvent::Type(QEvent::User + 0x4FF);

// Images wait here from their arrival until the window takes them. All access
// is on the user-interface thread.
std::map<uint64_t, DibImage>& waitingImages() {
    static std::map<uint64_t, DibImage> images;
    return images;
}
uint64_t g_nextToken = 1;
int g_runningJobs = 0;

} // namespace

uint64_t storeScannedImage(DibImage&& image) {
    const uint64_t token = g_nextToken++;
    waitingImages().emplace(token, std::move(image));
    return token;
}

DibImage GetScanedDib(uint64_t token) {
    auto& images = waitingImages();
    const auto found = images.find(token);
    if (found == images.end()) return {};
    DibImage image = std::move(found->second);
    images.erase(found);
    return image;
}

bool ScanJob::running() {
    return g_runningJobs > 0;
}

ScanJob::ScanJob(std::unique_ptr<sane::Scanner> scanner, QObject* window, Messages& messages)
    : QObject(window), scanner_(std::move(scanner)), window_(window), messages_(messages) {
    ++g_runningJobs;
    // The worker touches only the scanner and the two result fields until it
    // posts the end; the window hears of progress through posted events.
    worker_ = std::thread([this] {
        failure_ = scanner_->scan(
            image_, [this](int percent) { QCoreApplication::postEvent(window_, new WmUserEvent(percent)); });
        QCoreApplication::postEvent(this, new QEvent(kScanEnded));
    });
}

ScanJob::~ScanJob() {
    if (worker_.joinable()) {
        scanner_->cancel();
        worker_.join();
    }
    if (counted_) --g_runningJobs;
}

bool ScanJob::event(QEvent* event) {
    if (event->type() != kScanEnded) return QObject::event(event);
    finish();
    return true;
}

void ScanJob::finish() {
    worker_.join();
    --g_runningJobs;
    counted_ = false;
    scanner_.reset(); // the device is free again
    QCoreApplication::postEvent(window_, new WmUserEvent(0));
    if (failure_ == sane::Failure::None)
        QCoreApplication::postEvent(window_, new WmUser2Event(storeScannedImage(std::move(image_))));
    else
        messages_.message(sane::failureText(failure_), QStringLiteral("Fehler"), MsgButtons::Ok,
                          MsgIcon::Error);
    deleteLater();
}
