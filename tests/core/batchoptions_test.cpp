#include "batch/batchoptions.h"

#include <gtest/gtest.h>

namespace {

ParsedCommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("cdcover-batch"));
    return parseBatchCommandLine(arguments);
}

} // namespace

TEST(BatchOptions, ValuesAtTheEndsOfTheRangesAreTakenWithTwoDecimals) {
    const ParsedCommandLine parsed = parse({"job.cov",
                                            "-o",
                                            "out.pdf",
                                            "--size",
                                            "500",
                                            "--shift-x",
                                            "-1000",
                                            "--shift-y",
                                            "1,256",
                                            "--used",
                                            "0",
                                            "--copies",
                                            "1000",
                                            "--calibration",
                                            "10,4.555,70,130.004",
                                            "--zoom",
                                            "10",
                                            "--sheet",
                                            "1",
                                            "--resolution",
                                            "2400",
                                            "--format-index",
                                            "3"});
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
    EXPECT_DOUBLE_EQ((*o.calibration)[3], 130);
    EXPECT_EQ(o.zoom, 10);
    EXPECT_EQ(o.sheet, 1);
    EXPECT_EQ(o.resolution, 2400);
    EXPECT_EQ(o.formatIndex, 3);
}

TEST(BatchOptions, AValueOutsideItsRangeIsRefusedNamingTheRange) {
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"--copies", "0"}, "--copies erwartet eine ganze Zahl von 1 bis 1000, nicht \"0\"."},
        {{"--copies", "5000"}, "--copies erwartet eine ganze Zahl von 1 bis 1000, nicht \"5000\"."},
        {{"--size", "9"}, "--size erwartet eine ganze Zahl von 10 bis 500, nicht \"9\"."},
        {{"--size", "groß"}, "--size erwartet eine ganze Zahl von 10 bis 500, nicht \"groß\"."},
        {{"--used", "101"}, "von 0 bis 100"},
        {{"--used", "-4"}, "von 0 bis 100"},
        {{"--sheet", "0"}, "von 1 bis 1000"},
        {{"--zoom", "505"}, "von 10 bis 500"},
        {{"--resolution", "71"}, "von 72 bis 2400"},
        {{"--format-index", "-1"}, "--format-index erwartet eine ganze Zahl ab 0"},
        {{"--shift-x", "-1000.01"}, "--shift-x erwartet eine Zahl von -1000 bis 1000, nicht \"-1000.01\"."},
        {{"--shift-y", "1000,006"}, "--shift-y erwartet eine Zahl von -1000 bis 1000"},
        {{"--calibration", "12,4,100,100"},
         "--calibration erwartet für den Abstand links eine Zahl von 0 bis 10"},
        {{"--calibration", "1,-1,100,100"}, "für den Abstand oben eine Zahl von 0 bis 10, nicht \"-1\"."},
        {{"--calibration", "1,2,50,100"}, "für die Breite eine Zahl von 70 bis 130, nicht \"50\"."},
        {{"--calibration", "1,2,100,131"}, "für die Höhe eine Zahl von 70 bis 130"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(QStringList{"job.cov", "-o", "out.pdf"} + c.arguments);
        EXPECT_FALSE(parsed.options) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.says))) << parsed.error.toStdString();
    }
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

TEST(BatchOptions, TemplatesAreListedWithOrWithoutASearchText) {
    const ParsedCommandLine all = parse({"--templates"});
    ASSERT_TRUE(all.options) << all.error.toStdString();
    EXPECT_TRUE(all.options->listTemplates);
    EXPECT_TRUE(all.options->templatesFilter.isEmpty());

    const ParsedCommandLine some = parse({"--templates", "Herma CD"});
    ASSERT_TRUE(some.options);
    EXPECT_EQ(some.options->templatesFilter, QStringLiteral("Herma CD"));

    // An option after it is not its search text.
    const ParsedCommandLine then = parse({"--templates", "--paper", "A5"});
    ASSERT_TRUE(then.options);
    EXPECT_TRUE(then.options->templatesFilter.isEmpty());
}

TEST(BatchOptions, ATemplateIsAnAlternativeToTheCatalogueAndClippingCanBeChosen) {
    const ParsedCommandLine parsed =
        parse({"job.cov", "-o", "out.pdf", "--template", "Zweckform 3654", "--no-clip"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->templateName, QStringLiteral("Zweckform 3654"));
    EXPECT_EQ(parsed.options->clipToShape, std::optional<bool>(false));
    EXPECT_EQ(parse({"job.cov", "-o", "o.pdf", "--clip"}).options->clipToShape, std::optional<bool>(true));
    EXPECT_FALSE(parse({"job.cov", "-o", "o.pdf"}).options->clipToShape.has_value());

    for (const QStringList& both : {QStringList{"--template", "A 1", "--format", "x"},
                                    QStringList{"--format-index", "1", "--template", "A 1"}}) {
        const ParsedCommandLine refused = parse(QStringList{"job.cov", "-o", "o.pdf"} + both);
        EXPECT_FALSE(refused.options);
        EXPECT_TRUE(refused.error.contains(QStringLiteral("--template"))) << refused.error.toStdString();
    }
    EXPECT_FALSE(parse({"job.cov", "-o", "o.pdf", "--template"}).options); // the name is missing
}

TEST(BatchOptions, SaveJobIsAnOutputOfItsOwn) {
    EXPECT_EQ(parse({"job.cov", "--save-job", "neu.cov"}).options->saveJobFile, QStringLiteral("neu.cov"));
    const ParsedCommandLine both = parse({"job.cov", "--save-job", "neu.cov", "-o", "x.pdf"});
    EXPECT_FALSE(both.options);
    EXPECT_TRUE(both.error.contains(QStringLiteral("--save-job"))) << both.error.toStdString();
}

TEST(BatchOptions, TheImageCanBeCutTurnedOrOnlyLookedAt) {
    const ParsedCommandLine cut =
        parse({"--image", "scan.jpg", "--auto-crop", "--rotate", "-12,5", "-o", "x.pdf"});
    ASSERT_TRUE(cut.options);
    EXPECT_TRUE(cut.options->autoCrop);
    EXPECT_EQ(cut.options->rotateDegrees, -12.5);
    // --detect is an output of its own, like --info.
    EXPECT_TRUE(parse({"--image", "scan.jpg", "--detect"}).options->detect);
    const ParsedCommandLine steep = parse({"--image", "scan.jpg", "--rotate", "181", "-o", "x.pdf"});
    EXPECT_FALSE(steep.options);
    EXPECT_TRUE(steep.error.contains(QStringLiteral("--rotate"))) << steep.error.toStdString();
}

TEST(BatchOptions, DiscsTheirSizesAndOffsets) {
    const ParsedCommandLine parsed =
        parse({"job.cov", "-P", "Fach", "--disc", "78/22", "--disc-offset", "-1.5,2.255"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->disc, (DiscFormat{78, 22}));
    EXPECT_EQ(parsed.options->discOffset, (DiscOffset{-1.5, 2.26}));

    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"--disc", "121/22"}, "Der äußere Durchmesser muss zwischen 40 und 120 mm liegen"},
        {{"--disc", "118/14"}, "Der innere Durchmesser muss zwischen 15 und 50 mm liegen"},
        {{"--disc", "55/46"}, "mindestens 10 mm kleiner"},
        {{"--disc", "118x22"}, "--disc erwartet den äußeren und inneren Durchmesser in mm"},
        {{"--disc", "118/22", "--disc-offset", "10.5,0"},
         "--disc-offset erwartet zwei Zahlen X,Y in mm von -10 bis 10"},
        {{"--disc", "118/22", "--disc-offset", "1"}, "--disc-offset erwartet"},
        {{"--disc", "118/22", "--format-index", "1"}, "entweder --disc oder ein Papierformat"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine wrong = parse(QStringList{"job.cov", "-o", "out.pdf"} + c.arguments);
        EXPECT_FALSE(wrong.options) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(wrong.error.contains(QString::fromUtf8(c.says))) << wrong.error.toStdString();
    }
}
