#include "print/testprint.h"

#include "support/pagerecorder.h"

#include <gtest/gtest.h>

namespace {

// The lowest row of the page with anything dark on it, or -1.
int lowestInkRow(const QImage& page) {
    for (int y = page.height() - 1; y >= 0; --y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) return y;
    return -1;
}

bool inkBetween(const QImage& page, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) return true;
    return false;
}

const QDate kDay(2026, 12, 8);
// Room for the square and a few lines under it.
const QSize kPage(3000, 3600);

} // namespace

TEST(TestPrint, HundredMillimetreSquareAtTheOrigin) {
    PageRecorder recorder(600, 600, PageRecorder::a4Pixels(600, 600));
    ASSERT_TRUE(printTestRectangle(recorder, testPrintCaption(QStringLiteral("Laser"), kDay)));
    EXPECT_EQ(recorder.title, QStringLiteral("Format-Drucker Testdruck"));
    ASSERT_EQ(recorder.pages.size(), 1u);
    const QImage& page = recorder.pages[0];
    EXPECT_EQ(testRectangleSize(600, 600), QSize(2362, 2362));
    EXPECT_EQ(page.pixelColor(0, 0), Qt::black);
    EXPECT_EQ(page.pixelColor(2361, 2361), Qt::black);
    EXPECT_EQ(page.pixelColor(1000, 1000), QColor(192, 192, 192));
    EXPECT_EQ(page.pixelColor(2362, 1000), Qt::white);
    EXPECT_EQ(page.pixelColor(1000, 2362), Qt::white);
}

TEST(TestPrint, CaptionNamesThePrinterAndTheDay) {
    EXPECT_EQ(testPrintCaption(QStringLiteral("Büro/Laser 2"), kDay),
              (QStringList{QStringLiteral("Drucker: Büro/Laser 2"), QStringLiteral("Datum: 08.12.2026")}));
    EXPECT_EQ(testPrintCaption(QString(), QDate(2027, 1, 31)),
              (QStringList{QStringLiteral("Drucker: PDF-Datei"), QStringLiteral("Datum: 31.01.2027")}));
}

TEST(TestPrint, CaptionStandsUnderTheSquareAndWrapsALongName) {
    const int square = testRectangleSize(600, 600).height();
    const int gap = int(5 / 25.39995 * 600);
    PageRecorder shortName(600, 600, kPage);
    ASSERT_TRUE(printTestRectangle(shortName, testPrintCaption(QStringLiteral("Laser"), kDay)));
    const QImage& page = shortName.pages.at(0);
    EXPECT_FALSE(inkBetween(page, square, square + gap)) << "the caption keeps 5 mm off the square";
    EXPECT_TRUE(inkBetween(page, square + gap, square + gap + 100));
    // Two lines of 4 mm letters.
    const int bottom = lowestInkRow(page);
    EXPECT_GT(bottom, square + gap + 2 * 60);
    EXPECT_LT(bottom, square + gap + 3 * 95);

    // A queue name without spaces, wider than the page, breaks where it must.
    PageRecorder longName(600, 600, kPage);
    ASSERT_TRUE(printTestRectangle(longName, testPrintCaption(QString(200, QLatin1Char('W')), kDay)));
    EXPECT_GT(lowestInkRow(longName.pages.at(0)), bottom + 95);
}
