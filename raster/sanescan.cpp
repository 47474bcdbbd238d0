#include "raster/sanescan.h"

#include "raster/codecs/codecsupport.h"
#include "raster/imageresolution.h"

#include <QCoreApplication>

#include <cstring>
#include <mutex>

namespace sane {

namespace {

// SANE is started once, on first use, and shut down when the program ends.
struct Library {
    bool started = false;
    Library() {
        SANE_Int version = 0;
        started = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
    }
    ~Library() {
        if (started) sane_exit();
    }
};

bool libraryStarted() {
    static Library library;
    return library.started;
}

// One sample of a row at `depth` bits, scaled to 0..255.
uint8_t sampleAt(const uint8_t* row, int index, int depth) {
    switch (depth) {
    case 1:
        return (row[index >> 3] >> (7 - (index & 7))) & 1 ? 255 : 0;
    case 16: {
        uint16_t value;
        std::memcpy(&value, row + 2 * index, 2); // SANE sends 16-bit samples in host order
        return uint8_t(value >> 8);
    }
    default:
        return row[index];
    }
}

int lineBytesNeeded(const FrameLayout& l, int samplesPerPixel) {
    return int((int64_t(l.pixelsPerLine) * samplesPerPixel * l.depth + 7) / 8);
}

} // namespace

Failure failureOf(SANE_Status status) {
    switch (status) {
    case SANE_STATUS_GOOD:
    case SANE_STATUS_EOF:
        return Failure::None;
    case SANE_STATUS_CANCELLED:
        return Failure::Cancelled;
    case SANE_STATUS_DEVICE_BUSY:
        return Failure::Busy;
    case SANE_STATUS_IO_ERROR:
        return Failure::IoError;
    case SANE_STATUS_JAMMED:
        return Failure::Jammed;
    case SANE_STATUS_NO_DOCS:
        return Failure::NoDocuments;
    case SANE_STATUS_COVER_OPEN:
        return Failure::CoverOpen;
    case SANE_STATUS_NO_MEM:
        return Failure::NoMemory;
    case SANE_STATUS_ACCESS_DENIED:
        return Failure::AccessDenied;
    default:
        return Failure::Other;
    }
}

QString failureText(Failure failure) {
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::NoDevice:
        return QCoreApplication::translate(
            "SaneScan", "Es wurde kein Scanner gefunden.\nBitte schließen Sie einen Scanner an und "
                        "schalten Sie ihn ein.");
    case Failure::Busy:
        return QCoreApplication::translate(
            "SaneScan", "Der Scanner ist belegt. Bitte versuchen Sie es später noch einmal.");
    case Failure::IoError:
        return QCoreApplication::translate(
            "SaneScan", "Bei der Verbindung zum Scanner ist ein Ein-/Ausgabefehler aufgetreten.");
    case Failure::Cancelled:
        return QCoreApplication::translate("SaneScan", "Der Scanvorgang wurde abgebrochen.");
    case Failure::NoDocuments:
        return QCoreApplication::translate("SaneScan", "Im Einzug liegt kein Dokument.");
    case Failure::Jammed:
        return QCoreApplication::translate("SaneScan", "Im Einzug des Scanners hat sich das Papier gestaut.");
    case Failure::CoverOpen:
        return QCoreApplication::translate("SaneScan", "Die Abdeckung des Scanners ist geöffnet.");
    case Failure::AccessDenied:
        return QCoreApplication::translate("SaneScan", "Der Zugriff auf den Scanner wurde verweigert.");
    case Failure::NoMemory:
        return QCoreApplication::translate("SaneScan",
                                           "Für das gescannte Bild ist nicht genug Speicher frei.");
    case Failure::Other:
        break;
    }
    return QCoreApplication::translate("SaneScan", "Der Scanner hat einen Fehler gemeldet.");
}

std::vector<Device> devices() {
    std::vector<Device> found;
    if (!libraryStarted()) return found;
    const SANE_Device** list = nullptr;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list) return found;
    for (; *list; ++list)
        found.push_back({QByteArray((*list)->name), QString::fromUtf8((*list)->vendor),
                         QString::fromUtf8((*list)->model), QString::fromUtf8((*list)->type)});
    return found;
}

DibImage imageFromFrames(const std::vector<std::pair<FrameLayout, QByteArray>>& frames,
                         const ImageLimits& limits) {
    if (frames.empty()) return {};
    const FrameLayout& first = frames.front().first;
    const bool separate = frames.size() == 3;
    if (!separate && frames.size() != 1) return {};
    if (first.depth != 1 && first.depth != 8 && first.depth != 16) return {};
    const int samples = first.format == SANE_FRAME_RGB ? 3 : 1;
    int lines = INT32_MAX;
    for (const auto& [layout, data] : frames) {
        if (layout.pixelsPerLine != first.pixelsPerLine || layout.depth != first.depth ||
            layout.bytesPerLine != first.bytesPerLine ||
            layout.bytesPerLine < lineBytesNeeded(layout, samples) || layout.bytesPerLine <= 0)
            return {};
        if (separate && layout.format != SANE_FRAME_RED && layout.format != SANE_FRAME_GREEN &&
            layout.format != SANE_FRAME_BLUE)
            return {};
        // A device that does not know the height beforehand (lines −1) sends
        // as many lines as it has; a short read keeps only whole lines.
        const int64_t received = data.size() / layout.bytesPerLine;
        lines = int(std::min<int64_t>({lines, received, layout.lines > 0 ? layout.lines : received}));
    }
    const bool lineArt = !separate && first.format == SANE_FRAME_GRAY && first.depth == 1;
    const int bits = lineArt ? 1 : (!separate && first.format == SANE_FRAME_GRAY) ? 8 : 24;
    if (!codec::acceptableSize(first.pixelsPerLine, lines, bits, limits)) return {};

    // In line art a set bit is black.
    const RgbQuad blackOnWhite[2] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
    DibImage image = createImage(first.pixelsPerLine, lines, bits, lineArt ? blackOnWhite : nullptr,
                                 lineArt ? 2 : 0, limits);
    if (image.isNull()) return {};
    const int width = first.pixelsPerLine;
    for (int y = 0; y < lines; ++y) {
        uint8_t* dst = image.rowFromTop(y);
        if (lineArt) {
            std::memcpy(dst, frames[0].second.constData() + int64_t(y) * first.bytesPerLine,
                        std::size_t((width + 7) / 8));
            continue;
        }
        for (const auto& [layout, data] : frames) {
            const auto* src =
                reinterpret_cast<const uint8_t*>(data.constData()) + int64_t(y) * layout.bytesPerLine;
            for (int x = 0; x < width; ++x) {
                if (bits == 8) {
                    dst[x] = sampleAt(src, x, layout.depth);
                } else if (!separate) {
                    dst[3 * x + 2] = sampleAt(src, 3 * x, layout.depth);
                    dst[3 * x + 1] = sampleAt(src, 3 * x + 1, layout.depth);
                    dst[3 * x] = sampleAt(src, 3 * x + 2, layout.depth);
                } else {
                    const int channel = layout.format == SANE_FRAME_RED     ? 2
                                        : layout.format == SANE_FRAME_GREEN ? 1
                                                                            : 0;
                    dst[3 * x + channel] = sampleAt(src, x, layout.depth);
                }
            }
        }
    }
    return image;
}

std::unique_ptr<Scanner> Scanner::open(const QByteArray& deviceName, Failure& failure) {
    failure = Failure::NoDevice;
    if (!libraryStarted()) return nullptr;
    SANE_Handle handle = nullptr;
    const SANE_Status status = sane_open(deviceName.constData(), &handle);
    if (status != SANE_STATUS_GOOD || !handle) {
        failure = status == SANE_STATUS_INVAL ? Failure::NoDevice : failureOf(status);
        return nullptr;
    }
    failure = Failure::None;
    return std::unique_ptr<Scanner>(new Scanner(handle, deviceName));
}

Scanner::~Scanner() {
    sane_close(handle_);
}

void Scanner::cancel() {
    cancelled_ = true;
    sane_cancel(handle_);
}

Failure Scanner::readFrame(std::vector<std::pair<FrameLayout, QByteArray>>& frames,
                           const std::function<void(int)>& progress, int frameNumber,
                           const ImageLimits& limits) {
    SANE_Parameters p;
    if (const SANE_Status status = sane_get_parameters(handle_, &p); status != SANE_STATUS_GOOD)
        return failureOf(status);
    const FrameLayout layout{p.format, p.bytes_per_line, p.pixels_per_line,
                             p.lines,  p.depth,          p.last_frame != SANE_FALSE};
    if (layout.bytesPerLine <= 0 || layout.pixelsPerLine <= 0 || layout.pixelsPerLine > kMaxDibSide)
        return Failure::Other;
    const bool separate =
        p.format == SANE_FRAME_RED || p.format == SANE_FRAME_GREEN || p.format == SANE_FRAME_BLUE;
    // Raw samples of up to 16 bits may take twice the room of the image made from them.
    const int64_t room = int64_t(limits.pixelMemoryBytes) * 2;
    const int64_t expected = layout.lines > 0 ? int64_t(layout.bytesPerLine) * layout.lines : -1;
    if (expected > room) return Failure::NoMemory;

    QByteArray data;
    if (expected > 0) data.reserve(qsizetype(expected));
    std::vector<SANE_Byte> chunk(1 << 16);
    for (;;) {
        SANE_Int length = 0;
        const SANE_Status status = sane_read(handle_, chunk.data(), SANE_Int(chunk.size()), &length);
        if (status == SANE_STATUS_EOF) break;
        if (cancelled_) return Failure::Cancelled;
        if (status != SANE_STATUS_GOOD) return failureOf(status);
        data.append(reinterpret_cast<const char*>(chunk.data()), length);
        if (data.size() > room) return Failure::NoMemory;
        if (expected > 0 && progress) {
            const int framesInAll = separate ? 3 : 1;
            progress(int((frameNumber * 100 + data.size() * 100 / expected) / framesInAll));
        }
    }
    frames.emplace_back(layout, std::move(data));
    return Failure::None;
}

Failure Scanner::scan(DibImage& image, const std::function<void(int)>& progress, const ImageLimits& limits) {
    cancelled_ = false;
    const auto [dpiX, dpiY] = scanResolution();
    std::vector<std::pair<FrameLayout, QByteArray>> frames;
    for (int frameNumber = 0; frameNumber < 3; ++frameNumber) {
        const SANE_Status started = sane_start(handle_);
        Failure failure = failureOf(started);
        if (failure == Failure::None) failure = readFrame(frames, progress, frameNumber, limits);
        if (cancelled_) failure = Failure::Cancelled;
        if (failure != Failure::None) {
            sane_cancel(handle_);
            return failure;
        }
        if (frames.back().first.last) break;
    }
    // Ends the scan, as SANE asks after the last frame.
    sane_cancel(handle_);
    image = imageFromFrames(frames, limits);
    if (image.isNull()) return Failure::NoMemory;
    setResolutionDpi(image, dpiX, dpiY);
    return Failure::None;
}

} // namespace sane
