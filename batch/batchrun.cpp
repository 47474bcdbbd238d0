#include "batch/batchrun.h"

#include "base/messages.h"
#include "base/screenfacts.h"
#include "base/systemerror.h"
#include "base/units.h"
#include "base/wholefile.h"
#include "batch/batchcalibration.h"
#include "batch/batchdisc.h"
#include "batch/batchtemplates.h"
#include "batch/imagepreparation.h"
#include "batch/jobinfo.h"
#include "batch/jobvalues.h"
#include "document/coverfile.h"
#include "paper/labelshapefile.h"
#include "paper/paperfile.h"
#include "print/calibration.h"
#include "print/pdffiletarget.h"
#include "print/printer/qprintertarget.h"
#include "print/printrun.h"
#include "print/sheetpreview.h"
#include "raster/imagefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPrinterInfo>

#include <optional>

namespace {

// The window's rules use the screen's resolution; the batch takes the one a
// standard screen has, so labels come out as the window makes them there.
constexpr ScreenFacts kStandardScreen{96, 24};

// What the window would have: the image, the objects, the page and the view's
// scales, and the values the job was saved with.
struct Job {
    DibImage image;
    ObjectTable objects;
    int32_t pageWidth = 0, pageHeight = 0;
    double viewZoom = 1.0, unitsPerScreenPixel = 0;
    std::optional<PrintSettings> saved;
};

// Internal units per pixel of the standard screen: one view pixel per image pixel.
double standardUnitsPerPixel() {
    return units::kUnitsPerMm * units::kMmPerInch / kStandardScreen.logicalDpiX * 2;
}

QPageSize pageSizeNamed(const QString& name) {
    for (int id = 0; id < int(QPageSize::LastPageSize); ++id)
        if (QPageSize::key(QPageSize::PageSizeId(id)).compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(QPageSize::PageSizeId(id));
    return QPageSize(QPageSize::A4);
}

QPageLayout paperNamed(const QString& name) {
    return QPageLayout(pageSizeNamed(name), QPageLayout::Portrait, QMarginsF());
}

// Messages of the print run go to standard error; questions get their first answer.
class StreamMessages final : public Messages {
  public:
    explicit StreamMessages(QTextStream& err) : err_(err) {}
    MsgAnswer message(const QString& text, const QString&, MsgButtons buttons, MsgIcon) override {
        err_ << text << Qt::endl;
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }

  private:
    QTextStream& err_;
};

// The window's texts, with the path as given, so that a script's user knows which file it was.
std::optional<cover::CoverDocument> readCover(const QString& path, QTextStream& err) {
    cover::ReadResult result = cover::readCoverFile(path);
    if (result.status == cover::ReadStatus::Ok) return std::move(result.document);
    if (result.status == cover::ReadStatus::NotCoverFile)
        err << QStringLiteral("Die Datei %1 ist keine gültige CD-Cover Datei!").arg(path) << Qt::endl;
    else
        err << cover::readFailureText(result.status, path) << Qt::endl;
    return std::nullopt;
}

std::optional<DibImage> readImage(const QString& path, QTextStream& err) {
    const ImageLimits limits;
    ImageFileRead read = readImageFile(path, limits);
    if (!read.image.isNull()) return std::move(read.image);
    err << imageReadFailureText(path, read, limits) << Qt::endl;
    return std::nullopt;
}

std::optional<Job> readImageAndObjects(const BatchOptions& options, QTextStream& err) {
    Job job;
    if (!options.imageFile.isEmpty()) {
        std::optional<DibImage> image = readImage(options.imageFile, err);
        if (!image) return std::nullopt;
        job.image = std::move(*image);
        // The page of the PDF output: the whole paper is printable.
        const PageSizeUnits page =
            pageSizeInUnits(PdfFileTarget(QString(), options.resolution, paperNamed(options.paper)));
        job.pageWidth = page.width;
        job.pageHeight = page.height;
        job.unitsPerScreenPixel = standardUnitsPerPixel();
        return job;
    }
    std::optional<cover::CoverDocument> document = readCover(options.coverFile, err);
    if (!document) return std::nullopt;
    cover::installObjects(*document, job.objects);
    job.image = std::move(document->image);
    job.pageWidth = document->pageWidth;
    job.pageHeight = document->pageHeight;
    job.viewZoom = document->viewZoom;
    job.unitsPerScreenPixel = document->unitsPerScreenPixel;
    job.saved = document->printSettings;
    return job;
}

// The job with its image cut and turned as the options ask.
std::optional<Job> readJob(const BatchOptions& options, QTextStream& err) {
    std::optional<Job> job = readImageAndObjects(options, err);
    if (job && !prepareImage(job->image, options.autoCrop, options.rotateDegrees, err)) return std::nullopt;
    return job;
}

// The paper format and, for a sheet from the label templates, its label shape.
struct ChosenPaper {
    PaperType paper;
    std::optional<LabelShape> shape;
    bool savedWithJob = false;
    bool none = false; // a job saved for the window may have no format yet
    // Printing onto discs: the paper is the disc as a sheet of one.
    std::optional<DiscFormat> disc = std::nullopt;
};

QString formatIndexOutOfRange(int index, const QString& path, std::size_t count) {
    const QString range =
        count == 1
            ? QStringLiteral("hat nur ein Papierformat, --format-index 0")
            : QStringLiteral("hat %1 Papierformate, --format-index 0 bis %2").arg(count).arg(count - 1);
    return QStringLiteral("--format-index %1 gibt es nicht: %2 %3.").arg(index).arg(path, range);
}

// The format the command line names; without one, the format the job was saved
// with; without that, the first of the paper file.
std::optional<ChosenPaper> choosePaper(const BatchOptions& options, const QString& settingsFolder,
                                       const Job& job, QTextStream& err) {
    // A disc is a sheet of one label, the ring its shape.
    if (const std::optional<DiscFormat> disc = chosenDisc(options, job.saved))
        return ChosenPaper{discSheet(*disc), discShape(*disc), false, false, disc};
    if (!options.given.format && job.saved && job.saved->paper)
        return ChosenPaper{*job.saved->paper, job.saved->shape, true};
    if (!options.templateName.isEmpty()) {
        const std::optional<TemplateFormat> format = chooseTemplate(options.templateName, err);
        if (!format) return std::nullopt;
        return ChosenPaper{format->paper, format->shape};
    }
    const QString path = options.paperFile.isEmpty() ? paperFilePath(settingsFolder) : options.paperFile;
    const std::vector<PaperType> formats = readPaperFileAt(path).value_or(std::vector<PaperType>{});
    // The shapes of formats made from templates live beside the paper file.
    const FormatShapes shapes = readLabelShapesAt(QFileInfo(path).absolutePath() + QLatin1Char('/'), formats);
    if (!options.formatName.isEmpty()) {
        for (size_t i = 0; i < formats.size(); ++i)
            if (formats[i].displayName() == options.formatName) return ChosenPaper{formats[i], shapes[i]};
        err << QStringLiteral("Das Papierformat \"%1\" gibt es in %2 nicht.").arg(options.formatName, path)
            << Qt::endl;
        return std::nullopt;
    }
    // The window asks for a format before it prints: a job saved for it needs none.
    if (formats.empty() && !options.given.format && !options.saveJobFile.isEmpty())
        return ChosenPaper{{}, std::nullopt, false, true};
    if (formats.empty()) {
        err << QStringLiteral("In %1 gibt es keine Papierformate. Bitte mit --paper-file eine Datei mit "
                              "Papierformaten oder mit --template einen Etikettenbogen angeben.")
                   .arg(path)
            << Qt::endl;
        return std::nullopt;
    }
    if (options.formatIndex >= int(formats.size())) {
        err << formatIndexOutOfRange(options.formatIndex, path, formats.size()) << Qt::endl;
        return std::nullopt;
    }
    return ChosenPaper{formats[std::size_t(options.formatIndex)], shapes[std::size_t(options.formatIndex)]};
}

// Where the image sits and how the sheets are used, as the run prints them.
struct RunValues {
    PlacementValues placement;
    PrintValues print;
};

RunValues runValuesOf(const BatchOptions& options, const Job& job, const ChosenPaper& chosen) {
    return {placementFor(options, job.saved),
            printValuesFor(options, job.saved, chosen.shape, chosen.savedWithJob)};
}

LabelContent contentOf(const Job& job, const RunValues& values, const std::optional<LabelShape>& shape) {
    const int dpi = kStandardScreen.logicalDpiX;
    return {job.image, job.objects, values.placement, LabelRenderSettings{standardUnitsPerPixel(), dpi, dpi},
            values.print.clipToShape ? shape : std::nullopt};
}

int print(PrintTarget& target, const ChosenPaper& chosen, const Job& job, const RunValues& values,
          const Calibration& calibration, QTextStream& err) {
    StreamMessages messages(err);
    const PaperType& paper = chosen.paper;
    // A drawing that cannot be done is told on standard error, captioned.
    StderrMessages drawingMessages;
    const DrawContext drawing{drawingMessages, kStandardScreen.colorDepth};
    const PrintJob printJob{paper, values.print, calibration, contentOf(job, values, chosen.shape)};
    const PrintOutcome outcome = runPrintJob(target, printJob, messages, drawing);
    switch (outcome) {
    case PrintOutcome::Printed:
        return ExitOk;
    case PrintOutcome::NoLabelArea:
        err << noLabelAreaMessage(paper) << Qt::endl;
        return ExitFailed;
    case PrintOutcome::NoMemory:
        err << QStringLiteral("Fehler: Nicht genügend Speicher für den Druck.") << Qt::endl;
        return ExitFailed;
    case PrintOutcome::NotStarted:
    case PrintOutcome::NotFinished:
        err << printFailureText(target, outcome) << Qt::endl;
        return ExitFailed;
    }
    return ExitFailed;
}

int writePreview(const ChosenPaper& chosen, const Job& job, const RunValues& values,
                 const BatchOptions& options, QTextStream& err) {
    const QPageSize pageSize = pageSizeNamed(options.paper);
    StderrMessages drawingMessages;
    const QImage sheet = renderSheetPreview(
        chosen.paper, values.print, contentOf(job, values, chosen.shape),
        pageSize.sizePixels(options.resolution), options.resolution, kStandardScreen.logicalDpiX,
        options.zoom, DrawContext{drawingMessages, kStandardScreen.colorDepth}, chosen.shape);
    if (sheet.isNull()) {
        err << QStringLiteral("Fehler: Nicht genügend Speicher für die Vorschau.") << Qt::endl;
        return ExitFailed;
    }
    // Encoded first: the PNG writer would tell a failed write on standard error itself.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    sheet.save(&buffer, "PNG");
    WholeFile file(options.previewFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        err << notWrittenText(QStringLiteral("Die Vorschau %1").arg(options.previewFile), file.errorNumber())
            << Qt::endl;
        return ExitFailed;
    }
    return ExitOk;
}

// The job as this run would print it, for the window to open.
int saveJob(const ChosenPaper& chosen, const Job& job, const RunValues& values, const QString& path,
            QTextStream& err) {
    // A job for discs keeps the sheet format it was saved with, for a return to sheets.
    const bool keepsSaved = chosen.disc || chosen.none;
    std::optional<PaperType> paper = keepsSaved ? std::nullopt : std::optional<PaperType>(chosen.paper);
    std::optional<LabelShape> shape = keepsSaved ? std::nullopt : chosen.shape;
    if (chosen.disc && job.saved) {
        paper = job.saved->paper;
        shape = job.saved->shape;
    }
    const cover::CoverSource source{job.pageWidth,
                                    job.pageHeight,
                                    job.viewZoom,
                                    job.unitsPerScreenPixel,
                                    &job.objects,
                                    &job.image,
                                    PrintSettings{values.placement, values.print, paper, shape, chosen.disc}};
    int errorNumber = 0;
    if (cover::writeCoverFile(path, source, {}, &errorNumber) == cover::WriteStatus::Ok) return ExitOk;
    err << notWrittenText(QStringLiteral("Die CD-Cover Datei %1").arg(path), errorNumber) << Qt::endl;
    return ExitFailed;
}

} // namespace

int runBatch(const BatchOptions& options, const QString& settingsFolder, QTextStream& out, QTextStream& err) {
    if (options.help) {
        out << batchUsage();
        return ExitOk;
    }
    if (options.listTemplates) return listTemplates(options.templatesFilter, out, err);
    if (options.detect) {
        std::optional<Job> job = readImageAndObjects(options, err);
        return job && describeFoundObject(job->image, out, err) ? ExitOk : ExitFailed;
    }
    if (options.info) {
        if (!options.imageFile.isEmpty()) {
            cover::CoverDocument document;
            std::optional<DibImage> image = readImage(options.imageFile, err);
            if (!image) return ExitFailed;
            document.image = std::move(*image);
            out << QString::fromUtf8(jobInfoJson(document));
            return ExitOk;
        }
        std::optional<cover::CoverDocument> document = readCover(options.coverFile, err);
        if (!document) return ExitFailed;
        out << QString::fromUtf8(jobInfoJson(*document));
        return ExitOk;
    }

    std::optional<Job> job = readJob(options, err);
    if (!job) return ExitFailed;
    if (options.discOffset && !chosenDisc(options, job->saved)) {
        err << QStringLiteral("--disc-offset gilt nur beim Druck auf CDs/DVDs (--disc).") << Qt::endl;
        return ExitUsage;
    }
    const std::optional<ChosenPaper> chosen = choosePaper(options, settingsFolder, *job, err);
    if (!chosen) return ExitFailed;
    const RunValues values = runValuesOf(options, *job, *chosen);
    if (!options.saveJobFile.isEmpty()) return saveJob(*chosen, *job, values, options.saveJobFile, err);
    const Calibration calibration = chooseCalibration(options, settingsFolder);

    if (!options.previewFile.isEmpty()) return writePreview(*chosen, *job, values, options, err);
    if (chosen->disc)
        return printDiscs(options, *chosen->disc, settingsFolder, contentOf(*job, values, chosen->shape),
                          values.print.copies, err);
    if (!options.pdfFile.isEmpty()) {
        PdfFileTarget target(options.pdfFile, options.resolution, paperNamed(options.paper));
        return print(target, *chosen, *job, values, calibration, err);
    }
    if (!QPrinterInfo::availablePrinterNames().contains(options.printer)) {
        err << QStringLiteral("Den Drucker \"%1\" gibt es nicht.").arg(options.printer) << Qt::endl;
        return ExitFailed;
    }
    QPrinterTarget target(options.printer);
    return print(target, *chosen, *job, values, calibration, err);
}
