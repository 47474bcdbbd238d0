#include "paper/discformat.h"
#include "print/disccalibration.h"
#include "print/disctray.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

TEST(DiscFormat, TheLimitsOfTheUsersOwnDisc) {
    struct Case {
        double outer, inner;
        bool printable;
    };
    for (const Case& c :
         {Case{118, 22, true}, Case{40, 15, true}, Case{120, 50, true}, Case{39.9, 15, false},
          Case{120.1, 22, false}, Case{60, 14.9, false}, Case{100, 50.1, false}, Case{50, 40, true},
          Case{50, 40.5, false}, Case{NAN, 22, false}, Case{118, NAN, false}}) {
        const QString problem = discFormatProblem({c.outer, c.inner});
        EXPECT_EQ(problem.isEmpty(), c.printable)
            << c.outer << "/" << c.inner << ": " << problem.toStdString();
    }
}

TEST(DiscFormat, PresetsNamesAndTheDiscAsASheetOfOne) {
    const std::vector<DiscPreset>& presets = discPresets();
    ASSERT_EQ(presets.size(), 3u);
    EXPECT_EQ(presets[0].name, QStringLiteral("CD/DVD 118/22 mm (kleines Loch)"));
    EXPECT_EQ(presets[1].name, QStringLiteral("CD/DVD 116/41 mm"));
    EXPECT_EQ(presets[2].name, QStringLiteral("Mini-CD 78/22 mm"));
    for (const DiscPreset& preset : presets) {
        EXPECT_TRUE(discFormatProblem(preset.format).isEmpty());
        EXPECT_EQ(discDisplayName(preset.format), preset.name);
    }
    EXPECT_EQ(discDisplayName({120, 40.5}), QStringLiteral("CD/DVD 120/40.5 mm (eigene Größe)"));

    const PaperType sheet = discSheet({116, 41});
    EXPECT_EQ(sheet.CountX * sheet.CountY, 1);
    EXPECT_EQ(sheet.LabelWidth, 116);
    EXPECT_EQ(sheet.LabelHeight, 116);
    EXPECT_EQ(sheet.LeftMargin + sheet.TopMargin, 0);
    EXPECT_EQ(sheet.displayName(), QStringLiteral("CD/DVD 116/41 mm"));
    const LabelShape shape = discShape({116, 41});
    EXPECT_EQ(shape.kind, LabelShape::Kind::Disc);
    EXPECT_EQ(shape.outerRadiusMm, 58);
    EXPECT_EQ(shape.holeRadiusMm, 20.5);
}

TEST(DiscFormat, DiametersAsTheCommandLineWritesThem) {
    EXPECT_EQ(parseDiscDiameters(QStringLiteral("118/22")), (DiscFormat{118, 22}));
    EXPECT_EQ(parseDiscDiameters(QStringLiteral("117,5/21.5")), (DiscFormat{117.5, 21.5}));
    for (const char* bad : {"118", "118/22/5", "/22", "abc/22", "118x22", "inf/22"})
        EXPECT_FALSE(parseDiscDiameters(QString::fromLatin1(bad))) << bad;
}

TEST(DiscCalibration, FileBytesShortFilesRangesAndThePathBesideTheSheetCalibration) {
    const QByteArray bytes = writeDiscOffset({1.5, -2.25});
    ASSERT_EQ(bytes.size(), 16);
    EXPECT_EQ(bytes.left(8), QByteArray::fromHex("000000000000f83f")); // 1.5, little-endian
    EXPECT_EQ(readDiscOffset(bytes), (DiscOffset{1.5, -2.25}));
    EXPECT_EQ(readDiscOffset(bytes.left(12)), (DiscOffset{1.5, 0}));
    EXPECT_EQ(readDiscOffset(writeDiscOffset({25, NAN})), (DiscOffset{kDiscOffsetMaxMm, 0}));

    QTemporaryDir folder;
    const QString settings = folder.path() + QLatin1Char('/');
    const QString path = discCalibrationFilePath(settings, QStringLiteral("Büro"));
    EXPECT_EQ(path, settings + QStringLiteral("printers/cups-B%C3%BCro.disc"));
    EXPECT_EQ(readDiscOffsetAt(path), DiscOffset{});
    ASSERT_TRUE(writeDiscOffsetAt(path, {-3, 4}));
    EXPECT_EQ(readDiscOffsetAt(path), (DiscOffset{-3, 4}));
    EXPECT_NE(discCalibrationFilePath(settings, QString()), path);
}

namespace {

// The disc pages and length options of an Epson inkjet's driver.
DiscTray epsonTray() {
    DiscTray tray;
    tray.pages = {{QStringLiteral("CD5Inch"), 329},
                  {QStringLiteral("CD3Inch"), 184},
                  {QStringLiteral("CDCustom"), 340}};
    tray.cdInputSlot = true;
    tray.innerRadiusChoice = true;
    tray.outerDiameter = PpdLength{{QStringLiteral("329")}, true, 184, 340};
    tray.innerDiameter = PpdLength{{QStringLiteral("121")}, true, 45, 121};
    tray.xAdjustment = PpdLength{{QStringLiteral("0")}, true, -30, 30};
    tray.yAdjustment = PpdLength{{QStringLiteral("0")}, true, -30, 30};
    return tray;
}

QString optionOf(const JobOptions& options, const QString& name) {
    for (const auto& [key, value] : options)
        if (key == name) return value;
    return QStringLiteral("(none)");
}

} // namespace

TEST(DiscTray, TheSmallestDiscPageThatHoldsTheDisc) {
    struct Case {
        double outer;
        const char* page;
    };
    const DiscTray tray = epsonTray();
    for (const Case& c : {Case{118, "CDCustom"}, Case{120, "CDCustom"}, Case{116, "CD5Inch"},
                          Case{78, "CD5Inch"}, Case{60, "CD3Inch"}})
        EXPECT_EQ(discPageFor(tray, {c.outer, 15})->name, QString::fromLatin1(c.page)) << c.outer;
    DiscTray small = tray;
    small.pages = {{QStringLiteral("CD3Inch"), 184}, {QStringLiteral("CD5Inch"), 329}};
    EXPECT_EQ(discPageFor(small, {120, 22})->name, QStringLiteral("CD5Inch")) << "none holds it: the largest";
    EXPECT_FALSE(discPageFor(DiscTray{}, {120, 22}));
    EXPECT_FALSE(canPrintDiscs(DiscTray{}));
    DiscTray slotOnly;
    slotOnly.cdInputSlot = true;
    EXPECT_TRUE(canPrintDiscs(slotOnly));
}

TEST(DiscTray, OptionsForTheRingTheTrayAndTheCalibration) {
    const DiscTray tray = epsonTray();
    const JobOptions options = discJobOptions(tray, {118, 22}, {1.5, -2});
    EXPECT_EQ(optionOf(options, QStringLiteral("PageSize")), QStringLiteral("CDCustom"));
    EXPECT_EQ(optionOf(options, QStringLiteral("InputSlot")), QStringLiteral("CD"));
    EXPECT_EQ(optionOf(options, QStringLiteral("MediaType")), QStringLiteral("(none)"));
    EXPECT_EQ(optionOf(options, QStringLiteral("StpCDOuterDiameter")), QStringLiteral("Custom.334.49"));
    EXPECT_EQ(optionOf(options, QStringLiteral("StpCDInnerDiameter")), QStringLiteral("Custom.62.36"));
    EXPECT_EQ(optionOf(options, QStringLiteral("StpCDInnerRadius")), QStringLiteral("Small"));
    EXPECT_EQ(optionOf(options, QStringLiteral("StpCDXAdjustment")), QStringLiteral("Custom.4.25"));
    EXPECT_EQ(optionOf(options, QStringLiteral("StpCDYAdjustment")), QStringLiteral("Custom.-5.67"));
    EXPECT_EQ(drawingShift(tray, {1.5, -2}), DiscOffset{}) << "the driver moves the page";

    // A Canon's narrower adjustment: the shift is cut to what the driver takes.
    DiscTray canon = tray;
    canon.discMediaType = QStringLiteral("DiscCompat");
    canon.xAdjustment->minPt = canon.yAdjustment->minPt = -15;
    canon.xAdjustment->maxPt = canon.yAdjustment->maxPt = 15;
    const JobOptions canonOptions = discJobOptions(canon, {116, 41}, {-9, 0});
    EXPECT_EQ(optionOf(canonOptions, QStringLiteral("MediaType")), QStringLiteral("DiscCompat"));
    EXPECT_EQ(optionOf(canonOptions, QStringLiteral("StpCDXAdjustment")), QStringLiteral("Custom.-15"));
    EXPECT_EQ(optionOf(canonOptions, QStringLiteral("StpCDYAdjustment")), QStringLiteral("Custom.0"));
    EXPECT_EQ(optionOf(canonOptions, QStringLiteral("StpCDInnerRadius")), QStringLiteral("None"));

    // Without the adjustment the drawing moves; a length without custom values
    // takes the nearest listed one.
    DiscTray plain = tray;
    plain.yAdjustment.reset();
    plain.outerDiameter = PpdLength{{QStringLiteral("329"), QStringLiteral("334"), QStringLiteral("335")}};
    const JobOptions plainOptions = discJobOptions(plain, {118, 22}, {1.5, -2});
    EXPECT_EQ(optionOf(plainOptions, QStringLiteral("StpCDXAdjustment")), QStringLiteral("(none)"));
    EXPECT_EQ(optionOf(plainOptions, QStringLiteral("StpCDOuterDiameter")), QStringLiteral("334"));
    EXPECT_EQ(drawingShift(plain, {1.5, -2}), (DiscOffset{1.5, -2}));
}
