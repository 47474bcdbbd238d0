// The print settings after the image of a cover file: written after the last
// pixel row, read back whole, and never in the way of reading the rest.

#include "document/coverfile.h"
#include "document/printsettingsblock.h"
#include "paper/paperedit.h"
#include "support/testimages.h"

#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

using namespace cover;

namespace {

PrintSettings sampleSettings() {
    PaperType paper;
    applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD rund"), 10.5, 12, 117, 117, 2, 3, 1, 2});
    return PrintSettings{PlacementValues{85, -2.75, 1.5}, PrintValues{3, 14, 2, true}, paper,
                         LabelShape{LabelShape::Kind::Disc, 0, 58.5, 11}};
}

void expectSame(const PrintSettings& read, const PrintSettings& written) {
    EXPECT_EQ(read.placement, written.placement);
    EXPECT_EQ(read.values, written.values);
    ASSERT_EQ(read.paper.has_value(), written.paper.has_value());
    if (written.paper) {
        EXPECT_EQ(encodePaperType(*read.paper), encodePaperType(*written.paper));
    }
    EXPECT_EQ(read.shape, written.shape);
}

// A reader as older programs have it: walks signature, page, zoom, the object
// records and the image, and stops after the last pixel row. Returns where it stopped.
qsizetype plainReaderEnd(const QByteArray& file) {
    qsizetype at = 61;
    const auto int32At = [&](qsizetype offset) {
        return qFromLittleEndian<qint32>(file.constData() + offset);
    };
    for (;;) {
        const qint32 slot = int32At(at);
        at += 4;
        if (slot > 10000) break;
        at += 61;                            // fixed fields up to the text
        at = file.indexOf('\0', at) + 1 + 8; // Text, FontColor, FontHeight
        at = file.indexOf('\0', at) + 1 + 6; // FontName, FontPitch, FontSize, FontStyle
    }
    const qint32 headerSize = int32At(at);
    at += 8;
    const qint32 width = int32At(at + 4), height = int32At(at + 8);
    const int bitCount = qFromLittleEndian<quint16>(file.constData() + at + 14);
    return at + headerSize + qsizetype(dibStride(width, bitCount)) * height;
}

class PrintSettingsBlockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image = patternImage(13, 7, 8, 3);
        objects.slot(5).Kind = KindText;
        objects.slot(5).Text = "Zeile 1\rZeile 2";
        objects.slot(5).FontName = "Arial";
        objects.slot(9000).Kind = KindFigure;
    }
    CoverSource source(std::optional<PrintSettings> settings) const {
        return CoverSource{420000, 594000, 1.0, 105833.125, &objects, &image, std::move(settings)};
    }
    QByteArray todays() const { return coverBytes(source(std::nullopt)); }
    QByteArray withBlock() const { return coverBytes(source(sampleSettings())); }

    DibImage image;
    ObjectTable objects;
};

} // namespace

TEST_F(PrintSettingsBlockTest, TheBlockFollowsTheLastRowAndEverythingBeforeStaysAsToday) {
    const QByteArray old = todays(), file = withBlock();
    ASSERT_GT(file.size(), old.size());
    EXPECT_EQ(file.left(old.size()), old);
    EXPECT_EQ(file.mid(old.size(), 8), QByteArray("CDCOVJOB"));
    // An older reader stops right where the block begins, and so at the end of today's file.
    EXPECT_EQ(plainReaderEnd(old), old.size());
    EXPECT_EQ(plainReaderEnd(file), old.size());
    EXPECT_EQ(printSettingsBlock(sampleSettings()), file.mid(old.size()));
}

TEST_F(PrintSettingsBlockTest, BothFilesReadTheSettingsOnlyWithTheBlock) {
    const ReadResult plain = readCover(todays());
    ASSERT_EQ(plain.status, ReadStatus::Ok);
    EXPECT_FALSE(plain.document.printSettings);

    const ReadResult full = readCover(withBlock());
    ASSERT_EQ(full.status, ReadStatus::Ok);
    ASSERT_TRUE(full.document.printSettings);
    expectSame(*full.document.printSettings, sampleSettings());
    EXPECT_EQ(full.document.objects.size(), 2u);
    EXPECT_EQ(full.document.image.width(), 13);

    // A job on no paper format keeps its values all the same.
    PrintSettings formatless = sampleSettings();
    formatless.paper.reset();
    formatless.shape.reset();
    const std::optional<PrintSettings> read = readPrintSettingsBlock(printSettingsBlock(formatless));
    ASSERT_TRUE(read);
    expectSame(*read, formatless);
}

TEST_F(PrintSettingsBlockTest, ABlockCutAtAnyByteReadsTheFileWithoutSettings) {
    const qsizetype start = todays().size();
    const QByteArray file = withBlock();
    for (qsizetype cut = start; cut < file.size(); ++cut) {
        const ReadResult result = readCover(file.left(cut));
        ASSERT_EQ(result.status, ReadStatus::Ok) << cut;
        EXPECT_FALSE(result.document.printSettings) << cut;
        EXPECT_EQ(result.document.objects.size(), 2u) << cut;
    }
}

TEST_F(PrintSettingsBlockTest, UnsoundBlocksAreIgnoredWholeAndUnknownFieldsSkipped) {
    const QByteArray block = printSettingsBlock(sampleSettings());
    const qsizetype version = 12, firstField = 14, firstPayload = 20;
    const auto changed = [&](qsizetype at, const QByteArray& bytes) {
        QByteArray copy = block;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const auto int32 = [](qint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        return QByteArray(bytes, 4);
    };
    EXPECT_TRUE(readPrintSettingsBlock(block));
    EXPECT_FALSE(readPrintSettingsBlock(changed(version, QByteArray("\x02\x00", 2)))) << "a later version";
    EXPECT_FALSE(readPrintSettingsBlock(changed(0, "X"))) << "another signature";
    EXPECT_FALSE(readPrintSettingsBlock(changed(firstPayload, int32(9)))) << "size below 10 %";
    EXPECT_FALSE(readPrintSettingsBlock(changed(firstField + 2, int32(19)))) << "placement one byte short";
    // Print values: copies 0, then a clip byte that is neither 0 nor 1.
    const qsizetype printPayload = firstPayload + 20 + 6;
    EXPECT_FALSE(readPrintSettingsBlock(changed(printPayload + 4, int32(0))));
    EXPECT_FALSE(readPrintSettingsBlock(changed(printPayload + 12, "\x02")));
    EXPECT_FALSE(readPrintSettingsBlock(changed(printPayload - 6, QByteArray("\x01\x00", 2))))
        << "placement twice, print values missing";

    // A field of a later program, in the middle: skipped, the rest taken.
    const QByteArray later = QByteArray("\x63\x00\x03\x00\x00\x00xyz", 9);
    QByteArray extended = block;
    extended.insert(firstField, later);
    qToLittleEndian<quint32>(quint32(extended.size() - 12), extended.data() + 8);
    const std::optional<PrintSettings> read = readPrintSettingsBlock(extended);
    ASSERT_TRUE(read);
    expectSame(*read, sampleSettings());

    // Bytes after the image that are no block of ours change nothing.
    const ReadResult trailing = readCover(todays() + QByteArray("Notizen vom Drucker"));
    EXPECT_EQ(trailing.status, ReadStatus::Ok);
    EXPECT_FALSE(trailing.document.printSettings);
}

TEST_F(PrintSettingsBlockTest, AShapeWithoutPaperFormatOrWithAForeignKindIsRefused) {
    PrintSettings settings = sampleSettings();
    const QByteArray block = printSettingsBlock(settings);
    const qsizetype shapeField = block.size() - (6 + 25);
    QByteArray noPaper = block;
    noPaper.remove(shapeField - (6 + 112), 6 + 112);
    qToLittleEndian<quint32>(quint32(noPaper.size() - 12), noPaper.data() + 8);
    EXPECT_FALSE(readPrintSettingsBlock(noPaper));

    QByteArray foreignKind = block;
    foreignKind[shapeField + 6] = 9;
    EXPECT_FALSE(readPrintSettingsBlock(foreignKind));
    // A radius that is no number.
    settings.shape->holeRadiusMm = std::nan("");
    EXPECT_FALSE(readPrintSettingsBlock(printSettingsBlock(settings)));
}

TEST(PrintSettingsBlock, TheFuzzerSeedFromAnIndependentWriterReadsWhole) {
    // Written by a generator of its own, with a field of a later program at the end.
    const ReadResult result =
        readCoverFile(QStringLiteral(CDCOVER_TESTS_DIR "/fuzz-corpus/coverfile/settings24.cov"));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    ASSERT_TRUE(result.document.printSettings);
    const PrintSettings& settings = *result.document.printSettings;
    EXPECT_EQ(settings.placement, (PlacementValues{80, -2.75, 1.5}));
    EXPECT_EQ(settings.values, (PrintValues{3, 14, 2, true}));
    ASSERT_TRUE(settings.paper);
    EXPECT_EQ(settings.paper->displayName(), QStringLiteral("CD rund"));
    EXPECT_EQ(settings.paper->StepY, 120);
    EXPECT_EQ(settings.paper->CountY, 3);
    EXPECT_EQ(settings.shape, (std::optional<LabelShape>(LabelShape{LabelShape::Kind::Disc, 0, 58.5, 11})));
}

TEST(PrintSettingsBlock, TheDiscChoiceIsAFieldOfItsOwnThatOlderReadersSkip) {
    PrintSettings settings = sampleSettings();
    settings.disc = DiscFormat{118, 22};
    const QByteArray block = printSettingsBlock(settings);
    const QByteArray withoutDisc = printSettingsBlock(sampleSettings());
    // Appended: tag 5, 16 bytes, outer then inner diameter as little-endian doubles.
    ASSERT_EQ(block.size(), withoutDisc.size() + 6 + 16);
    EXPECT_EQ(block.right(22), QByteArray::fromHex("050010000000") + QByteArray::fromHex("0000000000805d40") +
                                   QByteArray::fromHex("0000000000003640"));
    EXPECT_EQ(block.mid(12, withoutDisc.size() - 12), withoutDisc.mid(12));
    const std::optional<PrintSettings> read = readPrintSettingsBlock(block);
    ASSERT_TRUE(read);
    expectSame(*read, settings);
    EXPECT_EQ(read->disc, settings.disc);
    EXPECT_FALSE(readPrintSettingsBlock(withoutDisc)->disc);

    // A disc no disc can be makes the block unsound, like any value out of range.
    settings.disc = DiscFormat{118, 112};
    EXPECT_FALSE(readPrintSettingsBlock(printSettingsBlock(settings)));
}
