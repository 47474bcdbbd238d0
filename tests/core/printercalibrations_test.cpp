#include "print/calibrationpath.h"
#include "print/printercalibrations.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

QString folder(const QTemporaryDir& dir) {
    return dir.path() + QLatin1Char('/');
}

// Names a queue could have, among them pairs that a careless mapping would
// give one file: encoded look-alikes, case, dots, and long names that differ
// only at their end or in their length.
QStringList awkwardNames() {
    const QString longName = QString(150, QChar(0x00FC)); // 150 × "ü": 900 encoded characters
    return {QStringLiteral("Laser"),
            QStringLiteral("laser"),
            QStringLiteral("Büro Laser"),
            QStringLiteral("B%C3%BCro%20Laser"),
            QStringLiteral("A"),
            QStringLiteral("%41"),
            QStringLiteral("a b"),
            QStringLiteral("a%20b"),
            QStringLiteral("a_b"),
            QStringLiteral("a-b"),
            QStringLiteral("."),
            QStringLiteral(".."),
            QStringLiteral("../../options"),
            QStringLiteral("/etc/passwd"),
            QStringLiteral("a/../b"),
            QStringLiteral("pdf-file"),
            QStringLiteral("~"),
            QStringLiteral("Drucker\nzwei"),
            QStringLiteral("打印机"),
            QString(66, QLatin1Char('.')), // 198 encoded characters: one piece
            QString(67, QLatin1Char('.')), // 201: two pieces
            longName,
            longName + QLatin1Char('x'),
            longName.left(149) + QLatin1Char('x')};
}

// The queue name read back from its file's path.
QString decodedName(const QString& settingsFolder, const QString& path) {
    QString encoded = path.mid(calibrationFolder(settingsFolder).size());
    EXPECT_TRUE(encoded.startsWith(QStringLiteral("cups-")) && encoded.endsWith(QStringLiteral(".dat")));
    encoded = encoded.mid(5).chopped(4).remove(QLatin1Char('/'));
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1()));
}

} // namespace

TEST(CalibrationPath, QueueNamesAreEncodedReadably) {
    const QString base = QStringLiteral("/home/u/.config/cdcover/");
    EXPECT_EQ(calibrationFolder(base), base + QStringLiteral("printers/"));
    EXPECT_EQ(calibrationFilePath(base, QStringLiteral("Laser_2-A")), base + "printers/cups-Laser_2-A.dat");
    EXPECT_EQ(calibrationFilePath(base, QStringLiteral("Büro/Laser 2")),
              base + "printers/cups-B%C3%BCro%2FLaser%202.dat");
    EXPECT_EQ(calibrationFilePath(base, QStringLiteral("..")), base + "printers/cups-%2E%2E.dat");
    EXPECT_EQ(calibrationFilePath(base, QString()), base + "printers/pdf-file.dat");
}

TEST(CalibrationPath, EveryNameHasAFileOfItsOwnInsideTheFolder) {
    const QString base = QStringLiteral("/s/");
    std::set<QString> paths{calibrationFilePath(base, QString())};
    for (const QString& name : awkwardNames()) {
        const QString path = calibrationFilePath(base, name);
        const std::string shown = name.toStdString();
        EXPECT_TRUE(paths.insert(path).second) << "shared file: " << shown;
        EXPECT_TRUE(path.startsWith(QStringLiteral("/s/printers/cups-"))) << shown;
        EXPECT_EQ(QDir::cleanPath(path), path) << shown;
        for (const QString& piece : path.mid(3).split(QLatin1Char('/'))) {
            EXPECT_LE(piece.toUtf8().size(), 255) << shown;
            EXPECT_FALSE(piece.isEmpty() || piece == QStringLiteral(".") || piece == QStringLiteral(".."));
        }
        EXPECT_EQ(decodedName(base, path), name);
    }
}

TEST(PrinterCalibrations, EachNameReadsBackItsOwnValuesAndNothingLandsOutside) {
    QTemporaryDir dir;
    PrinterCalibrations calibrations(folder(dir));
    const QStringList names = awkwardNames();
    for (int i = 0; i < names.size(); ++i)
        ASSERT_TRUE(calibrations.store(names[i], {0.1 * i, 1, 100, 100})) << names[i].toStdString();
    ASSERT_TRUE(calibrations.store(QString(), {5, 5, 90, 90}));
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(readPrinterCalibration(folder(dir), names[i]), (Calibration{0.1 * i, 1, 100, 100}))
            << names[i].toStdString();
    EXPECT_EQ(readPrinterCalibration(folder(dir), QString()), (Calibration{5, 5, 90, 90}));

    // One file per name in printers/, and beside it only options.dat.
    int files = 0;
    for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        if (path != dir.filePath(QStringLiteral("options.dat"))) {
            EXPECT_TRUE(path.startsWith(calibrationFolder(folder(dir)))) << path.toStdString();
            ++files;
        }
    }
    EXPECT_EQ(files, names.size() + 1);
}

TEST(PrinterCalibrations, APrinterWithoutItsOwnFileUsesOptionsDat) {
    QTemporaryDir dir;
    EXPECT_EQ(readPrinterCalibration(folder(dir), QStringLiteral("A")), Calibration{});
    ASSERT_TRUE(writeOptionsFileAt(optionsFilePath(folder(dir)), {1, 2, 99, 98}));
    EXPECT_EQ(readPrinterCalibration(folder(dir), QStringLiteral("A")), (Calibration{1, 2, 99, 98}));

    PrinterCalibrations calibrations(folder(dir));
    ASSERT_TRUE(calibrations.store(QStringLiteral("A"), {4, 3, 101, 102}));
    // Storing writes options.dat too, which the printers without a file then use.
    EXPECT_EQ(readOptionsFileAt(optionsFilePath(folder(dir))), (Calibration{4, 3, 101, 102}));
    EXPECT_EQ(calibrations.of(QStringLiteral("B")), (Calibration{4, 3, 101, 102}));
    ASSERT_TRUE(calibrations.store(QStringLiteral("B"), {8, 6, 95, 105}));
    EXPECT_EQ(calibrations.of(QStringLiteral("A")), (Calibration{4, 3, 101, 102}));
    EXPECT_EQ(calibrations.of(QStringLiteral("B")), (Calibration{8, 6, 95, 105}));
}

TEST(PrinterCalibrations, AShortOrDamagedOwnFileReadsAsOptionsDatWould) {
    QTemporaryDir dir;
    ASSERT_TRUE(writeOptionsFileAt(optionsFilePath(folder(dir)), {1, 2, 99, 98}));
    const QString own = calibrationFilePath(folder(dir), QStringLiteral("A"));
    ASSERT_TRUE(QDir().mkpath(calibrationFolder(folder(dir))));
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeOptionsFile({12, 3.5, 50, 100}).left(20)); // 2½ values, the first too large
    file.close();
    EXPECT_EQ(readPrinterCalibration(folder(dir), QStringLiteral("A")), (Calibration{10, 3.5, 100, 100}));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(readPrinterCalibration(folder(dir), QStringLiteral("A")), Calibration{});
    // Something that is there but cannot be read as a file.
    ASSERT_TRUE(QFile::remove(own));
    ASSERT_TRUE(QDir().mkpath(own));
    EXPECT_EQ(PrinterCalibrations(folder(dir)).of(QStringLiteral("A")), Calibration{});
}

TEST(PrinterCalibrations, AFailedWriteKeepsTheOldFilesAndTheValuesForTheRun) {
    QTemporaryDir dir;
    PrinterCalibrations calibrations(folder(dir));
    ASSERT_TRUE(calibrations.store(QStringLiteral("A"), {1, 1, 100, 100}));
    {
        const ScopedFileSizeLimit full(16);
        EXPECT_FALSE(calibrations.store(QStringLiteral("A"), {2, 2, 90, 90}));
        EXPECT_FALSE(calibrations.store(QStringLiteral("B"), {3, 3, 80, 80}));
    }
    EXPECT_EQ(readPrinterCalibration(folder(dir), QStringLiteral("A")), (Calibration{1, 1, 100, 100}));
    EXPECT_EQ(readOptionsFileAt(optionsFilePath(folder(dir))), (Calibration{1, 1, 100, 100}));
    EXPECT_FALSE(QFile::exists(calibrationFilePath(folder(dir), QStringLiteral("B"))));
    // This run goes on with what was measured; a printer without a file gets the last one.
    EXPECT_EQ(calibrations.of(QStringLiteral("A")), (Calibration{2, 2, 90, 90}));
    EXPECT_EQ(calibrations.of(QStringLiteral("B")), (Calibration{3, 3, 80, 80}));
    EXPECT_EQ(calibrations.of(QStringLiteral("C")), (Calibration{3, 3, 80, 80}));
    // Once a write succeeds, the files speak again.
    ASSERT_TRUE(calibrations.store(QStringLiteral("A"), {4, 4, 100, 100}));
    EXPECT_EQ(calibrations.of(QStringLiteral("C")), (Calibration{4, 4, 100, 100}));
}
