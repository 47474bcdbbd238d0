// Where the print lands on paper, measured on the rasterised output and compared
// with the label sheet's own geometry: a CD sheet from the installed templates,
// printed by cdcover-batch into a PDF file and through cups-pdf queues, with and
// without margins, under several calibrations.
//
// A real printer is modelled on each output: it puts the origin of the area it
// prints on cL, cT mm from the paper's edges and scales what it prints by
// kW / 100 and kH / 100, the values its calibration measured. An edge found at
// `p` mm on the output, whose own origin lies at `o`, lands on paper at
// c + (p − o) × k / 100; that must be the template's place for it.

#include "privatecups.h"

#include "batch/batchrun.h"
#include "print/printer/qprintertarget.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString kInstalled = QStringLiteral("/usr/share/libglabels-3.0/templates");
const QString kMarginsQueue = QStringLiteral("cdcover-margins");
constexpr int kDpi = 600; // printed and rasterised alike: one raster pixel is one printer pixel
constexpr double kPoint = 25.4 / 72;

// "Zweckform 3654" as its template describes it, in mm: two discs, one above the other.
constexpr double kRadius = 165.78 * kPoint, kHole = 58.09 * kPoint;
constexpr double kLeft = 131.78 * kPoint, kTop = 58.7998 * kPoint, kPitchY = 387.97 * kPoint;

struct Target {
    const char* name;
    QString queue;    // empty: a PDF file
    QPointF originMm; // where the output puts the corner of the printable area
};

struct Case {
    Target target;
    Calibration calibration;
};

// The first and last dark pixel along one row or column of the page, between
// `from` and `to`, in pixels; a run of paper between two dark runs (a disc's
// hole) is `gap`.
struct Span {
    int first = -1, last = -1;
    int gapFirst = -1, gapLast = -1;
};

struct Line {
    bool horizontal; // a row at `at`, else a column
    int at, from, to;
};

// Only the line is rasterised: a whole page at 600 dpi takes seconds.
Span darkSpan(const QString& pdf, const Line& line, const QString& prefix) {
    const int length = line.to - line.from;
    const QStringList crop =
        line.horizontal
            ? QStringList{"-x", QString::number(line.from), "-y", QString::number(line.at),
                          "-W", QString::number(length),    "-H", "1"}
            : QStringList{"-x", QString::number(line.at), "-y", QString::number(line.from), "-W", "1",
                          "-H", QString::number(length)};
    Span span;
    if (!runProgram(QStringLiteral("pdftoppm"),
                    QStringList{"-r", QString::number(kDpi), "-gray", "-png", "-singlefile"} + crop +
                        QStringList{pdf, prefix})) {
        ADD_FAILURE() << "pdftoppm cannot read " << pdf.toStdString();
        return span;
    }
    const QImage strip(prefix + QStringLiteral(".png"));
    const auto dark = [&](int i) {
        return qGray(line.horizontal ? strip.pixel(i, 0) : strip.pixel(0, i)) < 128;
    };
    for (int i = 0; i < std::min(length, line.horizontal ? strip.width() : strip.height()); ++i) {
        if (!dark(i)) continue;
        const int pixel = line.from + i;
        if (span.first < 0)
            span.first = pixel;
        else if (span.last < pixel - 1 && span.gapFirst < 0) {
            span.gapFirst = span.last + 1;
            span.gapLast = pixel - 1;
        }
        span.last = pixel;
    }
    return span;
}

class PrintGeometryTest : public PrivateCupsTest {
  protected:
    PrintGeometryTest() : PrivateCupsTest({kQueue, kMarginsQueue}) {}

    void SetUp() override {
        if (!QDir(kInstalled).exists()) GTEST_SKIP() << "glabels-data is not installed";
        PrivateCupsTest::SetUp();
        if (IsSkipped()) return;
        // A square picture covers the disc; one 100 × 60 shows by its height
        // whether it follows the vertical scale.
        for (const auto& [name, height] : {std::pair{"square.png", 100}, {"wide.png", 60}}) {
            QImage picture(100, height, QImage::Format_RGB32);
            picture.fill(Qt::black);
            ASSERT_TRUE(picture.save(work.filePath(QLatin1String(name))));
        }
    }

    // The PDF of the job's one page.
    QString printed(const Case& test, const QString& picture, const QStringList& placement,
                    const QString& name) {
        const QString folder = work.filePath(name);
        if (!QDir().mkpath(folder)) return QString();
        const Calibration& c = test.calibration;
        QStringList arguments{"cdcover-batch",
                              "--image",
                              work.filePath(picture),
                              "--template",
                              "Zweckform 3654",
                              "--copies",
                              "2",
                              "--calibration",
                              QStringLiteral("%1,%2,%3,%4").arg(c.cL).arg(c.cT).arg(c.kW).arg(c.kH)};
        arguments << placement;
        const QString pdf = folder + QStringLiteral("/out.pdf");
        if (test.target.queue.isEmpty())
            arguments << QStringLiteral("-o") << pdf << QStringLiteral("--resolution")
                      << QString::number(kDpi);
        else
            arguments << QStringLiteral("-P") << test.target.queue;
        const ParsedCommandLine parsed = parseBatchCommandLine(arguments);
        if (!parsed.options) {
            ADD_FAILURE() << parsed.error.toStdString();
            return QString();
        }
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        qputenv("CDCOVER_TEMPLATE_DIRS", kInstalled.toUtf8());
        const int exit =
            runBatch(*parsed.options, work.filePath(QStringLiteral("settings/")), outStream, errStream);
        if (exit != 0) {
            ADD_FAILURE() << "cdcover-batch: " << err.toStdString();
            return QString();
        }
        const QString source = test.target.queue.isEmpty() ? pdf : takeOutput(name + QStringLiteral(".pdf"));
        if (source.isEmpty()) {
            ADD_FAILURE() << "no PDF from the queue; scheduler log:\n" << schedulerLog().toStdString();
            return QString();
        }
        return source;
    }

    // Where a pixel edge of the output lands on paper, in mm. `last` is the last
    // dark pixel of a run, whose far edge is one pixel on.
    static double onPaper(const Case& test, bool horizontal, int pixel, bool last = false) {
        const double mm = (pixel + (last ? 1 : 0)) * 25.4 / kDpi;
        const Calibration& c = test.calibration;
        return horizontal ? c.cL + (mm - test.target.originMm.x()) * c.kW / 100
                          : c.cT + (mm - test.target.originMm.y()) * c.kH / 100;
    }
    Span measure(const QString& pdf, const Line& line) {
        return darkSpan(pdf, line, work.filePath(QStringLiteral("strip%1").arg(strips_++)));
    }
    // The row through the paper's `y` mm, or the column through its `x` mm,
    // from `from` to `to` mm.
    static Line row(const Case& test, double y, double from, double to) {
        return {true, toPixel(test, false, y), toPixel(test, true, from), toPixel(test, true, to)};
    }
    static Line column(const Case& test, double x, double from, double to) {
        return {false, toPixel(test, true, x), toPixel(test, false, from), toPixel(test, false, to)};
    }
    static int toPixel(const Case& test, bool horizontal, double paperMm) {
        const Calibration& c = test.calibration;
        const double mm = horizontal ? (paperMm - c.cL) * 100 / c.kW + test.target.originMm.x()
                                     : (paperMm - c.cT) * 100 / c.kH + test.target.originMm.y();
        return int(mm / 25.4 * kDpi);
    }

    int strips_ = 0;
};

// One printer pixel, and as much again for the truncations of a length that
// is made of several converted ones (a label's corner plus its picture's shift).
constexpr double kTolerance = 2 * 25.4 / kDpi;

const Target kPdf{"PDF", {}, {0, 0}};
const Target kCupsQueue{"queue", kQueue, {0, 0}};
// A printer with margins: its calibration measures them, and prints land right.
const Target kMargins{"margins", kMarginsQueue, {18 * kPoint, 24 * kPoint}};

const std::vector<Case> kCases = {
    {kPdf, {0, 0, 100, 100}},
    {kPdf, {4, 2, 98, 102}},
    {kPdf, {0, 0, 90, 110}},
    {kCupsQueue, {0, 0, 100, 100}},
    {kCupsQueue, {4, 2, 98, 102}},
    {kCupsQueue, {0, 0, 90, 110}},
    {kMargins, {18 * kPoint, 24 * kPoint, 100, 100}},
    {kMargins, {18 * kPoint, 24 * kPoint, 98, 102}},
};

class PrintGeometryOnTarget : public PrintGeometryTest, public ::testing::WithParamInterface<const char*> {};

} // namespace

// One test for each target, so that they can run side by side.
TEST_P(PrintGeometryOnTarget, DiscAndPictureLandWhereTheSheetSays) {
    int run = 0;
    for (const Case& test : kCases) {
        if (QLatin1String(test.target.name) != QLatin1String(GetParam())) continue;
        const Calibration& c = test.calibration;
        SCOPED_TRACE(QStringLiteral("%1 with %2/%3/%4/%5")
                         .arg(QLatin1String(test.target.name))
                         .arg(c.cL)
                         .arg(c.cT)
                         .arg(c.kW)
                         .arg(c.kH)
                         .toStdString());
        // The disc, clipped: its outer edge is the label's edge, and its hole.
        const QString discs =
            printed(test, QStringLiteral("square.png"), {"--clip"}, QStringLiteral("disc%1").arg(run++));
        ASSERT_FALSE(discs.isEmpty());
        for (const double top : {kTop, kTop + kPitchY}) {
            const double centreX = kLeft + kRadius, centreY = top + kRadius;
            const Span across = measure(discs, row(test, centreY, kLeft - 10, kLeft + 2 * kRadius + 10));
            const Span down = measure(discs, column(test, centreX, top - 10, top + 2 * kRadius + 10));
            EXPECT_NEAR(onPaper(test, true, across.first), kLeft, kTolerance) << "left edge at " << top;
            EXPECT_NEAR(onPaper(test, true, across.last, true), kLeft + 2 * kRadius, kTolerance);
            EXPECT_NEAR(onPaper(test, false, down.first), top, kTolerance) << "top edge at " << top;
            EXPECT_NEAR(onPaper(test, false, down.last, true), top + 2 * kRadius, kTolerance);
            EXPECT_NEAR(onPaper(test, true, across.gapFirst), centreX - kHole, kTolerance) << "hole";
            EXPECT_NEAR(onPaper(test, true, across.gapLast, true), centreX + kHole, kTolerance);
            EXPECT_NEAR(onPaper(test, false, down.gapFirst), centreY - kHole, kTolerance);
            EXPECT_NEAR(onPaper(test, false, down.gapLast, true), centreY + kHole, kTolerance);
        }

        // The picture half as wide as the label, shifted 20 mm right and 30 mm
        // down, unclipped: its four edges, its height 0.6 of its width.
        const QString pictures = printed(test, QStringLiteral("wide.png"),
                                         {"--no-clip", "--size", "50", "--shift-x", "20", "--shift-y", "30"},
                                         QStringLiteral("picture%1").arg(run++));
        ASSERT_FALSE(pictures.isEmpty());
        const double width = kRadius, height = 0.6 * width;
        for (const double top : {kTop, kTop + kPitchY}) {
            const double left = kLeft + 20, upper = top + 30;
            const Span across =
                measure(pictures, row(test, upper + height / 2, left - 10, left + width + 10));
            const Span down =
                measure(pictures, column(test, left + width / 2, upper - 10, upper + height + 10));
            EXPECT_NEAR(onPaper(test, true, across.first), left, kTolerance) << "picture at " << top;
            EXPECT_NEAR(onPaper(test, true, across.last, true), left + width, kTolerance);
            EXPECT_NEAR(onPaper(test, false, down.first), upper, kTolerance);
            EXPECT_NEAR(onPaper(test, false, down.last, true), upper + height, kTolerance);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, PrintGeometryOnTarget, ::testing::Values("PDF", "queue", "margins"));

TEST_F(PrintGeometryTest, AQueueWithoutMarginsOffersTheWholePaper) {
    QPrinterTarget queue(kQueue);
    ASSERT_FALSE(queue.printsToFile()) << "the private queue is not seen";
    const QSize a4 = QPageSize(QPageSize::A4).sizePixels(queue.dpiX());
    EXPECT_LE(std::abs(queue.printableSize().width() - a4.width()), 1);
    EXPECT_LE(std::abs(queue.printableSize().height() - a4.height()), 1);
    QPrinterTarget margins(kMarginsQueue);
    EXPECT_NEAR(margins.printableSize().width(), (577 - 18) / 72.0 * margins.dpiX(), 1);
    EXPECT_NEAR(margins.printableSize().height(), (818 - 24) / 72.0 * margins.dpiY(), 1);
}
