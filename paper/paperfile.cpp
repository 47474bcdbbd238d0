#include "paper/paperfile.h"

#include "base/savefile.h"
#include "base/settingsfolder.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr qsizetype kHeaderSize = 8;

// The number of whole records a file of `dataBytes` behind its header can
// hold, limited by the announced count (negative counts hold none).
qsizetype completeRecords(qint32 announced, qint64 dataBytes) {
    if (announced <= 0 || dataBytes <= 0) return 0;
    return qsizetype(std::min<qint64>(announced, dataBytes / PaperType::kRecordSize));
}

} // namespace

std::optional<std::vector<PaperType>> readPaperFile(QByteArrayView bytes) {
    if (bytes.size() < 4 || qFromLittleEndian<quint32>(bytes.data()) != kPaperFileSignature)
        return std::nullopt;
    std::vector<PaperType> records;
    if (bytes.size() < kHeaderSize) return records;
    const qint32 announced = qFromLittleEndian<qint32>(bytes.data() + 4);
    const qsizetype count = completeRecords(announced, bytes.size() - kHeaderSize);
    records.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        records.push_back(
            decodePaperType(bytes.sliced(kHeaderSize + i * PaperType::kRecordSize, PaperType::kRecordSize)));
    return records;
}

QByteArray writePaperFile(const std::vector<PaperType>& records) {
    QByteArray bytes(kHeaderSize, '\0');
    qToLittleEndian<quint32>(kPaperFileSignature, bytes.data());
    qToLittleEndian<qint32>(qint32(records.size()), bytes.data() + 4);
    bytes.reserve(kHeaderSize + qsizetype(records.size()) * PaperType::kRecordSize);
    for (const PaperType& paper : records)
        bytes += encodePaperType(paper);
    return bytes;
}

std::optional<std::vector<PaperType>> readPaperFileAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(kHeaderSize);
    if (bytes.size() == kHeaderSize) {
        // Read only the records the file can hold, never what the count claims.
        const qint32 announced = qFromLittleEndian<qint32>(bytes.constData() + 4);
        const qsizetype count = completeRecords(announced, file.size() - kHeaderSize);
        bytes += file.read(qint64(count) * PaperType::kRecordSize);
    }
    return readPaperFile(bytes);
}

bool writePaperFileAt(const QString& path, const std::vector<PaperType>& records) {
    if (!prepareSettingsFolder(path)) return false;
    return replaceFile(path, writePaperFile(records));
}

QString paperFilePath(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("paper.dat");
}

void LoadEttTypes(std::vector<PaperType>& EttTypes, const QString& settingsFolder) {
    std::optional<std::vector<PaperType>> records = readPaperFileAt(paperFilePath(settingsFolder));
    if (!records) return;
    FreeEttTypes(EttTypes);
    EttTypes = std::move(*records);
}

bool SaveEttTypes(const std::vector<PaperType>& EttTypes, const QString& settingsFolder) {
    return writePaperFileAt(paperFilePath(settingsFolder), EttTypes);
}

void FreeEttTypes(std::vector<PaperType>& EttTypes) {
    EttTypes.clear();
    EttTypes.shrink_to_fit();
}
