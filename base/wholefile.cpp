#include "base/wholefile.h"

#include "base/systemerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A symbolic link keeps pointing where it pointed; what it points at gets the
// new content.
QByteArray replacedFile(const QString& path) {
    const QFileInfo info(path);
    return QFile::encodeName(info.isSymLink() ? info.symLinkTarget() : path);
}

// Each write asks the system for at most this much at a time.
constexpr qint64 kLargestWrite = qint64(1) << 30;

} // namespace

WholeFile::WholeFile(const QString& path) : target_(replacedFile(path)) {}

WholeFile::~WholeFile() {
    discard();
}

void WholeFile::fail(int errorNumber) {
    if (errorNumber_ != 0) return;
    errorNumber_ = errorNumber != 0 ? errorNumber : EIO;
    setErrorString(systemErrorText(errorNumber_));
}

bool WholeFile::open(OpenMode mode) {
    if (isOpen() || (mode & (ReadOnly | Append)) || !(mode & WriteOnly)) {
        fail(EINVAL);
        return false;
    }
    // Renaming over a file the user may not change would replace it anyway.
    if (::access(target_.constData(), F_OK) == 0 && ::access(target_.constData(), W_OK) != 0) {
        fail(errno);
        return false;
    }
    while (descriptor_ < 0) {
        temporary_ = target_ + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        descriptor_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && errno != EEXIST) {
            fail(errno);
            temporary_.clear();
            return false;
        }
    }
    // A replaced file keeps who may read and change it.
    struct stat old {};
    if (::stat(target_.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(descriptor_, old.st_mode & 07777);
    return QIODevice::open(mode | Unbuffered);
}

qint64 WholeFile::writeData(const char* data, qint64 size) {
    if (descriptor_ < 0 || errorNumber_ != 0) return -1;
    qint64 written = 0;
    while (written < size) {
        const ssize_t step =
            ::write(descriptor_, data + written, std::size_t(std::min(size - written, kLargestWrite)));
        if (step > 0) {
            written += step;
        } else if (step < 0 && errno == EINTR) {
            continue;
        } else {
            fail(step < 0 ? errno : EIO);
            return -1;
        }
    }
    return written;
}

bool WholeFile::commit() {
    if (descriptor_ < 0) {
        fail(EBADF);
        return false;
    }
    // fsync reports what the disk refused only now; some files cannot be synced at all.
    if (errorNumber_ == 0 && ::fsync(descriptor_) != 0 && errno != EINVAL) fail(errno);
    if (::close(descriptor_) != 0 && errno != EINTR) fail(errno);
    descriptor_ = -1;
    if (errorNumber_ == 0 && ::rename(temporary_.constData(), target_.constData()) != 0) fail(errno);
    if (errorNumber_ != 0) ::unlink(temporary_.constData());
    temporary_.clear();
    QIODevice::close();
    return errorNumber_ == 0;
}

void WholeFile::close() {
    discard();
}

void WholeFile::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
    if (isOpen()) QIODevice::close();
}
