#include "document/givenfile.h"

#include <QDir>

#include <gtest/gtest.h>

// A later "Speichern" must reach the same file, whatever folder the program
// then runs in.
TEST(GivenFile, OnlyTheFirstArgumentCountsAndIsMadeAbsolute) {
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover")}), QString());
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover"), QString()}), QString());
    EXPECT_EQ(
        fileOfArguments({QStringLiteral("cdcover"), QStringLiteral("/tmp/a.cov"), QStringLiteral("b.cov")}),
        QStringLiteral("/tmp/a.cov"));
    EXPECT_EQ(fileOfArguments({QStringLiteral("cdcover"), QStringLiteral("job.cov")}),
              QDir::current().absoluteFilePath(QStringLiteral("job.cov")));
}
