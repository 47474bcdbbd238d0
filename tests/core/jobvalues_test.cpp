// cdcover-batch's values: the command line over what the job was saved with.

#include "batch/jobvalues.h"

#include <gtest/gtest.h>

namespace {

BatchOptions parsed(QStringList arguments) {
    arguments.prepend(QStringLiteral("cdcover-batch"));
    arguments << QStringLiteral("job.cov") << QStringLiteral("-o") << QStringLiteral("out.pdf");
    const ParsedCommandLine line = parseBatchCommandLine(arguments);
    EXPECT_TRUE(line.options) << line.error.toStdString();
    return line.options.value_or(BatchOptions{});
}

PrintSettings saved() {
    return PrintSettings{PlacementValues{80, -3.25, 4.5}, PrintValues{7, 12, 2, false}, PaperType{},
                         LabelShape{LabelShape::Kind::Disc, 0, 58, 11}};
}

const LabelShape kDisc{LabelShape::Kind::Disc, 0, 58, 11};
const LabelShape kRounded{LabelShape::Kind::Rectangle, 3, 0, 0};

} // namespace

TEST(JobValues, SavedValuesAreTheDefaultsAndEachGivenOptionWins) {
    const BatchOptions none = parsed({});
    EXPECT_EQ(placementFor(none, saved()), saved().placement);
    EXPECT_EQ(printValuesFor(none, saved(), kDisc, true), saved().values);

    const BatchOptions some = parsed({"--size", "100", "--shift-y", "0", "--copies", "1"});
    EXPECT_EQ(placementFor(some, saved()), (PlacementValues{100, -3.25, 0}));
    EXPECT_EQ(printValuesFor(some, saved(), kDisc, true), (PrintValues{7, 1, 2, false}));

    const BatchOptions all = parsed({"--size", "50", "--shift-x", "1", "--shift-y", "2", "--used", "0",
                                     "--copies", "3", "--sheet", "1", "--clip"});
    EXPECT_EQ(placementFor(all, saved()), (PlacementValues{50, 1, 2}));
    EXPECT_EQ(printValuesFor(all, saved(), kDisc, true), (PrintValues{0, 3, 1, true}));
}

TEST(JobValues, WithoutSavedValuesTheWindowsStartValuesApply) {
    const BatchOptions none = parsed({});
    EXPECT_EQ(placementFor(none, std::nullopt), PlacementValues{});
    EXPECT_EQ(printValuesFor(none, std::nullopt, std::nullopt, false), PrintValues{});
    EXPECT_EQ(placementFor(parsed({"--size", "120"}), std::nullopt), (PlacementValues{120, 0, 0}));
}

TEST(JobValues, TheSavedClipChoiceHoldsOnlyOnTheFormatItWasSavedWith) {
    const BatchOptions none = parsed({});
    // Saved off for a disc: kept on the saved format, the disc's own choice on another one.
    EXPECT_FALSE(printValuesFor(none, saved(), kDisc, true).clipToShape);
    EXPECT_TRUE(printValuesFor(none, saved(), kDisc, false).clipToShape);
    EXPECT_FALSE(printValuesFor(none, saved(), kRounded, false).clipToShape);
    EXPECT_FALSE(printValuesFor(parsed({"--no-clip"}), saved(), kDisc, false).clipToShape);
    EXPECT_TRUE(printValuesFor(none, std::nullopt, kDisc, false).clipToShape);
}
