#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "support/filesizelimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray repeated(char byte, int count) {
    return QByteArray(count, byte);
}

// Two formats as paper.dat holds them, written out byte by byte.
QByteArray goldenTwoFormats() {
    QByteArray bytes = hex("AFFC0000 02000000");
    // 10, 5, 92, 58, 90, 55 mm; 2 × 5 labels; "A€" (€ is 0x80 in Windows-1252).
    bytes += hex("0000000000002440 0000000000001440 0000000000005740 0000000000004D40"
                 "0000000000805640 0000000000804B40 02000000 05000000 024180");
    bytes += repeated('\0', 48 + 5);
    // Only a 1.5 mm width, a count of −1 and a name of the full 50 characters.
    bytes += repeated('\0', 32) + hex("000000000000F83F") + repeated('\0', 8) + hex("FFFFFFFF 00000000 32");
    bytes += repeated('x', 50) + repeated('\0', 5);
    return bytes;
}

std::vector<PaperType> twoFormats() {
    PaperType first;
    applyDialogValues(first, PaperDialogValues{QStringLiteral("A€"), 10, 5, 90, 55, 2, 3, 2, 5});
    PaperType second;
    second.LabelWidth = 1.5;
    second.CountX = -1;
    second.setName(QString(60, QLatin1Char('x'))); // cut to 50
    return {first, second};
}

QByteArray withCount(QByteArray bytes, qint32 count) {
    qToLittleEndian<qint32>(count, bytes.data() + 4);
    return bytes;
}

} // namespace

TEST(PaperFile, WritesAndReadsTheGoldenBytes) {
    const QByteArray golden = goldenTwoFormats();
    ASSERT_EQ(golden.size(), 8 + 2 * 112);
    EXPECT_EQ(writePaperFile(twoFormats()).toHex(), golden.toHex());

    const auto records = readPaperFile(golden);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    const PaperType& first = (*records)[0];
    EXPECT_EQ(first.LeftMargin, 10);
    EXPECT_EQ(first.TopMargin, 5);
    EXPECT_EQ(first.StepX, 92);
    EXPECT_EQ(first.StepY, 58);
    EXPECT_EQ(first.LabelWidth, 90);
    EXPECT_EQ(first.LabelHeight, 55);
    EXPECT_EQ(first.CountX, 2);
    EXPECT_EQ(first.CountY, 5);
    EXPECT_EQ(first.displayName(), QStringLiteral("A€"));
    EXPECT_EQ((*records)[1].displayName(), QString(50, QLatin1Char('x')));
    EXPECT_EQ((*records)[1].CountX, -1);
}

TEST(PaperFile, KeepsMeaninglessBytesWhenWrittenAgain) {
    QByteArray bytes = goldenTwoFormats();
    bytes[8 + 56 + 10] = 'Z'; // behind the name "A€"
    bytes[8 + 109] = '\x7F';  // padding
    const auto records = readPaperFile(bytes);
    ASSERT_TRUE(records);
    EXPECT_EQ(writePaperFile(*records), bytes);
}

TEST(PaperFile, EmptyCatalogueIsSignatureAndZeroCount) {
    EXPECT_EQ(writePaperFile({}), hex("AFFC0000 00000000"));
    const auto records = readPaperFile(hex("AFFC0000 00000000"));
    ASSERT_TRUE(records);
    EXPECT_TRUE(records->empty());
}

TEST(PaperFile, WrongOrMissingSignatureIsRejected) {
    QByteArray bytes = goldenTwoFormats();
    bytes[0] = '\xB0';
    EXPECT_FALSE(readPaperFile(bytes));
    EXPECT_FALSE(readPaperFile(hex("AFFC00")));
    EXPECT_FALSE(readPaperFile(QByteArray()));
}

TEST(PaperFile, KeepsOnlyCompleteRecords) {
    const QByteArray golden = goldenTwoFormats();
    // Truncated inside the second record, and inside the count.
    EXPECT_EQ(readPaperFile(golden.left(8 + 112 + 111))->size(), 1u);
    EXPECT_EQ(readPaperFile(golden.left(8 + 111))->size(), 0u);
    EXPECT_EQ(readPaperFile(golden.left(6))->size(), 0u);
    // Counts that do not fit the data: larger, huge, negative, smaller.
    EXPECT_EQ(readPaperFile(withCount(golden, 3))->size(), 2u);
    EXPECT_EQ(readPaperFile(withCount(golden, INT32_MAX))->size(), 2u);
    EXPECT_EQ(readPaperFile(withCount(golden, -1))->size(), 0u);
    EXPECT_EQ(readPaperFile(withCount(golden, INT32_MIN))->size(), 0u);
    const auto one = readPaperFile(withCount(golden, 1));
    ASSERT_EQ(one->size(), 1u);
    EXPECT_EQ((*one)[0].displayName(), QStringLiteral("A€"));
}

TEST(PaperFile, LengthByteBeyondFiftyShowsFiftyCharacters) {
    QByteArray bytes = goldenTwoFormats();
    bytes[8 + 112 + 56] = char(255);
    EXPECT_EQ((*readPaperFile(bytes))[1].displayName().size(), 50);
}

TEST(PaperFile, LoadLeavesTheCatalogueAloneWithoutAUsableFile) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    std::vector<PaperType> catalogue = twoFormats();
    LoadEttTypes(catalogue, programDir); // no file
    EXPECT_EQ(catalogue.size(), 2u);

    QFile file(paperFilePath(programDir));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(hex("00000000 00000000"));
    file.close();
    LoadEttTypes(catalogue, programDir); // wrong signature
    EXPECT_EQ(catalogue.size(), 2u);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(withCount(goldenTwoFormats(), 1000000).left(8 + 112 + 50));
    file.close();
    LoadEttTypes(catalogue, programDir); // huge count, one complete record
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].displayName(), QStringLiteral("A€"));
}

TEST(PaperFile, SaveAndLoadRoundTrip) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(SaveEttTypes(twoFormats(), programDir));
    QFile file(paperFilePath(programDir));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), goldenTwoFormats());
    std::vector<PaperType> catalogue;
    LoadEttTypes(catalogue, programDir);
    EXPECT_EQ(writePaperFile(catalogue), goldenTwoFormats());
    FreeEttTypes(catalogue);
    EXPECT_TRUE(catalogue.empty());
}

TEST(PaperFile, SaveMakesTheSettingsFolderButFailsWhereNoneCanBeMade) {
    QTemporaryDir dir;
    const QString configFolder = dir.path() + QStringLiteral("/config/cdcover/");
    EXPECT_TRUE(SaveEttTypes(twoFormats(), configFolder));
    EXPECT_TRUE(QFile::exists(paperFilePath(configFolder)));
    EXPECT_FALSE(SaveEttTypes(twoFormats(), QStringLiteral("/proc/cdcover/")));
}

TEST(PaperFile, FailedSaveKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(SaveEttTypes(twoFormats(), programDir));
    // A write that breaks off half way through the new catalogue.
    std::vector<PaperType> longer = twoFormats();
    longer.push_back(longer.front());
    {
        ScopedFileSizeLimit limit(10);
        EXPECT_FALSE(SaveEttTypes(longer, programDir));
    }
    QFile file(paperFilePath(programDir));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), goldenTwoFormats());
}

TEST(PaperEdit, DialogShowsGapsAndStoresPitches) {
    PaperType paper;
    const PaperDialogValues values{QStringLiteral("Etikett"), 10, 5, 90, 55, 2, 3, 4, 7};
    applyDialogValues(paper, values);
    EXPECT_EQ(paper.StepX, 92);
    EXPECT_EQ(paper.StepY, 58);
    EXPECT_EQ(dialogValuesOf(paper), values);
    EXPECT_EQ(proposedPaperName(0), QStringLiteral("Kein Name0"));
    EXPECT_EQ(proposedPaperName(12), QStringLiteral("Kein Name12"));
}
