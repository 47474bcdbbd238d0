#include "document/coverfile.h"
#include "support/testimages.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <utility>

using namespace cover;

namespace {

QByteArray hex(const char* digits) {
    return QByteArray::fromHex(digits);
}

QByteArray int32Bytes(int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// Signature, page 0x01020304 × 0x0A0B0C0D, zoom 1.0, 105833.125 units per pixel.
QByteArray expectedFixedPart() {
    return QByteArray("Varnelt Morvanthelquistradibenzor 1.0") + hex("04030201 0d0c0b0a") +
           hex("000000000000f03f 0000000092d6f940");
}

CoverSource sourceOf(const ObjectTable& table, const DibImage& image) {
    return CoverSource{0x01020304, 0x0A0B0C0D, 1.0, 105833.125, &table, &image};
}

AnnotationObject sampleFigure() {
    AnnotationObject figure;
    figure.Kind = KindFigure;
    figure.Left = 10;
    figure.Top = 20;
    figure.Width = 300;
    figure.Height = 400;
    figure.Created = 1;
    figure.Color = 0x00332211;
    figure.Shape = ShapeRectangle;
    figure.BorderColor = 0x00FF0000;
    figure.FillMode = 2;
    figure.Shadow = true;
    figure.ShadowX = 5;
    figure.ShadowY = 5;
    figure.Reserved2 = 0x22;
    figure.Reserved1 = 0x11;
    figure.LineWidth = 4;
    figure.FontHeight = -16;
    figure.FontName = "Arial";
    figure.FontPitch = 1;
    figure.FontSize = 12;
    figure.FontStyle = StyleBold;
    return figure;
}

// The record of sampleFigure() in slot 1, field by field.
QByteArray sampleFigureRecord() {
    return hex("01000000"                            // slot
               "0a000000 14000000 2c010000 90010000" // Left Top Width Height
               "01"                                  // Created
               "01000000 11223300 03000000 00000000" // Kind Color Shape Align
               "0000ff00 02000000"                   // BorderColor FillMode
               "01 00"                               // Shadow Outline
               "05000000 05000000"                   // ShadowX ShadowY
               "22 11"                               // Reserved2 Reserved1
               "04000000 00000000"                   // LineWidth Rotation
               "00"                                  // empty Text
               "00000000 f0ffffff"                   // FontColor FontHeight
               "417269616c00"                        // "Arial"
               "01 0c000000 01");                    // FontPitch FontSize FontStyle
}

// One 24-bit pixel (r 0x11, g 0x22, b 0x33): H, C, header, one padded row.
DibImage onePixelImage() {
    DibImage image = createImage(1, 1, 24);
    setPixelAt(image, 0, 0, makeColorRef(0x11, 0x22, 0x33));
    return image;
}
QByteArray onePixelImageBlock() {
    return hex("28000000 00000000"
               "28000000 01000000 01000000 0100 1800 00000000 04000000 00000000 00000000 00000000 00000000"
               "33221100");
}

std::vector<int> progressOf(const std::function<void(const Progress&)>& run) {
    std::vector<int> values;
    run([&](int percent) { values.push_back(percent); });
    return values;
}

} // namespace

TEST(CoverFile, DocumentWithoutObjectsIsHeaderEndMarkerAndImage) {
    ObjectTable table;
    const DibImage image = onePixelImage();
    const QByteArray bytes = coverBytes(sourceOf(table, image));
    EXPECT_EQ(bytes.left(61).toHex(), expectedFixedPart().toHex());
    EXPECT_EQ(bytes.toHex(), (expectedFixedPart() + hex("11270000") + onePixelImageBlock()).toHex());
}

TEST(CoverFile, ObjectRecordsFollowTheHeaderInSlotOrder) {
    ObjectTable table;
    table.slot(7) = sampleFigure();
    table.slot(3) = sampleFigure();
    table.slot(3).Kind = KindFree; // a freed slot is not written
    const DibImage image = onePixelImage();
    QByteArray record = sampleFigureRecord();
    record.replace(0, 4, int32Bytes(7));
    EXPECT_EQ(objectRecord(1, sampleFigure()).toHex(), sampleFigureRecord().toHex());
    EXPECT_EQ(coverBytes(sourceOf(table, image)).toHex(),
              (expectedFixedPart() + record + hex("11270000") + onePixelImageBlock()).toHex());
}

TEST(CoverFile, TextLinesAreSeparatedByThirteenAndEndWithZero) {
    AnnotationObject text = sampleFigure();
    text.Kind = KindText;
    text.Text = "Zeile1\rZeile2";
    const QByteArray record = objectRecord(1, text);
    EXPECT_EQ(record.size(), 81 + 13 + 5);
    EXPECT_EQ(record.mid(65, 14).toHex(), hex("5a65696c65310d5a65696c653200").toHex());
    EXPECT_EQ(record.mid(79, 4), int32Bytes(0)); // FontColor follows the text

    // A zero byte inside a string would end it early for a reader: the string stops there.
    text.Text = QByteArray("ab\0cd", 5);
    EXPECT_EQ(objectRecord(1, text).size(), 81 + 2 + 5);
}

TEST(CoverFile, ImageBlockCarriesTheColourTableOfPaletteImages) {
    const struct {
        int bits, headerSize, colours;
    } cases[] = {{24, 40, 0}, {8, 1064, 256}, {4, 104, 16}, {1, 48, 2}};
    ObjectTable table;
    for (const auto& c : cases) {
        const DibImage image = c.bits == 24 ? gradientImage24(5, 3) : patternImage(5, 3, c.bits);
        const QByteArray bytes = coverBytes(sourceOf(table, image));
        const QByteArray block = bytes.mid(65);
        EXPECT_EQ(block.left(8), int32Bytes(c.headerSize) + int32Bytes(c.colours)) << c.bits;
        EXPECT_EQ(block.size(), 8 + c.headerSize + 3 * image.stride()) << c.bits;
        EXPECT_EQ(std::memcmp(block.constData() + 48, image.colors().data(), 4 * c.colours), 0) << c.bits;
        // Rows lie as in memory, the bottom row first.
        EXPECT_EQ(std::memcmp(block.constData() + 8 + c.headerSize, image.memoryRow(0), image.stride()), 0);
    }
}

TEST(CoverFile, RoundTripKeepsEveryFieldSlotAndPixel) {
    ObjectTable table;
    table.slot(1) = sampleFigure();
    AnnotationObject text;
    text.Kind = KindText;
    text.Left = -5;
    text.Top = 2147483647;
    text.Width = 123456;
    text.Height = 654321;
    text.Created = 1;
    text.Rotation = 3;
    text.Align = 2;
    text.LineWidth = 20;
    text.BorderColor = 0x00ABCDEF;
    text.setShadowColor(0x00102030);
    text.Color = 0x00405060;
    text.Reserved1 = 7;
    text.Reserved2 = 9;
    text.Shadow = true;
    text.Outline = true;
    text.ShadowX = -3;
    text.ShadowY = 11;
    text.Shape = 1; // a note
    text.Text = "Grüße \x80 \x84Text\x93\rZweite";
    text.FontColor = 0x00FFFFFF;
    text.FontHeight = -24;
    text.FontName = "Times New Roman";
    text.FontPitch = 2;
    text.FontSize = 18;
    text.FontStyle = StyleItalic | StyleUnderline | StyleStrikeOut;
    table.slot(4242) = text;
    table.slot(10000) = sampleFigure();
    table.slot(10000).Shape = ShapeLineFalling;

    const DibImage image = patternImage(37, 11, 8, 5);
    CoverSource source = sourceOf(table, image);
    source.viewZoom = 1.5;
    ReadResult result = readCover(coverBytes(source));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    const CoverDocument& document = result.document;
    EXPECT_EQ(document.pageWidth, 0x01020304);
    EXPECT_EQ(document.pageHeight, 0x0A0B0C0D);
    EXPECT_EQ(document.viewZoom, 1.5);
    EXPECT_EQ(document.unitsPerScreenPixel, 105833.125);

    ObjectTable loaded;
    installObjects(document, loaded);
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
        const AnnotationObject& a = table.slot(slot);
        const AnnotationObject& b = loaded.slot(slot);
        ASSERT_EQ(a.Kind, b.Kind) << slot;
        if (!a.inUse()) continue;
        EXPECT_EQ(objectRecord(slot, a), objectRecord(slot, b)) << slot;
        EXPECT_TRUE(a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height);
        EXPECT_TRUE(a.Rotation == b.Rotation && a.Align == b.Align && a.Text == b.Text &&
                    a.FontName == b.FontName);
        EXPECT_TRUE(a.Reserved1 == b.Reserved1 && a.Reserved2 == b.Reserved2 && a.Shadow == b.Shadow &&
                    a.Outline == b.Outline && a.FontStyle == b.FontStyle && a.FillMode == b.FillMode);
    }
    ASSERT_EQ(document.image.width(), 37);
    ASSERT_EQ(document.image.bitCount(), 8);
    EXPECT_TRUE(std::equal(image.colors().begin(), image.colors().end(), document.image.colors().begin()));
    EXPECT_EQ(std::memcmp(image.pixels(), document.image.pixels(), image.sizeImage()), 0);
}

TEST(CoverFile, LaterRecordForTheSameSlotWinsAndFrontSlotStaysOnTop) {
    ObjectTable table;
    table.slot(2) = sampleFigure();
    std::swap(table.slot(2), table.slot(ObjectTable::kSlots)); // what "Nach vorne" does
    const DibImage image = onePixelImage();
    QByteArray bytes = coverBytes(sourceOf(table, image));
    EXPECT_EQ(bytes.mid(61, 4), int32Bytes(10000));

    AnnotationObject second = sampleFigure();
    second.Left = 99;
    bytes.insert(61 + 86, objectRecord(10000, second));
    ReadResult result = readCover(bytes);
    ASSERT_EQ(result.status, ReadStatus::Ok);
    ObjectTable loaded;
    loaded.slot(2).Kind = KindFigure;
    installObjects(result.document, loaded);
    EXPECT_EQ(loaded.slot(2).Kind, KindFree);
    EXPECT_EQ(loaded.slot(10000).Kind, KindFigure);
    EXPECT_EQ(loaded.slot(10000).Left, 99);
}

TEST(CoverFile, SignatureMustMatchExactly) {
    ObjectTable table;
    const DibImage image = onePixelImage();
    const QByteArray good = coverBytes(sourceOf(table, image));
    QByteArray oneLetter = good;
    oneLetter[3] = 'x';
    QByteArray caseOnly = good;
    caseOnly[0] = 'v';
    EXPECT_EQ(readCover(oneLetter).status, ReadStatus::NotCoverFile);
    EXPECT_EQ(readCover(caseOnly).status, ReadStatus::NotCoverFile);
    EXPECT_EQ(readCover(good.left(36)).status, ReadStatus::NotCoverFile);
    EXPECT_EQ(readCover(good).status, ReadStatus::Ok);
}

TEST(CoverFile, EveryTruncationIsRefused) {
    ObjectTable table;
    table.slot(1) = sampleFigure();
    table.slot(5) = sampleFigure();
    table.slot(5).Text = "Hallo\rWelt";
    const DibImage image = patternImage(9, 4, 4);
    const QByteArray bytes = coverBytes(sourceOf(table, image));
    for (qsizetype length = 0; length < bytes.size(); ++length)
        EXPECT_NE(readCover(bytes.left(length)).status, ReadStatus::Ok) << length;
}

TEST(CoverFile, ImpossibleFieldsAreRefused) {
    ObjectTable table;
    table.slot(1) = sampleFigure();
    const DibImage image = patternImage(3, 2, 8);
    const QByteArray good = coverBytes(sourceOf(table, image));
    const qsizetype marker = 61 + 86, block = marker + 4, header = block + 8;
    auto patched = [&](qsizetype at, const QByteArray& bytes) {
        return QByteArray(good).replace(at, bytes.size(), bytes);
    };
    auto doubleBytes = [](double value) {
        uint64_t bits;
        std::memcpy(&bits, &value, 8);
        char out[8];
        qToLittleEndian(bits, out);
        return QByteArray(out, 8);
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"slot 0", patched(61, int32Bytes(0))},
        {"negative slot", patched(61, int32Bytes(-1))},
        {"zoom 0", patched(45, doubleBytes(0))},
        {"zoom NaN", patched(45, doubleBytes(std::nan("")))},
        {"units 0", patched(53, doubleBytes(0))},
        {"units negative", patched(53, doubleBytes(-1))},
        {"tiny units", patched(53, doubleBytes(1e-300))},
        {"negative page", patched(37, int32Bytes(-1))},
        {"H too small", patched(block, int32Bytes(40))},
        {"negative H", patched(block, int32Bytes(-8))},
        {"C 255", patched(block + 4, int32Bytes(255))},
        {"C of 24 bits", patched(block, int32Bytes(40) + int32Bytes(0))},
        {"16 bits", patched(header + 14, hex("1000"))},
        {"2 bits", patched(block, int32Bytes(56) + int32Bytes(4)).replace(header + 14, 2, hex("0200"))},
        {"width 0", patched(header + 4, int32Bytes(0))},
        {"width 5", patched(header + 4, int32Bytes(5))},
        {"huge width", patched(header + 4, int32Bytes(0x7FFFFFFF))},
        {"top-down rows", patched(header + 8, int32Bytes(-2))},
        {"height 3", patched(header + 8, int32Bytes(3))},
        {"slot 0 after a record", patched(marker, int32Bytes(0))},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_EQ(readCover(bytes).status, ReadStatus::Damaged) << name;
    EXPECT_EQ(readCover(good).status, ReadStatus::Ok);
}

TEST(CoverFile, AnyNumberAboveTheTableEndsTheObjectList) {
    for (const int32_t end : {10001, 10002, 65536, 0x7FFFFFFF}) {
        const ReadResult result =
            readCover(expectedFixedPart() + sampleFigureRecord() + int32Bytes(end) + onePixelImageBlock());
        ASSERT_EQ(result.status, ReadStatus::Ok) << end;
        ASSERT_EQ(result.document.objects.size(), 1u) << end;
        EXPECT_EQ(pixelAt(result.document.image, 0, 0), makeColorRef(0x11, 0x22, 0x33)) << end;
    }
}

TEST(CoverFile, BytesAfterTheLastRowAreIgnored) {
    const QByteArray file = expectedFixedPart() + hex("11270000") + onePixelImageBlock();
    for (const QByteArray& tail : {QByteArray(1, '\0'), QByteArray("angehängt"), QByteArray(4096, '\xff')}) {
        const ReadResult result = readCover(file + tail);
        ASSERT_EQ(result.status, ReadStatus::Ok) << tail.size();
        EXPECT_EQ(pixelAt(result.document.image, 0, 0), makeColorRef(0x11, 0x22, 0x33));
    }
    // A row cut short is still refused, whatever follows the header.
    EXPECT_EQ(readCover(file.chopped(1)).status, ReadStatus::Damaged);
}

TEST(CoverFile, RecordOfAnUnknownKindIsReadIntoItsSlotAndWrittenBack) {
    QByteArray record = sampleFigureRecord();
    record.replace(0, 4, int32Bytes(42));
    record.replace(21, 4, int32Bytes(3));
    QByteArray freed = sampleFigureRecord();
    freed.replace(0, 4, int32Bytes(43));
    freed.replace(21, 4, int32Bytes(-7));
    const QByteArray bytes = expectedFixedPart() + record + freed + hex("11270000") + onePixelImageBlock();
    const ReadResult result = readCover(bytes);
    ASSERT_EQ(result.status, ReadStatus::Ok);

    ObjectTable table;
    installObjects(result.document, table);
    EXPECT_EQ(table.slot(42).Kind, 3);
    EXPECT_EQ(table.slot(43).Kind, -7);
    EXPECT_FALSE(table.slot(43).inUse());
    // Saved again, the slot in use keeps its record field for field; the other one is free.
    const DibImage image = onePixelImage();
    EXPECT_EQ(coverBytes(sourceOf(table, image)).toHex(),
              (expectedFixedPart() + record + hex("11270000") + onePixelImageBlock()).toHex());
}

TEST(CoverFile, ImageTooLargeForMemoryIsRefusedBeforeRows) {
    ObjectTable table;
    const DibImage image = gradientImage24(64, 64);
    const QByteArray bytes = coverBytes(sourceOf(table, image));
    const ImageLimits limits{.pixelMemoryBytes = 1024};
    int reports = 0;
    EXPECT_EQ(readCover(bytes, limits, [&](int) { ++reports; }).status, ReadStatus::OutOfMemory);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(readCover(bytes).status, ReadStatus::Ok);
}

TEST(CoverFile, ProgressRunsOverTheRows) {
    ObjectTable table;
    const DibImage tall = gradientImage24(3, 200);
    std::vector<int> expected{0};
    for (int j = 0; j < 200; ++j)
        expected.push_back(j * 100 / 199);
    expected.push_back(0);
    EXPECT_EQ(std::vector<int>(expected.begin(), expected.begin() + 6), (std::vector<int>{0, 0, 0, 1, 1, 2}));

    QByteArray bytes;
    EXPECT_EQ(progressOf([&](const Progress& p) { bytes = coverBytes(sourceOf(table, tall), p); }), expected);
    EXPECT_EQ(progressOf([&](const Progress& p) { readCover(bytes, {}, p); }), expected);

    const DibImage oneRow = gradientImage24(3, 1);
    EXPECT_EQ(progressOf([&](const Progress& p) { coverBytes(sourceOf(table, oneRow), p); }),
              (std::vector<int>{0, 100, 0}));
}

TEST(CoverFile, SeedFilesOfTheFuzzerAreValid) {
    // Written by an independent generator, so they check the reader against more
    // than our own writer.
    const QDir seeds(QStringLiteral(CDCOVER_TESTS_DIR "/fuzz-corpus/coverfile"));
    const QStringList names = seeds.entryList({QStringLiteral("*.cov")}, QDir::Files);
    ASSERT_EQ(names.size(), 5);
    for (const QString& name : names) {
        const ReadResult result = readCoverFile(seeds.filePath(name));
        EXPECT_EQ(result.status, ReadStatus::Ok) << name.toStdString();
        EXPECT_FALSE(result.document.image.isNull());
    }
    const ReadResult text = readCoverFile(seeds.filePath(QStringLiteral("text1.cov")));
    ASSERT_EQ(text.document.objects.size(), 2u);
    EXPECT_EQ(text.document.objects[0].first, 10000);
    EXPECT_EQ(text.document.objects[0].second.Text, QByteArray("Zeile1\rZeile2"));
    EXPECT_EQ(text.document.objects[0].second.FontName, QByteArray("Times New Roman"));
    EXPECT_EQ(text.document.objects[1].second.FontName, QByteArray());
    EXPECT_EQ(text.document.image.bitCount(), 1);
}
