#include "print/calibration.h"

#include "base/savefile.h"
#include "base/settingsfolder.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr int kValueCount = 4;
constexpr int kValueSize = 8;

double limited(double value, double low, double high, double initial) {
    if (std::isnan(value)) return initial;
    return std::clamp(value, low, high);
}

std::array<double*, kValueCount> fieldsOf(Calibration& values) {
    return {&values.cL, &values.cT, &values.kW, &values.kH};
}

} // namespace

Calibration clampCalibration(const Calibration& values) {
    const Calibration initial;
    return {limited(values.cL, kOffsetMin, kOffsetMax, initial.cL),
            limited(values.cT, kOffsetMin, kOffsetMax, initial.cT),
            limited(values.kW, kSizeMin, kSizeMax, initial.kW),
            limited(values.kH, kSizeMin, kSizeMax, initial.kH)};
}

Calibration roundCalibration(const Calibration& values) {
    const auto rounded = [](double value) {
        return QString::number(value, 'f', kCalibrationDecimals).toDouble();
    };
    return {rounded(values.cL), rounded(values.cT), rounded(values.kW), rounded(values.kH)};
}

Calibration readOptionsFile(QByteArrayView bytes) {
    Calibration values;
    const auto fields = fieldsOf(values);
    const qsizetype complete = std::min<qsizetype>(kValueCount, bytes.size() / kValueSize);
    for (qsizetype i = 0; i < complete; ++i)
        *fields[size_t(i)] = qFromLittleEndian<double>(bytes.data() + i * kValueSize);
    return clampCalibration(values);
}

QByteArray writeOptionsFile(const Calibration& values) {
    QByteArray bytes(kValueCount * kValueSize, '\0');
    Calibration copy = values;
    const auto fields = fieldsOf(copy);
    for (int i = 0; i < kValueCount; ++i)
        qToLittleEndian<double>(*fields[size_t(i)], bytes.data() + i * kValueSize);
    return bytes;
}

Calibration readOptionsFileAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return readOptionsFile(file.read(kValueCount * kValueSize));
}

bool writeOptionsFileAt(const QString& path, const Calibration& values) {
    if (!prepareSettingsFolder(path)) return false;
    return replaceFile(path, writeOptionsFile(values));
}

QString optionsFilePath(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("options.dat");
}
