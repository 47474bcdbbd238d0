#include "print/calibration.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

// 4.5, 3.2, 99.5 and 101 as little-endian doubles.
const QByteArray kGolden = QByteArray::fromHex("0000000000001240"
                                               "9a99999999990940"
                                               "0000000000e05840"
                                               "0000000000405940");

QByteArray doubles(std::initializer_list<double> values) {
    Calibration all;
    QByteArray bytes;
    for (double value : values) {
        all.cL = value;
        bytes += writeOptionsFile(all).left(8);
    }
    return bytes;
}

} // namespace

TEST(OptionsFile, WritesFourLittleEndianDoublesAndReadsThemBack) {
    const Calibration values{4.5, 3.2, 99.5, 101};
    EXPECT_EQ(writeOptionsFile(values), kGolden);
    EXPECT_EQ(readOptionsFile(kGolden), values);
}

TEST(OptionsFile, ValuesOutsideTheirRangeTakeTheNearestLimit) {
    EXPECT_EQ(readOptionsFile(doubles({12, -1, 50, 131})), (Calibration{10, 0, 70, 130}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(readOptionsFile(doubles({nan, inf, nan, -inf})), (Calibration{0, 10, 100, 70}));
}

TEST(OptionsFile, ShortFileKeepsOnlyItsCompleteValues) {
    EXPECT_EQ(readOptionsFile(kGolden.left(20)), (Calibration{4.5, 3.2, 100, 100}));
    EXPECT_EQ(readOptionsFile(QByteArray()), Calibration{});
    EXPECT_EQ(readOptionsFile(kGolden + "tail"), (Calibration{4.5, 3.2, 99.5, 101}));
}

TEST(OptionsFile, MissingFileGivesInitialValuesAndWritingReplacesTheFile) {
    QTemporaryDir dir;
    const QString path = optionsFilePath(dir.path() + QLatin1Char('/'));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/options.dat")));
    EXPECT_EQ(readOptionsFileAt(path), Calibration{});
    ASSERT_TRUE(writeOptionsFileAt(path, {4.5, 3.2, 99.5, 101}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kGolden);
    EXPECT_EQ(readOptionsFileAt(path), (Calibration{4.5, 3.2, 99.5, 101}));
    // The settings folder is made on the first write; where none can be made, the write fails.
    EXPECT_TRUE(writeOptionsFileAt(dir.path() + QStringLiteral("/config/cdcover/options.dat"), {}));
    EXPECT_FALSE(writeOptionsFileAt(QStringLiteral("/proc/cdcover/options.dat"), {}));
}
