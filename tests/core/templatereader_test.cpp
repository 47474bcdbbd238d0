#include "paper/templatedatabase.h"
#include "paper/templateformat.h"
#include "paper/templatereader.h"
#include "paper/templateunits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kTemplates = QStringLiteral(CDCOVER_TESTS_DIR "/templates");
const QString kInstalled = QStringLiteral("/usr/share/libglabels-3.0/templates");

const LabelTemplate* productIn(const std::vector<LabelTemplate>& templates, const QString& product) {
    for (const LabelTemplate& label : templates)
        if (label.product() == product) return &label;
    return nullptr;
}

TemplateReadResult ourTemplates() {
    return readTemplateFile(kTemplates + QStringLiteral("/ourlabels-templates.xml"));
}

QByteArray oneTemplate(const QByteArray& label) {
    return "<Glabels-templates><Template brand=\"T\" part=\"1\" size=\"A4\">" + label +
           "</Template></Glabels-templates>";
}

} // namespace

TEST(TemplateUnits, ConvertEachUnitExactlyIntoMillimetres) {
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"72"), 25.4); // points without a unit
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"72pt"), 25.4);
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"2in"), 50.8);
    EXPECT_DOUBLE_EQ(*templateLengthMm(u" 3.5mm "), 3.5);
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"1.5cm"), 15);
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"6pc"), 25.4);
    EXPECT_DOUBLE_EQ(*templateLengthMm(u"-2mm"), -2);
    for (const char16_t* bad : {u"", u"mm", u"3furlong", u"3 px", u"nan", u"inf", u"1e400", u"1e308in"})
        EXPECT_FALSE(templateLengthMm(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(TemplateReader, ReadsEveryLabelShapeAndLayout) {
    const TemplateReadResult result = ourTemplates();
    EXPECT_EQ(result.skipped, 0);
    EXPECT_EQ(result.templates.size(), 8u);

    const LabelTemplate* rectangle = productIn(result.templates, QStringLiteral("Testa R-100"));
    ASSERT_TRUE(rectangle);
    EXPECT_EQ(rectangle->description, QStringLiteral("Rectangular labels"));
    EXPECT_EQ(rectangle->shape.kind, LabelShape::Kind::Rectangle);
    EXPECT_DOUBLE_EQ(rectangle->shape.cornerRadiusMm, 5);
    EXPECT_DOUBLE_EQ(rectangle->labelWidth, 25.4);
    EXPECT_DOUBLE_EQ(rectangle->labelHeight, 25.4);
    ASSERT_EQ(rectangle->layouts.size(), 1u);
    const TemplateLayout& grid = rectangle->layouts[0];
    EXPECT_EQ(grid.nx, 3);
    EXPECT_EQ(grid.ny, 4);
    EXPECT_DOUBLE_EQ(grid.x0, 10);
    EXPECT_DOUBLE_EQ(grid.y0, 20);
    EXPECT_DOUBLE_EQ(grid.dx, 31.75);
    EXPECT_DOUBLE_EQ(grid.dy, 25.4);
    EXPECT_EQ(rectangle->categories,
              (QStringList{QStringLiteral("label"), QStringLiteral("rectangle-label")}));
    EXPECT_DOUBLE_EQ(rectangle->sheetWidth, 210);
    EXPECT_EQ(rectangle->labelsPerSheet(), 12);
    EXPECT_FALSE(rectangle->isDiscLabel());

    const LabelTemplate* round = productIn(result.templates, QStringLiteral("Testa Round-40"));
    ASSERT_TRUE(round);
    EXPECT_EQ(round->description, QStringLiteral("Round labels")); // "description" without underscore
    EXPECT_EQ(round->shape.kind, LabelShape::Kind::Round);
    EXPECT_DOUBLE_EQ(round->labelWidth, 40);
    EXPECT_DOUBLE_EQ(round->sheetHeight, 279.4); // US-Letter

    const LabelTemplate* oval = productIn(result.templates, QStringLiteral("Testa Oval"));
    ASSERT_TRUE(oval);
    EXPECT_EQ(oval->shape.kind, LabelShape::Kind::Ellipse);
    EXPECT_DOUBLE_EQ(oval->sheetWidth, 100); // size="Other" with its own width and height
    EXPECT_DOUBLE_EQ(oval->sheetHeight, 150);

    const LabelTemplate* disc = productIn(result.templates, QStringLiteral("Testa CD-2"));
    ASSERT_TRUE(disc);
    EXPECT_EQ(disc->shape, (LabelShape{LabelShape::Kind::Disc, 0, 58.5, 11}));
    EXPECT_DOUBLE_EQ(disc->labelWidth, 117);
    EXPECT_TRUE(disc->isDiscLabel());

    const LabelTemplate* cut = productIn(result.templates, QStringLiteral("Testa CD-Cut"));
    ASSERT_TRUE(cut);
    EXPECT_DOUBLE_EQ(cut->labelWidth, 110); // the box cuts the circle
    EXPECT_DOUBLE_EQ(cut->labelHeight, 116);
    EXPECT_EQ(cut->layouts.size(), 2u);
}

TEST(TemplateReader, AliasesAndEquivalentsShareTheGeometry) {
    const TemplateReadResult result = ourTemplates();
    const LabelTemplate* original = productIn(result.templates, QStringLiteral("Testa R-100"));
    ASSERT_TRUE(original);
    for (const char* copy : {"Testa R-100B", "Othermaker 77", "Testa R-101"}) {
        const LabelTemplate* label = productIn(result.templates, QString::fromLatin1(copy));
        ASSERT_TRUE(label) << copy;
        EXPECT_EQ(label->layouts, original->layouts) << copy;
        EXPECT_EQ(label->shape, original->shape) << copy;
        EXPECT_EQ(label->description, original->description) << copy;
    }
}

TEST(TemplateFormat, OneLayoutBecomesOnePaperFormat) {
    const TemplateReadResult result = ourTemplates();
    const std::vector<TemplateFormat> rectangle =
        paperFormatsOf(*productIn(result.templates, QStringLiteral("Testa R-100")));
    ASSERT_EQ(rectangle.size(), 1u);
    const PaperType& paper = rectangle[0].paper;
    EXPECT_EQ(paper.displayName(), QStringLiteral("Testa R-100"));
    EXPECT_DOUBLE_EQ(paper.LeftMargin, 10);
    EXPECT_DOUBLE_EQ(paper.TopMargin, 20);
    EXPECT_DOUBLE_EQ(paper.StepX, 31.75);
    EXPECT_DOUBLE_EQ(paper.StepY, 25.4);
    EXPECT_EQ(paper.CountX, 3);
    EXPECT_EQ(paper.CountY, 4);

    // A count of one has no step: the pitch is the label itself.
    const TemplateFormat disc = paperFormatsOf(*productIn(result.templates, QStringLiteral("Testa CD-2")))[0];
    EXPECT_DOUBLE_EQ(disc.paper.StepX, 117);
    EXPECT_DOUBLE_EQ(disc.paper.StepY, 140);
    EXPECT_EQ(disc.shape.kind, LabelShape::Kind::Disc);
}

TEST(TemplateFormat, EachGridOfAStaggeredSheetIsAFormatOfItsOwn) {
    const TemplateReadResult result = ourTemplates();
    const std::vector<TemplateFormat> grids =
        paperFormatsOf(*productIn(result.templates, QStringLiteral("Testa CD-Cut")));
    ASSERT_EQ(grids.size(), 2u);
    EXPECT_EQ(grids[0].paper.displayName(), QStringLiteral("Testa CD-Cut (1)"));
    EXPECT_EQ(grids[1].paper.displayName(), QStringLiteral("Testa CD-Cut (2)"));
    EXPECT_DOUBLE_EQ(grids[1].paper.TopMargin, 160);
}

TEST(TemplateFormat, LongNamesAreCutToWhatPaperDatHoldsKeepingTheGridNumber) {
    LabelTemplate label;
    label.brand = QString(40, QLatin1Char('B'));
    label.part = QString(30, QLatin1Char('P'));
    label.labelWidth = label.labelHeight = 10;
    label.layouts = {{1, 1, 0, 0, 0, 0}, {1, 1, 0, 20, 0, 0}};
    const std::vector<TemplateFormat> formats = paperFormatsOf(label);
    EXPECT_EQ(formats[1].paper.displayName().size(), PaperType::kNameCapacity);
    EXPECT_TRUE(formats[1].paper.displayName().endsWith(QStringLiteral(" (2)")));
    EXPECT_EQ(formats[1].name, label.product() + QStringLiteral(" (2)"));
}

TEST(TemplateReader, SkipsBrokenTemplatesAndCountsThem) {
    const TemplateReadResult result = readTemplateFile(kTemplates + QStringLiteral("/broken-templates.xml"));
    ASSERT_EQ(result.templates.size(), 1u);
    EXPECT_EQ(result.templates[0].product(), QStringLiteral("Good 1"));
    EXPECT_EQ(result.skipped, 9);
}

TEST(TemplateReader, SurvivesHostileFiles) {
    // Nesting far deeper than any template file, inside and outside a template.
    const QByteArray open = QByteArray("<a>").repeated(100000);
    EXPECT_TRUE(readTemplateXml(open).templates.empty());
    EXPECT_EQ(readTemplateXml(oneTemplate(open)).skipped, 1);
    // Cut off in the middle; not XML; empty.
    const QByteArray good =
        oneTemplate("<Label-round radius=\"5\"><Layout nx=\"1\" ny=\"1\"/></Label-round>");
    EXPECT_EQ(readTemplateXml(good).templates.size(), 1u);
    EXPECT_TRUE(readTemplateXml(good.left(good.size() - 40)).templates.empty());
    EXPECT_TRUE(readTemplateXml("\x00\xff<<>>&&").templates.empty());
    EXPECT_TRUE(readTemplateXml("").templates.empty());
}

TEST(TemplateReader, AFileLargerThanTheLimitIsSkippedUnread) {
    QTemporaryDir folder;
    QFile huge(folder.filePath(QStringLiteral("huge-templates.xml")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxTemplateFileBytes + 1));
    huge.close();
    QFile::copy(kTemplates + QStringLiteral("/ourlabels-templates.xml"),
                folder.filePath(QStringLiteral("ours.xml")));
    const TemplateDatabase database = loadTemplateDatabase({folder.path()});
    EXPECT_EQ(database.skipped, 1);
    EXPECT_EQ(database.templates.size(), 8u);
}

TEST(TemplateDatabase, FindsFormatsByProductWithoutCase) {
    const TemplateDatabase database = loadTemplateDatabase({kTemplates});
    EXPECT_EQ(database.templates.size(), 9u);
    EXPECT_EQ(findTemplateFormat(database, QStringLiteral("testa r-100"))->paper.displayName(),
              QStringLiteral("Testa R-100"));
    EXPECT_EQ(findTemplateFormat(database, QStringLiteral("TESTA CD-CUT (2)"))->paper.TopMargin, 160);
    EXPECT_FALSE(findTemplateFormat(database, QStringLiteral("Testa CD-Cut")));    // which grid?
    EXPECT_FALSE(findTemplateFormat(database, QStringLiteral("Testa R-100 (1)"))); // only one grid
    EXPECT_FALSE(findTemplateFormat(database, QStringLiteral("Testa R-10")));
    EXPECT_FALSE(findTemplateFormat(database, QStringLiteral("Testa")));
}

TEST(TemplateDatabase, SearchMatchesEveryWordAndTheDiscFilter) {
    const TemplateDatabase database = loadTemplateDatabase({kTemplates});
    EXPECT_EQ(matchingTemplates(database, QString()).size(), database.templates.size());
    EXPECT_EQ(matchingTemplates(database, QStringLiteral("testa cd")).size(), 2u);
    EXPECT_EQ(matchingTemplates(database, QStringLiteral("round")).size(), 1u); // in the description
    EXPECT_EQ(matchingTemplates(database, QStringLiteral("othermaker")).size(), 1u);
    EXPECT_EQ(matchingTemplates(database, QString(), true).size(), 2u);
    EXPECT_TRUE(matchingTemplates(database, QStringLiteral("testa nothing")).empty());
}

TEST(TemplateDatabase, ReadsTheInstalledDatabase) {
    if (!QDir(kInstalled).exists()) GTEST_SKIP() << "glabels-data is not installed";
    const TemplateDatabase database = loadTemplateDatabase({kInstalled});
    EXPECT_GT(database.templates.size(), 1500u);
    const std::optional<TemplateFormat> zweckform =
        findTemplateFormat(database, QStringLiteral("Zweckform 3654"));
    ASSERT_TRUE(zweckform);
    EXPECT_EQ(zweckform->shape.kind, LabelShape::Kind::Disc);
    EXPECT_NEAR(zweckform->shape.outerRadiusMm, 165.78 * 25.4 / 72, 1e-9);
    EXPECT_EQ(zweckform->paper.CountY, 2);
    EXPECT_TRUE(findTemplateFormat(database, QStringLiteral("Herma 4093"))); // and its equivalents:
    EXPECT_TRUE(findTemplateFormat(database, QStringLiteral("herma 4849")));
    EXPECT_GT(matchingTemplates(database, QString(), true).size(), 150u);
}
