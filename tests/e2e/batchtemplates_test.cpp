// cdcover-batch with label templates, as a user runs it: listing them, choosing
// a sheet by its product name, and printing a CD sheet inside the disc shape.

#include "printedsheets.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kInstalled = QStringLiteral("/usr/share/libglabels-3.0/templates");

struct TemplateRun {
    int exitCode = -1;
    QString out, err;
};

class BatchTemplatesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A picture of one colour, 8 × 8 pixels.
        QFile picture(path("red.ppm"));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        picture.write("P6\n8 8\n255\n");
        for (int i = 0; i < 64; ++i) {
            const char pixel[3] = {char(kLabelColour.red()), char(kLabelColour.green()),
                                   char(kLabelColour.blue())};
            picture.write(pixel, 3);
        }
    }
    QString path(const QString& name) const { return work.path() + QLatin1Char('/') + name; }

    TemplateRun batch(const QStringList& arguments, const QString& templateFolders) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CDCOVER_TEMPLATE_DIRS"), templateFolders);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CDCOVER_BATCH), arguments);
        TemplateRun run;
        if (!process.waitForFinished(120000)) return run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QTemporaryDir work;
    const QString ours = QStringLiteral(CDCOVER_E2E_DIR "/../templates");
};

// mm on the sheet as a pixel of a page rasterised at `dpi`.
QPoint pixelAt(double xMm, double yMm, int dpi) {
    return {int(xMm / 25.4 * dpi), int(yMm / 25.4 * dpi)};
}

// No ink: white, give or take the PDF's rounding.
bool isPaper(QColor shown) {
    return shown.red() >= 250 && shown.green() >= 250 && shown.blue() >= 250;
}

bool isLabelColour(QColor shown) {
    return std::abs(shown.red() - kLabelColour.red()) <= 24 &&
           std::abs(shown.green() - kLabelColour.green()) <= 24 &&
           std::abs(shown.blue() - kLabelColour.blue()) <= 24;
}

} // namespace

TEST_F(BatchTemplatesTest, ListsTheMatchingTemplatesOnePerLine) {
    const TemplateRun run = batch({"--templates", "testa cd"}, ours);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Testa CD-2\tCD/DVD Labels\t117 × 117 mm\t2\n"
                                      "Testa CD-Cut (1)\tCD/DVD Labels, cut sides\t110 × 116 mm\t1\n"
                                      "Testa CD-Cut (2)\tCD/DVD Labels, cut sides\t110 × 116 mm\t1\n"));
    const TemplateRun none = batch({"--templates", "nichts dergleichen"}, ours);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
}

TEST_F(BatchTemplatesTest, AnUnknownProductIsAnInputErrorThatWritesNothing) {
    const TemplateRun run =
        batch({"--image", "red.ppm", "--template", "Testa CD-3", "-o", path("out.pdf")}, ours);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Die Etikettenvorlage \"Testa CD-3\" gibt es nicht")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.pdf")));
}

TEST_F(BatchTemplatesTest, PrintsZweckform3654WithWhiteHolesAndCorners) {
    if (!QDir(kInstalled).exists()) GTEST_SKIP() << "glabels-data is not installed";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) GTEST_SKIP() << "no pdftoppm";
    const QStringList common{"--image", "red.ppm",       "--template",  "zweckform 3654", "--copies",
                             "2",       "--calibration", "0,0,100,100", "--resolution",   "300"};
    const TemplateRun run = batch(common + QStringList{"-o", path("discs.pdf")}, kInstalled);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto pages = rasterisePdf(path("discs.pdf"), 100, work.path());
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 1u);
    const QImage& page = pages->front();

    // The template's numbers in points: radius 165.78, hole 58.09, x0 131.78, y0 58.7998, dy 387.97.
    const double mm = 25.4 / 72;
    const double radius = 165.78 * mm, hole = 58.09 * mm, left = 131.78 * mm;
    for (const double top : {58.7998 * mm, (58.7998 + 387.97) * mm}) {
        const double centreX = left + radius, centreY = top + radius;
        const double ring = (radius + hole) / 2;
        EXPECT_TRUE(isPaper(page.pixelColor(pixelAt(centreX, centreY, 100)))) << "hole at " << top;
        for (const auto& [dx, dy] : {std::pair{ring, 0.0}, {-ring, 0.0}, {0.0, ring}, {0.0, -ring}})
            EXPECT_TRUE(isLabelColour(page.pixelColor(pixelAt(centreX + dx, centreY + dy, 100))))
                << "ring at " << top << " " << dx << "," << dy;
        // The label's square box around the disc: its corners stay white.
        for (const auto& [x, y] :
             {std::pair{left + 3, top + 3}, {left + 2 * radius - 3, top + 2 * radius - 3}})
            EXPECT_TRUE(isPaper(page.pixelColor(pixelAt(x, y, 100)))) << "corner at " << x << "," << y;
    }

    // --no-clip prints the whole square label, the hole too.
    const TemplateRun unclipped =
        batch(common + QStringList{"--no-clip", "-o", path("square.pdf")}, kInstalled);
    ASSERT_EQ(unclipped.exitCode, 0) << unclipped.err.toStdString();
    const auto square = rasterisePdf(path("square.pdf"), 100, work.path());
    ASSERT_TRUE(square);
    const double top = 58.7998 * mm;
    EXPECT_TRUE(isLabelColour(square->front().pixelColor(pixelAt(left + radius, top + radius, 100))));
    EXPECT_TRUE(isLabelColour(square->front().pixelColor(pixelAt(left + 3, top + 3, 100))));
}
