#include "batch/batchoptions.h"

#include <gtest/gtest.h>

namespace {

ParsedCommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("cdcover-batch"));
    return parseBatchCommandLine(arguments);
}

} // namespace

TEST(BatchOptions, ValuesAreClampedToTheControlsRangesWithTwoDecimals) {
    const ParsedCommandLine parsed =
        parse({"job.cov", "-o", "out.pdf", "--size", "900", "--shift-x", "-2000", "--shift-y", "1,256", "--used",
               "-4", "--copies", "5000", "--calibration", "12,4.555,50,101", "--zoom", "5", "--sheet", "0"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    const BatchOptions& o = *parsed.options;
    EXPECT_EQ(o.coverFile, QStringLiteral("job.cov"));
    EXPECT_EQ(o.size, 500);
    EXPECT_EQ(o.shiftX, -1000);
    EXPECT_DOUBLE_EQ(o.shiftY, 1.26);
    EXPECT_EQ(o.used, 0);
    EXPECT_EQ(o.copies, 1000);
    ASSERT_TRUE(o.calibration);
    EXPECT_DOUBLE_EQ((*o.calibration)[0], 10);
    EXPECT_DOUBLE_EQ((*o.calibration)[1], 4.56);
    EXPECT_DOUBLE_EQ((*o.calibration)[2], 70);
    EXPECT_DOUBLE_EQ((*o.calibration)[3], 101);
    EXPECT_EQ(o.zoom, 10);
    EXPECT_EQ(o.sheet, 1);
}

TEST(BatchOptions, DefaultsAreTheWindowsStartValues) {
    const ParsedCommandLine parsed = parse({"--image", "scan.png", "-P", "Etiketten"});
    ASSERT_TRUE(parsed.options);
    const BatchOptions& o = *parsed.options;
    EXPECT_EQ(o.imageFile, QStringLiteral("scan.png"));
    EXPECT_EQ(o.formatIndex, 0);
    EXPECT_EQ(o.size, 100);
    EXPECT_EQ(o.shiftX, 0);
    EXPECT_EQ(o.used, 0);
    EXPECT_EQ(o.copies, 1);
    EXPECT_EQ(o.resolution, 600);
    EXPECT_EQ(o.paper, QStringLiteral("A4"));
    EXPECT_FALSE(o.calibration);
}

TEST(BatchOptions, WrongUsageIsExplainedInGerman) {
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{}, "kein Auftrag"},
        {{"a.cov", "b.cov", "-o", "x.pdf"}, "nur einen Auftrag"},
        {{"a.cov", "--image", "b.png", "-o", "x.pdf"}, "nicht beides"},
        {{"a.cov"}, "genau eine Ausgabe"},
        {{"a.cov", "-o", "x.pdf", "-P", "p"}, "genau eine Ausgabe"},
        {{"a.cov", "-o", "x.pdf", "--size", "groß"}, "ganze Zahl"},
        {{"a.cov", "-o", "x.pdf", "--shift-x"}, "fehlt der Wert"},
        {{"a.cov", "-o", "x.pdf", "--bogus"}, "Unbekannte Option"},
        {{"a.cov", "-o", "x.pdf", "--paper", "Serviette"}, "Unbekanntes Papierformat"},
        {{"a.cov", "-o", "x.pdf", "--calibration", "1,2,3"}, "vier Zahlen"},
        {{"a.cov", "-o", "x.pdf", "--format", "A", "--format-index", "2"}, "--format"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments);
        EXPECT_FALSE(parsed.options) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.says))) << parsed.error.toStdString();
    }
    // --info needs no output; --help needs nothing else.
    EXPECT_TRUE(parse({"a.cov", "--info"}).options);
    EXPECT_TRUE(parse({"--help"}).options->help);
    EXPECT_TRUE(batchUsage().contains(QStringLiteral("cdcover-batch [OPTIONEN] AUFTRAG.cov")));
    EXPECT_TRUE(isKnownPaperName(QStringLiteral("letter")));
}
