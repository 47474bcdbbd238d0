#include "paper/labelshapefile.h"

#include "base/savefile.h"
#include "base/settingsfolder.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char kSignature[4] = {'C', 'D', 'L', 'S'};
constexpr quint32 kVersion = 1;
constexpr qsizetype kHeaderSize = 12;
constexpr qsizetype kEntrySize = PaperType::kRecordSize + 1 + 3 * 8;
constexpr double kMaxRadiusMm = 5000;

void appendDouble(QByteArray& bytes, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char le[8];
    qToLittleEndian(bits, le);
    bytes.append(le, 8);
}

double doubleAt(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool plausibleRadius(double mm) {
    return std::isfinite(mm) && mm >= 0 && mm <= kMaxRadiusMm;
}

std::optional<LabelShape> shapeAt(const char* at) {
    const auto kind = uint8_t(at[0]);
    if (kind < uint8_t(LabelShape::Kind::Rectangle) || kind > uint8_t(LabelShape::Kind::Disc))
        return std::nullopt;
    LabelShape shape{LabelShape::Kind(kind), doubleAt(at + 1), doubleAt(at + 9), doubleAt(at + 17)};
    if (!plausibleRadius(shape.cornerRadiusMm) || !plausibleRadius(shape.outerRadiusMm) ||
        !plausibleRadius(shape.holeRadiusMm))
        return std::nullopt;
    return shape;
}

} // namespace

QString labelShapeFilePath(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("labelshapes.dat");
}

QByteArray writeLabelShapeFile(const std::vector<PaperType>& formats, const FormatShapes& shapes) {
    QByteArray entries;
    qint32 count = 0;
    for (size_t i = 0; i < formats.size() && i < shapes.size(); ++i) {
        if (!shapes[i]) continue;
        entries += encodePaperType(formats[i]);
        entries += char(shapes[i]->kind);
        appendDouble(entries, shapes[i]->cornerRadiusMm);
        appendDouble(entries, shapes[i]->outerRadiusMm);
        appendDouble(entries, shapes[i]->holeRadiusMm);
        ++count;
    }
    QByteArray bytes(kHeaderSize, '\0');
    std::memcpy(bytes.data(), kSignature, 4);
    qToLittleEndian<quint32>(kVersion, bytes.data() + 4);
    qToLittleEndian<qint32>(count, bytes.data() + 8);
    return bytes + entries;
}

FormatShapes readLabelShapeFile(QByteArrayView bytes, const std::vector<PaperType>& formats) {
    FormatShapes shapes(formats.size());
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kSignature, 4) != 0 ||
        qFromLittleEndian<quint32>(bytes.data() + 4) != kVersion)
        return shapes;
    const qint32 announced = qFromLittleEndian<qint32>(bytes.data() + 8);
    const qsizetype present = (bytes.size() - kHeaderSize) / kEntrySize;
    const qsizetype count = announced <= 0 ? 0 : std::min<qsizetype>(announced, present);
    std::vector<QByteArray> records(formats.size());
    for (size_t i = 0; i < formats.size(); ++i)
        records[i] = encodePaperType(formats[i]);
    for (qsizetype entry = 0; entry < count; ++entry) {
        const QByteArrayView at = bytes.sliced(kHeaderSize + entry * kEntrySize, kEntrySize);
        const std::optional<LabelShape> shape = shapeAt(at.data() + PaperType::kRecordSize);
        if (!shape) continue;
        const QByteArrayView record = at.first(PaperType::kRecordSize);
        for (size_t i = 0; i < formats.size(); ++i) {
            if (shapes[i] || records[i] != record) continue;
            shapes[i] = shape;
            break;
        }
    }
    return shapes;
}

FormatShapes readLabelShapesAt(const QString& settingsFolder, const std::vector<PaperType>& formats) {
    QFile file(labelShapeFilePath(settingsFolder));
    // A file far larger than paper.dat could pair is not one of ours.
    const qint64 largest = kHeaderSize + qint64(formats.size()) * kEntrySize * 4;
    if (!file.open(QIODevice::ReadOnly)) return FormatShapes(formats.size());
    return readLabelShapeFile(file.read(largest), formats);
}

bool writeLabelShapesAt(const QString& settingsFolder, const std::vector<PaperType>& formats,
                        const FormatShapes& shapes) {
    const QString path = labelShapeFilePath(settingsFolder);
    const bool anyShape =
        std::any_of(shapes.begin(), shapes.end(), [](const auto& shape) { return bool(shape); });
    if (!anyShape && !QFile::exists(path)) return true;
    if (!prepareSettingsFolder(path)) return false;
    return replaceFile(path, writeLabelShapeFile(formats, shapes));
}
