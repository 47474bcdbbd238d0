#include "paper/labeloutline.h"
#include "paper/labelshapefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

PaperType format(const char* name, double width) {
    PaperType paper;
    paper.LabelWidth = paper.LabelHeight = paper.StepX = paper.StepY = width;
    paper.CountX = paper.CountY = 1;
    paper.setName(QString::fromLatin1(name));
    return paper;
}

const LabelShape kDisc{LabelShape::Kind::Disc, 0, 58, 11};
const LabelShape kRounded{LabelShape::Kind::Rectangle, 3, 0, 0};

} // namespace

TEST(LabelShapeFile, PairsEachShapeWithItsRecord) {
    const std::vector<PaperType> formats{format("CD", 116), format("Plain", 50), format("Tag", 40)};
    const QByteArray bytes = writeLabelShapeFile(formats, {kDisc, std::nullopt, kRounded});
    EXPECT_EQ(readLabelShapeFile(bytes, formats), (FormatShapes{kDisc, std::nullopt, kRounded}));

    // Another program reordered paper.dat and changed one format: the others keep their shapes.
    std::vector<PaperType> edited{format("Tag", 40), format("CD", 117), format("Plain", 50)};
    EXPECT_EQ(readLabelShapeFile(bytes, edited), (FormatShapes{kRounded, std::nullopt, std::nullopt}));
}

TEST(LabelShapeFile, TwoEqualRecordsTakeOneEntryEach) {
    const std::vector<PaperType> twice{format("CD", 116), format("CD", 116)};
    const QByteArray one = writeLabelShapeFile({twice[0]}, {kDisc});
    EXPECT_EQ(readLabelShapeFile(one, twice), (FormatShapes{kDisc, std::nullopt}));
}

TEST(LabelShapeFile, DamagedFilesGiveNoShapes) {
    const std::vector<PaperType> formats{format("CD", 116)};
    QByteArray bytes = writeLabelShapeFile(formats, {kDisc});
    EXPECT_EQ(readLabelShapeFile(bytes.left(bytes.size() - 1), formats), FormatShapes{std::nullopt});
    QByteArray badKind = bytes;
    badKind[12 + PaperType::kRecordSize] = 9;
    EXPECT_EQ(readLabelShapeFile(badKind, formats), FormatShapes{std::nullopt});
    QByteArray hugeCount = bytes;
    hugeCount[11] = 0x7f;
    EXPECT_EQ(readLabelShapeFile(hugeCount, formats), FormatShapes{kDisc});
    QByteArray nanRadius = bytes;
    nanRadius.replace(12 + PaperType::kRecordSize + 9, 8, QByteArray::fromHex("000000000000F87F"));
    EXPECT_EQ(readLabelShapeFile(nanRadius, formats), FormatShapes{std::nullopt});
    EXPECT_EQ(readLabelShapeFile("CDLS", formats), FormatShapes{std::nullopt});
}

TEST(LabelShapeFile, NoFileIsMadeWhileNoFormatHasAShape) {
    QTemporaryDir folder;
    const QString settings = folder.path() + QLatin1Char('/');
    ASSERT_TRUE(writeLabelShapesAt(settings, {format("Plain", 50)}, {std::nullopt}));
    EXPECT_FALSE(QFile::exists(labelShapeFilePath(settings)));
    ASSERT_TRUE(writeLabelShapesAt(settings, {format("CD", 116)}, {kDisc}));
    EXPECT_EQ(readLabelShapesAt(settings, {format("CD", 116)}), FormatShapes{kDisc});
}

TEST(LabelOutline, ADiscIsCutByItsBoxAndHasAHole) {
    // 100 × 80 box around a disc of radius 50 with a hole of radius 10, 1 pixel per mm.
    const QPainterPath disc =
        labelOutline(LabelShape{LabelShape::Kind::Disc, 0, 50, 10}, QRectF(0, 0, 100, 80), 1);
    EXPECT_TRUE(disc.contains(QPointF(50, 20)));
    EXPECT_FALSE(disc.contains(QPointF(50, 40))); // the hole
    EXPECT_FALSE(disc.contains(QPointF(50, -5))); // above the box
    EXPECT_FALSE(disc.contains(QPointF(3, 3)));   // a corner outside the circle
    const QPainterPath rounded = labelOutline(kRounded, QRectF(0, 0, 40, 40), 2);
    EXPECT_FALSE(rounded.contains(QPointF(0.5, 0.5)));
    EXPECT_TRUE(rounded.contains(QPointF(20, 0.5)));
    EXPECT_TRUE(labelOutline(std::nullopt, QRectF(0, 0, 40, 40), 1).contains(QPointF(0.5, 0.5)));
}
