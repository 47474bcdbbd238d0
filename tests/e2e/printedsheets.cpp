#include "printedsheets.h"

#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "print/printercalibrations.h"
#include "print/printrun.h"
#include "print/ui/printpage.h"
#include "support/testimages.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QSpinBox>

std::optional<QByteArray> runProgram(const QString& program, const QStringList& arguments, QString* error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(": ") + process.errorString() + QLatin1Char(' ') +
                     QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

std::optional<std::vector<QImage>> rasterisePdf(const QString& pdf, int dpi, const QString& workFolder) {
    const QString prefix = workFolder + QStringLiteral("/page");
    if (!runProgram(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix}))
        return std::nullopt;
    std::vector<QImage> pages;
    const QStringList files =
        QDir(workFolder).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        pages.push_back(QImage(workFolder + QLatin1Char('/') + file));
    return pages;
}

PrintedSheetsTest::~PrintedSheetsTest() {
    form.reset();
}

void PrintedSheetsTest::createForm(std::unique_ptr<QPrinterTarget> printTarget) {
    target = std::move(printTarget);
    PaperType paper;
    applyDialogValues(paper, PaperDialogValues{QStringLiteral("CD"), 10, 12, 90, 55, 2, 3, 2, 5});
    const QString settingsFolder = work.path() + QStringLiteral("/program/");
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    ASSERT_TRUE(SaveEttTypes({paper}, settingsFolder));
    AppEnvironment environment;
    environment.settingsFolder = settingsFolder;
    environment.dialogs = &dialogs;
    environment.printTarget = target.get();
    form = std::make_unique<MainWindow>(environment);
    form->job.replaceImage(solidImage24(90, 55, kLabelColour));
    form->printPage->usedSpin->setValue(3);
    form->printPage->copiesSpin->setValue(10);
}

namespace {

bool nearColour(QColor shown, QColor expected) {
    return std::abs(shown.red() - expected.red()) <= 24 && std::abs(shown.green() - expected.green()) <= 24 &&
           std::abs(shown.blue() - expected.blue()) <= 24;
}

} // namespace

void PrintedSheetsTest::expectLabelsAtLayout(const std::vector<QImage>& pages, int rasterDpi,
                                             QPointF origin) {
    const Calibration calibration = form->shell().printerCalibrations().of(target->printerName());
    expectLabelsAtLayout(pages, rasterDpi, origin, calibration);
}

void PrintedSheetsTest::expectLabelsAtLayout(const std::vector<QImage>& pages, int rasterDpi, QPointF origin,
                                             const Calibration& calibration) {
    const PaperType& paper = *form->placementPage->selectedPaperType();
    const SheetDevice device = printerDevice(*target, calibration);
    const SheetPlan plan = planSheets(paper, form->printPage->jobValues(), device);
    ASSERT_EQ(pages.size(), size_t(plan.sheets));
    const double scale = double(rasterDpi) / target->dpiX();
    const auto toRaster = [&](int x, int y) {
        return QPoint(int(origin.x() / 72 * rasterDpi + x * scale),
                      int(origin.y() / 72 * rasterDpi + y * scale));
    };
    const QPoint labelSize = toRaster(plan.label.width(), plan.label.height()) - toRaster(0, 0);
    // Every position of every sheet: a label where the job put one, paper elsewhere.
    for (int64_t sheet = 0; sheet < plan.sheets; ++sheet) {
        const QImage& page = pages[size_t(sheet)];
        for (int row = 0; row < paper.CountY; ++row)
            for (int column = 0; column < paper.CountX; ++column) {
                const int64_t position = sheet * paper.CountX * paper.CountY + row * paper.CountX + column;
                const bool printed =
                    position >= plan.spots.front().position && position <= plan.spots.back().position;
                const QPoint spot = labelOrigin(paper, column, row, device);
                const QPoint corner = toRaster(spot.x(), spot.y());
                const QPoint inside = corner + QPoint(3, 3);
                const QPoint centre = corner + labelSize / 2;
                const QString where = QStringLiteral("sheet %1 position %2").arg(sheet).arg(position);
                EXPECT_EQ(nearColour(page.pixelColor(inside), kLabelColour), printed) << where.toStdString();
                EXPECT_EQ(nearColour(page.pixelColor(centre), kLabelColour), printed) << where.toStdString();
                EXPECT_EQ(page.pixelColor(corner - QPoint(3, 3)), QColor(Qt::white)) << where.toStdString();
            }
    }
}
