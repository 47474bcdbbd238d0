#include "batch/batchcalibration.h"
#include "print/printercalibrations.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BatchCalibration : public ::testing::Test {
  protected:
    void SetUp() override {
        PrinterCalibrations calibrations(settings());
        ASSERT_TRUE(calibrations.store(QStringLiteral("Büro/Laser"), kLaser));
        ASSERT_TRUE(calibrations.store(QString(), kPdf));
        // The last one stored is what options.dat holds.
        ASSERT_TRUE(writeOptionsFileAt(optionsFilePath(settings()), kOptions));
        ASSERT_TRUE(writeOptionsFileAt(dir.filePath(QStringLiteral("mine.dat")), kGiven));
    }
    QString settings() const { return dir.path() + QLatin1Char('/'); }

    Calibration chosen(QStringList arguments) {
        arguments.prepend(QStringLiteral("cdcover-batch"));
        arguments.append(QStringLiteral("job.cov"));
        const ParsedCommandLine parsed = parseBatchCommandLine(arguments);
        EXPECT_TRUE(parsed.options) << parsed.error.toStdString();
        return parsed.options ? chooseCalibration(*parsed.options, settings()) : Calibration{};
    }

    QTemporaryDir dir;
    const Calibration kLaser{4, 2, 99, 101};
    const Calibration kPdf{1, 1, 100, 100};
    const Calibration kOptions{7, 7, 110, 110};
    const Calibration kGiven{3, 3, 97, 97};
};

} // namespace

TEST_F(BatchCalibration, EachOutputPrintsWithItsTargetsCalibration) {
    EXPECT_EQ(chosen({"-P", "Büro/Laser"}), kLaser);
    EXPECT_EQ(chosen({"-o", "out.pdf"}), kPdf);
    EXPECT_EQ(chosen({"-P", "Tinte"}), kOptions) << "a printer without a file of its own";
    EXPECT_EQ(chosen({"--preview", "sheet.png"}), kOptions);
}

TEST_F(BatchCalibration, GivenValuesOrFileWinOverTheTargets) {
    EXPECT_EQ(chosen({"-P", "Büro/Laser", "--options", dir.filePath(QStringLiteral("mine.dat"))}), kGiven);
    EXPECT_EQ(chosen({"-o", "out.pdf", "--options", dir.filePath(QStringLiteral("mine.dat"))}), kGiven);
    EXPECT_EQ(chosen({"-P", "Büro/Laser", "--calibration", "5,6,80,120"}), (Calibration{5, 6, 80, 120}));
    EXPECT_EQ(chosen({"-o", "out.pdf", "--calibration", "0,0,70,130"}), (Calibration{0, 0, 70, 130}));
}
