#pragma once
// Scanning through SANE: the devices, their options, and one scan turned into
// an image record. Nothing here knows of windows; the dialogs and the worker
// thread build on it.

#include "raster/dibimage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <sane/sane.h>

namespace sane {

enum class Failure {
    None,
    NoDevice,
    Busy,
    IoError,
    Cancelled,
    NoDocuments,
    Jammed,
    CoverOpen,
    AccessDenied,
    NoMemory,
    Other
};
Failure failureOf(SANE_Status status);
// The German message for a failure, for a message box captioned "Fehler".
QString failureText(Failure failure);

struct Device {
    QByteArray name;
    QString vendor, model, type;
};
// The devices SANE finds; an empty list when there are none or SANE does not start.
std::vector<Device> devices();

struct Option {
    int index = 0;
    QByteArray name;
    QString title;
    SANE_Value_Type type = SANE_TYPE_INT;
    SANE_Unit unit = SANE_UNIT_NONE;
    SANE_Constraint_Type constraint = SANE_CONSTRAINT_NONE;
    double minimum = 0, maximum = 0, step = 0; // range constraint, in the option's unit
    QList<double> words;                       // word list constraint
    QStringList strings;                       // string list constraint
    QVariant value;                            // bool, int, double or QString
};

// How one frame arrives: SANE's parameters, and the samples as read.
struct FrameLayout {
    SANE_Frame format = SANE_FRAME_GRAY;
    int bytesPerLine = 0, pixelsPerLine = 0, lines = 0, depth = 8;
    bool last = true; // the last frame of the scan
};
// Colour, grey and line-art frames of 1, 8 or 16 bits per sample become 24-,
// 8- and 1-bit images; separate red, green and blue frames are put together.
// `frames` are the frames of one scan with their data; null on a mismatch or
// when `limits` leave no room for the image.
DibImage imageFromFrames(const std::vector<std::pair<FrameLayout, QByteArray>>& frames,
                         const ImageLimits& limits = {});

class Scanner {
  public:
    // Opens the device; null with `failure` set when it cannot.
    static std::unique_ptr<Scanner> open(const QByteArray& deviceName, Failure& failure);
    ~Scanner();
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    const QByteArray& deviceName() const { return name_; }
    // The active options whose single value the user may set.
    std::vector<Option> options() const;
    bool setOption(const Option& option, const QVariant& value);
    bool setOption(const QByteArray& name, const QVariant& value);
    // Dots per inch across and down as the options set them; 0 where the
    // device offers no resolution.
    std::pair<double, double> scanResolution() const;

    // Scans one image, which knows the resolution it was scanned at. `progress` gets percentages (from the
    // scanning thread); `cancel` from another thread stops the scan with Failure::Cancelled. The samples read
    // may take twice the pixel memory `limits` allow, the image once.
    Failure scan(DibImage& image, const std::function<void(int)>& progress, const ImageLimits& limits = {});
    void cancel();

  private:
    Scanner(SANE_Handle handle, const QByteArray& name) : handle_(handle), name_(name) {}
    Failure readFrame(std::vector<std::pair<FrameLayout, QByteArray>>& frames,
                      const std::function<void(int)>& progress, int frameNumber, const ImageLimits& limits);
    SANE_Handle handle_;
    QByteArray name_;
    std::atomic<bool> cancelled_{false};
};

} // namespace sane
