#include "base/savefile.h"

bool commitWhole(QSaveFile& file) {
    if (!file.isOpen()) return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit(); // closes the device; the cancelled file is removed
        return false;
    }
    return file.commit();
}

bool replaceFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return commitWhole(file);
}
