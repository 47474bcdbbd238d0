#include "print/disccalibration.h"

#include "base/savefile.h"
#include "base/settingsfolder.h"
#include "print/calibrationpath.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kValueSize = 8;

double limited(double value) {
    if (std::isnan(value)) return 0;
    return std::clamp(value, -kDiscOffsetMaxMm, kDiscOffsetMaxMm);
}

} // namespace

DiscOffset clampDiscOffset(const DiscOffset& offset) {
    return {limited(offset.rightMm), limited(offset.downMm)};
}

DiscOffset readDiscOffset(QByteArrayView bytes) {
    DiscOffset offset;
    if (bytes.size() >= kValueSize) offset.rightMm = qFromLittleEndian<double>(bytes.data());
    if (bytes.size() >= 2 * kValueSize) offset.downMm = qFromLittleEndian<double>(bytes.data() + kValueSize);
    return clampDiscOffset(offset);
}

QByteArray writeDiscOffset(const DiscOffset& offset) {
    QByteArray bytes(2 * kValueSize, '\0');
    qToLittleEndian<double>(offset.rightMm, bytes.data());
    qToLittleEndian<double>(offset.downMm, bytes.data() + kValueSize);
    return bytes;
}

QString discCalibrationFilePath(const QString& settingsFolder, const QString& printerName) {
    QString path = calibrationFilePath(settingsFolder, printerName);
    path.chop(QStringLiteral(".dat").size());
    return path + QStringLiteral(".disc");
}

DiscOffset readDiscOffsetAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return readDiscOffset(file.read(2 * kValueSize));
}

bool writeDiscOffsetAt(const QString& path, const DiscOffset& offset) {
    if (!prepareSettingsFolder(path)) return false;
    return replaceFile(path, writeDiscOffset(offset));
}
