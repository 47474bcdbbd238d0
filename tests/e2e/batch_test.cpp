// cdcover-batch as a user runs it: the real executable, its files and exit codes.

#include "printedsheets.h"

#include "base/cp1252.h"
#include "document/coverfile.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "print/printrun.h"
#include "raster/imagefile.h"
#include "raster/imageresolution.h"
#include "support/syntheticscan.h"
#include "support/testimages.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

struct BatchRun {
    int exitCode = -1;
    QString out, err;
};

class BatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PaperType other, cd, flat;
        applyDialogValues(other, PaperDialogValues{QStringLiteral("Anderes"), 0, 0, 50, 50, 0, 0, 1, 1});
        applyDialogValues(cd, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
        // The paper format dialog allows a height of 0.
        applyDialogValues(flat, PaperDialogValues{QStringLiteral("Flach"), 10, 12, 90, 0, 2, 3, 2, 5});
        paper = cd;
        ASSERT_TRUE(writePaperFileAt(path("paper.dat"), {other, cd, flat}));

        image = solidImage24(90, 55, kLabelColour);
        AnnotationObject& text = objects.slot(7);
        text.Kind = KindText;
        text.Left = 100000;
        text.Width = 2000000;
        text.Height = 1000000;
        text.Text = toCp1252(QStringLiteral("Grüße\rZeile 2"));
        text.FontName = QByteArrayLiteral("Liberation Serif");
        text.FontSize = 4;
        AnnotationObject& figure = objects.slot(10000);
        figure.Kind = KindFigure;
        figure.Shape = ShapeLineRising;
        figure.LineWidth = 3;
        cover::CoverSource source{1000, 2000, 1.0, 105833.125, &objects, &image};
        ASSERT_EQ(cover::writeCoverFile(path("job.cov"), source), cover::WriteStatus::Ok);
    }

    QString path(const QString& name) const { return work.path() + QLatin1Char('/') + name; }

    // `unset` names further variables the program runs without; `locale` is its LANG.
    BatchRun batch(const QStringList& arguments, const QStringList& unset = {},
                   const QString& locale = QStringLiteral("de_DE.UTF-8")) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), locale);
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program chooses offscreen itself
        environment.remove(QStringLiteral("DISPLAY"));
        for (const QString& name : unset)
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CDCOVER_BATCH), arguments);
        BatchRun run;
        if (!process.waitForFinished(120000)) return run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QTemporaryDir work;
    PaperType paper;
    DibImage image;
    ObjectTable objects;
};

bool nearColour(QColor shown, QColor expected) {
    return std::abs(shown.red() - expected.red()) <= 24 && std::abs(shown.green() - expected.green()) <= 24 &&
           std::abs(shown.blue() - expected.blue()) <= 24;
}

} // namespace

TEST_F(BatchTest, PrintsTheJobToPdfWhereTheLayoutPutsItsLabels) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) GTEST_SKIP() << "no pdftoppm";
    const BatchRun run =
        batch({"job.cov", "--paper-file", path("paper.dat"), "--format", "CD", "--used", "3", "--copies",
               "10", "--calibration", "4,2,100,100", "-o", path("out.pdf"), "--resolution", "300"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto pages = rasterisePdf(path("out.pdf"), 100, work.path());
    ASSERT_TRUE(pages);

    SheetDevice device;
    device.kind = SheetDevice::Kind::Printer;
    device.dpiX = device.dpiY = 300;
    device.cL = 4;
    device.cT = 2;
    const SheetPlan plan = planSheets(paper, PrintValues{3, 10, 1}, device);
    ASSERT_EQ(pages->size(), 2u);
    ASSERT_EQ(plan.sheets, 2);
    const double scale = 100.0 / 300;
    for (int64_t position = 0; position < 2 * 10; ++position) {
        const int64_t sheet = position / 10;
        const int column = int(position % 2), row = int(position / 2 % 5);
        const bool printed = position >= 3 && position < 13;
        const QPoint corner = labelOrigin(paper, column, row, device) * scale;
        const QPoint centre =
            corner + QPoint(int(plan.label.width() * scale / 2), int(plan.label.height() * scale / 2));
        const QImage& page = (*pages)[size_t(sheet)];
        EXPECT_EQ(nearColour(page.pixelColor(centre + QPoint(10, 0)), kLabelColour), printed) << position;
        EXPECT_EQ(page.pixelColor(corner - QPoint(3, 3)), QColor(Qt::white)) << position;
    }
    // The calibration offset took 4 mm off the left margin: 6 mm from the paper's edge.
    const QPoint first = labelOrigin(paper, 1, 1, device);
    EXPECT_EQ(first.x(), int((92 + 10 - 4) / 25.39995 * 300));
}

TEST_F(BatchTest, InfoDescribesTheCoverFileAsWritten) {
    const BatchRun run = batch({"job.cov", "--info"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject job = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(job["pageWidth"].toInt(), 1000);
    EXPECT_EQ(job["pageHeight"].toInt(), 2000);
    EXPECT_EQ(job["unitsPerScreenPixel"].toDouble(), 105833.125);
    EXPECT_EQ(job["image"].toObject()["width"].toInt(), 90);
    EXPECT_EQ(job["image"].toObject()["bitCount"].toInt(), 24);
    const QJsonArray list = job["objects"].toArray();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject()["slot"].toInt(), 7);
    EXPECT_EQ(list[0].toObject()["Text"].toString(), QStringLiteral("Grüße\rZeile 2"));
    EXPECT_EQ(list[0].toObject()["FontName"].toString(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(list[0].toObject()["Width"].toInt(), 2000000);
    EXPECT_EQ(list[1].toObject()["slot"].toInt(), 10000);
    EXPECT_EQ(list[1].toObject()["Shape"].toInt(), int(ShapeLineRising));
    EXPECT_EQ(list[1].toObject()["LineWidth"].toInt(), 3);
}

TEST_F(BatchTest, AnImageFileIsAJobWithoutObjects) {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(kLabelColour);
    ASSERT_TRUE(picture.save(path("scan.png")));
    BatchRun run = batch({"--image", path("scan.png"), "--paper-file", path("paper.dat"), "--format-index",
                          "1", "-o", path("image.pdf"), "--resolution", "150", "--paper", "Letter"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("image.pdf")));
    run = batch({"--image", path("scan.png"), "--info"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(run.out.toUtf8()).object()["objects"].toArray().size(), 0);
}

TEST_F(BatchTest, HelpAndUsageErrorsSpeakTheLocalesLanguageOrTheOneAsked) {
    QFile recorded(QStringLiteral(CDCOVER_E2E_DIR "/batchhelp_de.txt"));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QString germanHelp = QString::fromUtf8(recorded.readAll());
    const QString english = QStringLiteral("en_US.UTF-8");
    const QString german = QStringLiteral("de_DE.UTF-8");
    EXPECT_EQ(batch({"--help"}, {}, german).out, germanHelp);
    EXPECT_EQ(batch({"--help", "--lang", "de"}, {}, english).out, germanHelp);

    for (const BatchRun& run : {batch({"--help"}, {}, english), batch({"--lang=en", "--help"}, {}, german),
                                batch({"--help"}, {}, QStringLiteral("fr_FR.UTF-8"))}) {
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage:"))) << run.out.toStdString();
        // Not one line of the German help is left, but for the bare option names.
        static const QRegularExpression words(QStringLiteral("[a-zäöüß]{4}"));
        for (const QString& line : germanHelp.split('\n')) {
            if (!QString(line).remove(QRegularExpression(QStringLiteral("--[a-z-]+"))).contains(words))
                continue;
            EXPECT_FALSE(run.out.split('\n').contains(line)) << line.toStdString();
        }
    }

    const BatchRun wrong = batch({}, {}, english);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, QStringLiteral("No job was given.\nHelp: cdcover-batch --help\n"));
    const BatchRun badLanguage = batch({"--lang", "fr", "job.cov"}, {}, english);
    EXPECT_EQ(badLanguage.exitCode, 2);
    EXPECT_EQ(badLanguage.err,
              QStringLiteral("Unknown language for --lang: fr (de or en)\nHelp: cdcover-batch --help\n"));
}

TEST_F(BatchTest, WrongUsageAndBadInputFailWithoutWritingAnything) {
    // The error and where the help is, not the help itself.
    BatchRun run = batch({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QStringLiteral("Es wurde kein Auftrag angegeben.\nHilfe: cdcover-batch --help\n"));
    run = batch({"job.cov", "--sheet"});
    EXPECT_EQ(run.exitCode, 2);
    run = batch({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("--calibration")));

    QFile corrupt(path("corrupt.cov"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("Varnelt Morvanthelquistradibenzor 1.x and then some");
    corrupt.close();
    run = batch({"corrupt.cov", "--paper-file", path("paper.dat"), "-o", path("never.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Die Datei corrupt.cov ist keine gültige CD-Cover Datei!\n"));
    EXPECT_FALSE(QFile::exists(path("never.pdf")));

    // No paper format at that index: the formats there are, nothing printed.
    run =
        batch({"job.cov", "--paper-file", path("paper.dat"), "--format-index", "5", "-o", path("never.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              QStringLiteral("--format-index 5 gibt es nicht: %1 hat 3 Papierformate, --format-index 0 "
                             "bis 2.\n")
                  .arg(path("paper.dat")));
    EXPECT_FALSE(QFile::exists(path("never.pdf")));

    // Outputs that cannot be written: the path and the system's reason.
    const QString missing = path("missing/never");
    const struct {
        const char* option;
        const char* what;
    } outputs[] = {
        {"-o", "Die PDF-Datei"}, {"--save-job", "Die CD-Cover Datei"}, {"--preview", "Die Vorschau"}};
    for (const auto& output : outputs) {
        run = batch({"job.cov", "--paper-file", path("paper.dat"), output.option, missing});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err,
                  QStringLiteral("%1 %2 konnte nicht geschrieben werden: Datei oder Verzeichnis nicht "
                                 "gefunden.\n")
                      .arg(QString::fromUtf8(output.what), missing));
    }
}

TEST_F(BatchTest, PreviewIsTheSheetAsTheWindowShowsIt) {
    const BatchRun run =
        batch({"job.cov", "--paper-file", path("paper.dat"), "--format", "CD", "--used", "3", "--copies",
               "10", "--preview", path("sheet.png"), "--sheet", "2", "--zoom", "50"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage sheet(path("sheet.png"));
    const QSize a4 = QPageSize(QPageSize::A4).sizePixels(600);
    EXPECT_EQ(sheet.size(), previewSheetSize(a4, 96, 600, 50));
    // Sheet 2 holds positions 10, 11, 12: (0,0), (1,0), (0,1); (1,1) stays white.
    SheetDevice device;
    device.kX = device.kY = 0.5;
    const QSize label = labelBitmapSize(paper, device);
    const QPoint centre(label.width() / 2, label.height() / 2);
    EXPECT_TRUE(
        nearColour(sheet.pixelColor(labelOrigin(paper, 0, 1, device) + centre + QPoint(5, 0)), kLabelColour));
    EXPECT_EQ(sheet.pixelColor(labelOrigin(paper, 1, 1, device) + centre), QColor(Qt::white));
}

TEST_F(BatchTest, AValueOutsideItsRangeIsAUsageErrorThatWritesNothing) {
    const QStringList job{"job.cov", "--paper-file", path("paper.dat"), "--format", "CD"};
    const struct {
        QStringList arguments;
        const char* range;
    } cases[] = {
        {{"--copies", "0", "-o", path("never.pdf")}, "--copies erwartet eine ganze Zahl von 1 bis 1000"},
        {{"--copies", "5000", "-o", path("never.pdf")}, "--copies erwartet eine ganze Zahl von 1 bis 1000"},
        {{"--size", "9", "-o", path("never.pdf")}, "--size erwartet eine ganze Zahl von 10 bis 500"},
        {{"--shift-y", "-1500", "-o", path("never.pdf")}, "--shift-y erwartet eine Zahl von -1000 bis 1000"},
        {{"--zoom", "600", "--preview", path("never.png")}, "--zoom erwartet eine ganze Zahl von 10 bis 500"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(job + c.arguments);
        const std::string called = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << called;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.range))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << called;
    }
    EXPECT_FALSE(QFile::exists(path("never.pdf")));
    EXPECT_FALSE(QFile::exists(path("never.png")));
}

TEST_F(BatchTest, StandardErrorHoldsOnlyItsOwnMessagesAlsoWithoutRuntimeDirectory) {
    const QStringList without{QStringLiteral("XDG_RUNTIME_DIR")};
    const QStringList job{"job.cov", "--paper-file", path("paper.dat"), "--format", "CD"};
    BatchRun run = batch(job + QStringList{"-o", path("out.pdf"), "--resolution", "150"}, without);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");
    EXPECT_TRUE(QFile::exists(path("out.pdf")));
    run = batch(job + QStringList{"--preview", path("sheet.png")}, without);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");
    run = batch({"job.cov", "--info"}, without);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");

    // A failing run says what is wrong, and nothing else.
    run =
        batch({"job.cov", "--paper-file", path("paper.dat"), "--format-index", "5", "-o", path("never.pdf")},
              without);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("--format-index 5 gibt es nicht: ")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
}

TEST_F(BatchTest, AFormatWithoutLabelAreaSaysSoAndPrintsNothing) {
    const BatchRun run =
        batch({"job.cov", "--paper-file", path("paper.dat"), "--format", "Flach", "-o", path("never.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              QStringLiteral("Das Etikett des gewählten Papierformats \"Flach\" hat keine Fläche: seine "
                             "Breite oder Höhe ist 0 mm. Es wurde nichts gedruckt.\n"));
    EXPECT_FALSE(QFile::exists(path("never.pdf")));
}

TEST_F(BatchTest, AutoCropCutsOutTheDiscAndDetectTellsWhereItLies) {
    SyntheticScan disc;
    disc.noise = 3;
    QFile scan(path("scan.jpg"));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));
    scan.write(encodeImage(makeSyntheticScan(disc), ImageFileFormat::Jpg));
    scan.close();

    BatchRun run = batch({"--image", "scan.jpg", "--detect"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject found = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(found["kind"].toString(), QStringLiteral("disc"));
    EXPECT_NEAR(found["centreMm"]["x"].toDouble(), disc.centreXMm, 0.3);
    EXPECT_NEAR(found["centreMm"]["y"].toDouble(), disc.centreYMm, 0.3);
    EXPECT_NEAR(found["sizeMm"]["width"].toDouble(), 120, 0.5);
    EXPECT_NEAR(found["size"]["width"].toDouble(), 120 / 25.39995 * 150, 3);
    EXPECT_EQ(found["angleDeg"].toDouble(), 0);

    // No paper format is needed to keep the cut disc for the window; turned, it is still square.
    run = batch({"--image", "scan.jpg", "--auto-crop", "--rotate", "90", "--paper-file", path("none.dat"),
                 "--save-job", path("disc.cov")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const cover::ReadResult saved = cover::readCoverFile(path("disc.cov"));
    ASSERT_EQ(saved.status, cover::ReadStatus::Ok);
    EXPECT_NEAR(saved.document.image.width(), 709, 1);
    EXPECT_EQ(saved.document.image.height(), saved.document.image.width());
    EXPECT_NEAR(resolutionDpiX(saved.document.image).value_or(0), 150, 0.5);
    ASSERT_TRUE(saved.document.printSettings);
    EXPECT_FALSE(saved.document.printSettings->paper);

    // One command copies a disc onto a sheet of labels.
    if (QDir(QStringLiteral("/usr/share/libglabels-3.0/templates")).exists()) {
        run = batch({"--image", "scan.jpg", "--auto-crop", "--template", "Zweckform 3654", "--copies", "2",
                     "-o", path("cd.pdf")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(QFile::exists(path("cd.pdf")));
    }
}

TEST_F(BatchTest, AutoCropOnAnEmptyBedSaysSoAndWritesNothing) {
    SyntheticScan empty;
    empty.object = SyntheticScan::Object::None;
    QFile scan(path("empty.png"));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));
    scan.write(encodeImage(makeSyntheticScan(empty), ImageFileFormat::Png));
    scan.close();
    const QString nothing = QStringLiteral("Auf dem Bild wurde keine CD und kein Cover gefunden.\n");
    BatchRun run = batch(
        {"--image", "empty.png", "--auto-crop", "--paper-file", path("paper.dat"), "-o", path("never.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, nothing);
    EXPECT_FALSE(QFile::exists(path("never.pdf")));
    run = batch({"--image", "empty.png", "--detect"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, nothing);
    EXPECT_EQ(run.out, QString());
}
