// The save formats by filter position, default extensions, and SaveDib's
// failure reports.

#include "raster/imagefile.h"
#include "support/fakemessages.h"
#include "support/testimages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ImageFile, SaveFiltersListTheFormatsInOrderAndNumberThemFromThree) {
    const QStringList parts = GetDIBSaveFilter().split(QLatin1Char('|'));
    ASSERT_EQ(parts.size(), 2 * kSaveFilterCount);
    const char* patterns[] = {"*.bmp", "*.dib", "*.gif", "*.iff", "*.jif", "*.jpg",
                              "*.lbm", "*.pcx", "*.rle", "*.tga", "*.tif", "*.png"};
    for (int i = 0; i < kSaveFilterCount; ++i) {
        EXPECT_EQ(parts[2 * i + 1], QLatin1String(patterns[i]));
        EXPECT_EQ(QLatin1Char('*') + defaultExtension(i + 1), QLatin1String(patterns[i]));
    }
    EXPECT_EQ(formatNumberOfFilter(1), 3);
    EXPECT_EQ(formatNumberOfFilter(6), 8);
    EXPECT_EQ(formatNumberOfFilter(11), 13);
    EXPECT_EQ(formatOfNumber(3), ImageFileFormat::Bmp);
    EXPECT_EQ(formatOfNumber(8), ImageFileFormat::Jpg);
    EXPECT_EQ(formatOfNumber(13), ImageFileFormat::Tif);
    EXPECT_EQ(formatOfNumber(14), ImageFileFormat::Png);
    EXPECT_EQ(formatOfNumber(2), ImageFileFormat::Unknown);
    EXPECT_EQ(formatOfNumber(15), ImageFileFormat::Unknown);
    // The open filter starts with all pictures and also offers the netpbm formats.
    EXPECT_TRUE(GetDIBOpenFilter().startsWith(QStringLiteral("Alle Bilddateien|*.bmp;")));
    EXPECT_TRUE(GetDIBOpenFilter().contains(QStringLiteral("*.ppm")));
}

TEST(ImageFile, OnlyNamesWithoutExtensionGetTheDefaultOne) {
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/a.dir/cover"), 6),
              QStringLiteral("/tmp/a.dir/cover.jpg"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/cover.png"), 1), QStringLiteral("/tmp/cover.png"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/cover."), 9), QStringLiteral("/tmp/cover.rle"));
}

TEST(ImageFile, SaveDibReportsWhatItCannotDoAndWritesNothing) {
    QTemporaryDir dir;
    FakeMessages boxes;
    const QString target = dir.filePath(QStringLiteral("x.bmp"));
    boxes.answerMessage(MsgAnswer::Ok);
    EXPECT_FALSE(SaveDib(gradientImage24(4, 4), target, 99, boxes));
    boxes.answerMessage(MsgAnswer::Ok);
    EXPECT_FALSE(SaveDib(DibImage(), target, 3, boxes));
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(SaveDib(gradientImage24(4, 4), target, 3, boxes));
    EXPECT_EQ(OpenDib(target).width(), 4);
    EXPECT_TRUE(OpenDib(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
}
