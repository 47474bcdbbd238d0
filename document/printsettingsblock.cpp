#include "document/printsettingsblock.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace cover {

namespace {

constexpr char kBlockSignature[8] = {'C', 'D', 'C', 'O', 'V', 'J', 'O', 'B'};
constexpr quint16 kBlockVersion = 1;
constexpr qsizetype kFieldHeaderSize = 6;

enum FieldTag : quint16 { TagPlacement = 1, TagPrintValues = 2, TagPaper = 3, TagShape = 4, TagDisc = 5 };
constexpr qsizetype kPlacementSize = 4 + 8 + 8;
constexpr qsizetype kPrintValuesSize = 4 + 4 + 4 + 1;
constexpr qsizetype kShapeSize = 1 + 3 * 8;
constexpr qsizetype kDiscSize = 2 * 8;

// --- writing -----------------------------------------------------------------------

template <typename T> void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

void putDouble(QByteArray& out, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    put(out, bits);
}

void putField(QByteArray& out, FieldTag tag, const QByteArray& payload) {
    put(out, quint16(tag));
    put(out, quint32(payload.size()));
    out.append(payload);
}

QByteArray placementPayload(const PlacementValues& placement) {
    QByteArray out;
    put(out, qint32(placement.widthPercent));
    putDouble(out, placement.shiftRightMm);
    putDouble(out, placement.shiftDownMm);
    return out;
}

QByteArray printValuesPayload(const PrintValues& values) {
    QByteArray out;
    put(out, qint32(values.used));
    put(out, qint32(values.copies));
    put(out, qint32(values.sheet));
    put(out, quint8(values.clipToShape ? 1 : 0));
    return out;
}

QByteArray shapePayload(const LabelShape& shape) {
    QByteArray out;
    put(out, quint8(shape.kind));
    putDouble(out, shape.cornerRadiusMm);
    putDouble(out, shape.outerRadiusMm);
    putDouble(out, shape.holeRadiusMm);
    return out;
}

QByteArray discPayload(const DiscFormat& disc) {
    QByteArray out;
    putDouble(out, disc.outerDiameterMm);
    putDouble(out, disc.innerDiameterMm);
    return out;
}

// --- reading -----------------------------------------------------------------------

// Reads a field's payload front to back; its size was checked before.
class FieldReader {
  public:
    explicit FieldReader(QByteArrayView payload) : at_(payload.data()) {}
    qint32 int32() { return take<qint32>(); }
    quint8 uint8() { return take<quint8>(); }
    double float64() {
        const quint64 bits = take<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    template <typename T> T take() {
        const T value = qFromLittleEndian<T>(at_);
        at_ += sizeof(T);
        return value;
    }
    const char* at_;
};

bool within(double value, double minimum, double maximum) {
    return std::isfinite(value) && value >= minimum && value <= maximum;
}

// The ranges of the controls on "Zentrieren" and "Drucken".
std::optional<PlacementValues> placementOf(QByteArrayView payload) {
    if (payload.size() != kPlacementSize) return std::nullopt;
    FieldReader in(payload);
    PlacementValues placement;
    placement.widthPercent = in.int32();
    placement.shiftRightMm = in.float64();
    placement.shiftDownMm = in.float64();
    if (placement.widthPercent < 10 || placement.widthPercent > 500 ||
        !within(placement.shiftRightMm, -1000, 1000) || !within(placement.shiftDownMm, -1000, 1000))
        return std::nullopt;
    return placement;
}

std::optional<PrintValues> printValuesOf(QByteArrayView payload) {
    if (payload.size() != kPrintValuesSize) return std::nullopt;
    FieldReader in(payload);
    PrintValues values;
    values.used = in.int32();
    values.copies = in.int32();
    values.sheet = in.int32();
    const quint8 clip = in.uint8();
    if (values.used < 0 || values.used > 100 || values.copies < 1 || values.copies > 1000 ||
        values.sheet < 1 || values.sheet > 1000 || clip > 1)
        return std::nullopt;
    values.clipToShape = clip == 1;
    return values;
}

// Any format paper.dat may hold, as long as its numbers are numbers.
std::optional<PaperType> paperOf(QByteArrayView payload) {
    if (payload.size() != PaperType::kRecordSize) return std::nullopt;
    const PaperType paper = decodePaperType(payload);
    for (double mm :
         {paper.LeftMargin, paper.TopMargin, paper.StepX, paper.StepY, paper.LabelWidth, paper.LabelHeight})
        if (!within(mm, -1e6, 1e6)) return std::nullopt;
    if (paper.CountX < 0 || paper.CountY < 0) return std::nullopt;
    return paper;
}

std::optional<LabelShape> shapeOf(QByteArrayView payload) {
    if (payload.size() != kShapeSize) return std::nullopt;
    FieldReader in(payload);
    const quint8 kind = in.uint8();
    if (kind < quint8(LabelShape::Kind::Rectangle) || kind > quint8(LabelShape::Kind::Disc))
        return std::nullopt;
    LabelShape shape;
    shape.kind = LabelShape::Kind(kind);
    shape.cornerRadiusMm = in.float64();
    shape.outerRadiusMm = in.float64();
    shape.holeRadiusMm = in.float64();
    for (double mm : {shape.cornerRadiusMm, shape.outerRadiusMm, shape.holeRadiusMm})
        if (!within(mm, 0, 5000)) return std::nullopt;
    return shape;
}

std::optional<DiscFormat> discOf(QByteArrayView payload) {
    if (payload.size() != kDiscSize) return std::nullopt;
    FieldReader in(payload);
    DiscFormat disc;
    disc.outerDiameterMm = in.float64();
    disc.innerDiameterMm = in.float64();
    if (!discFormatProblem(disc).isEmpty()) return std::nullopt;
    return disc;
}

// The fields as read; each known tag at most once.
struct Fields {
    std::optional<PlacementValues> placement;
    std::optional<PrintValues> values;
    std::optional<PaperType> paper;
    std::optional<LabelShape> shape;
    std::optional<DiscFormat> disc;
    bool sound = true;

    template <typename T> void take(std::optional<T>& slot, std::optional<T>&& value) {
        if (slot || !value) sound = false;
        slot = std::move(value);
    }
    void read(quint16 tag, QByteArrayView payload) {
        switch (tag) {
        case TagPlacement:
            return take(placement, placementOf(payload));
        case TagPrintValues:
            return take(values, printValuesOf(payload));
        case TagPaper:
            return take(paper, paperOf(payload));
        case TagShape:
            return take(shape, shapeOf(payload));
        case TagDisc:
            return take(disc, discOf(payload));
        }
        // A field of a later program: skipped.
    }
};

// The fields of a version-1 block body (after the version).
std::optional<PrintSettings> settingsOf(QByteArrayView body) {
    Fields fields;
    while (!body.isEmpty() && fields.sound) {
        if (body.size() < kFieldHeaderSize) return std::nullopt;
        const quint16 tag = qFromLittleEndian<quint16>(body.data());
        const quint32 length = qFromLittleEndian<quint32>(body.data() + 2);
        body = body.sliced(kFieldHeaderSize);
        if (length > quint64(body.size())) return std::nullopt;
        fields.read(tag, body.first(qsizetype(length)));
        body = body.sliced(qsizetype(length));
    }
    if (!fields.sound || !fields.placement || !fields.values || (fields.shape && !fields.paper))
        return std::nullopt;
    return PrintSettings{*fields.placement, *fields.values, fields.paper, fields.shape, fields.disc};
}

} // namespace

QByteArray printSettingsBlock(const PrintSettings& settings) {
    QByteArray body;
    put(body, kBlockVersion);
    putField(body, TagPlacement, placementPayload(settings.placement));
    putField(body, TagPrintValues, printValuesPayload(settings.values));
    if (settings.paper) {
        putField(body, TagPaper, encodePaperType(*settings.paper));
        if (settings.shape) putField(body, TagShape, shapePayload(*settings.shape));
    }
    if (settings.disc) putField(body, TagDisc, discPayload(*settings.disc));
    QByteArray block(kBlockSignature, sizeof kBlockSignature);
    put(block, quint32(body.size()));
    return block + body;
}

std::optional<PrintSettings> readPrintSettingsBlock(QByteArrayView bytes) {
    constexpr qsizetype headerSize = sizeof kBlockSignature + 4;
    if (bytes.size() < headerSize + 2 ||
        bytes.first(sizeof kBlockSignature) != QByteArrayView(kBlockSignature, sizeof kBlockSignature))
        return std::nullopt;
    const quint32 length = qFromLittleEndian<quint32>(bytes.data() + sizeof kBlockSignature);
    const QByteArrayView rest = bytes.sliced(headerSize);
    if (length < 2 || length > quint64(rest.size())) return std::nullopt;
    const QByteArrayView body = rest.first(qsizetype(length));
    if (qFromLittleEndian<quint16>(body.data()) != kBlockVersion) return std::nullopt;
    return settingsOf(body.sliced(2));
}

} // namespace cover
