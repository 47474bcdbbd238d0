#include "paper/papertype.h"

#include "base/cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

double readDouble(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void writeDouble(char* at, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at);
}

} // namespace

QString PaperType::displayName() const {
    const int length = std::min<int>(Name[0], kNameCapacity);
    return fromCp1252(QByteArrayView(reinterpret_cast<const char*>(Name.data() + 1), length));
}

void PaperType::setName(const QString& name) {
    const QByteArray bytes = toCp1252(name.left(kNameCapacity)).left(kNameCapacity);
    Name.fill(0);
    Name[0] = uint8_t(bytes.size());
    std::memcpy(Name.data() + 1, bytes.constData(), size_t(bytes.size()));
}

bool sameNameAndGeometry(const PaperType& a, const PaperType& b) {
    return a.LeftMargin == b.LeftMargin && a.TopMargin == b.TopMargin && a.StepX == b.StepX &&
           a.StepY == b.StepY && a.LabelWidth == b.LabelWidth && a.LabelHeight == b.LabelHeight &&
           a.CountX == b.CountX && a.CountY == b.CountY && a.displayName() == b.displayName();
}

PaperType decodePaperType(QByteArrayView record) {
    Q_ASSERT(record.size() == PaperType::kRecordSize);
    const char* bytes = record.data();
    PaperType paper;
    paper.LeftMargin = readDouble(bytes + 0);
    paper.TopMargin = readDouble(bytes + 8);
    paper.StepX = readDouble(bytes + 16);
    paper.StepY = readDouble(bytes + 24);
    paper.LabelWidth = readDouble(bytes + 32);
    paper.LabelHeight = readDouble(bytes + 40);
    paper.CountX = qFromLittleEndian<qint32>(bytes + 48);
    paper.CountY = qFromLittleEndian<qint32>(bytes + 52);
    std::memcpy(paper.Name.data(), bytes + 56, paper.Name.size());
    std::memcpy(paper.padding.data(), bytes + 107, paper.padding.size());
    return paper;
}

QByteArray encodePaperType(const PaperType& paper) {
    QByteArray record(PaperType::kRecordSize, '\0');
    char* bytes = record.data();
    writeDouble(bytes + 0, paper.LeftMargin);
    writeDouble(bytes + 8, paper.TopMargin);
    writeDouble(bytes + 16, paper.StepX);
    writeDouble(bytes + 24, paper.StepY);
    writeDouble(bytes + 32, paper.LabelWidth);
    writeDouble(bytes + 40, paper.LabelHeight);
    qToLittleEndian<qint32>(paper.CountX, bytes + 48);
    qToLittleEndian<qint32>(paper.CountY, bytes + 52);
    std::memcpy(bytes + 56, paper.Name.data(), paper.Name.size());
    std::memcpy(bytes + 107, paper.padding.data(), paper.padding.size());
    return record;
}
