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
#include "print/joblabel.h"
#include "print/pdffiletarget.h"
#include "print/printer/qprintertarget.h"
#include "print/printrun.h"
#include "print/sheetpreview.h"
#include "raster/imagefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinterInfo>

#include <memory>
#include <optional>

namespace {

// The window's rules use the screen's resolution; the batch takes the one a
// standard screen has, so labels come out as the window makes them there.
constexpr ScreenFacts kStandardScreen{96, 24};

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
        err << QCoreApplication::translate("BatchRun", "Die Datei %1 ist keine gültige CD-Cover Datei!")
                   .arg(path)
            << Qt::endl;
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

// The job as the window would hold it after opening the file: the image, the
// objects, the page and the view's scales; the values the job was saved with
// go to `saved`, for the command line to override.
std::unique_ptr<CoverJob> readImageAndObjects(const BatchOptions& options,
                                              std::optional<PrintSettings>& saved, QTextStream& err) {
    auto job = std::make_unique<CoverJob>();
    job->setImagePixelSize(standardUnitsPerPixel());
    if (!options.imageFile.isEmpty()) {
        std::optional<DibImage> image = readImage(options.imageFile, err);
        if (!image) return nullptr;
        job->replaceImage(std::move(*image));
        // The page of the PDF output: the whole paper is printable.
        const PageSizeUnits page =
            pageSizeInUnits(PdfFileTarget(QString(), options.resolution, paperNamed(options.paper)));
        job->setPageSize(page.width, page.height);
        job->setViewScales(1.0, standardUnitsPerPixel());
        return job;
    }
    std::optional<cover::CoverDocument> document = readCover(options.coverFile, err);
    if (!document) return nullptr;
    saved = std::move(document->printSettings);
    cover::installDocument(std::move(*document), *job);
    return job;
}

// The job with its image cut and turned as the options ask.
std::unique_ptr<CoverJob> readJob(const BatchOptions& options, std::optional<PrintSettings>& saved,
                                  QTextStream& err) {
    std::unique_ptr<CoverJob> job = readImageAndObjects(options, saved, err);
    if (!job) return nullptr;
    DibImage image = job->exchangeImage(DibImage());
    if (!prepareImage(image, options.autoCrop, options.rotateDegrees, err)) return nullptr;
    job->replaceImage(std::move(image));
    return job;
}

// The paper format and, for a sheet from the label templates, its label shape.
struct ChosenPaper {
    PaperType paper;
    std::optional<LabelShape> shape;
    bool savedWithJob = false;
    bool none = false; // a job saved for the window may have no format yet
    // Printing onto discs; the format is then the job's own, kept for sheets.
    std::optional<DiscFormat> disc = std::nullopt;
};

QString formatIndexOutOfRange(int index, const QString& path, std::size_t count) {
    const QString range =
        count == 1 ? QCoreApplication::translate("BatchRun", "hat nur ein Papierformat, --format-index 0")
                   : QCoreApplication::translate("BatchRun", "hat %n Papierformate, --format-index 0 bis %1",
                                                 nullptr, int(count))
                         .arg(count - 1);
    return QCoreApplication::translate("BatchRun", "--format-index %1 gibt es nicht: %2 %3.")
        .arg(index)
        .arg(path, range);
}

// The format the command line names; without one, the format the job was saved
// with; without that, the first of the paper file. A run onto discs keeps the
// job's format, whatever it is.
std::optional<ChosenPaper> choosePaper(const BatchOptions& options, const QString& settingsFolder,
                                       const std::optional<PrintSettings>& saved, QTextStream& err) {
    if (const std::optional<DiscFormat> disc = chosenDisc(options, saved)) {
        const bool hasPaper = saved && saved->paper;
        return ChosenPaper{hasPaper ? *saved->paper : PaperType{}, hasPaper ? saved->shape : std::nullopt,
                           hasPaper, !hasPaper, disc};
    }
    if (!options.given.format && saved && saved->paper) return ChosenPaper{*saved->paper, saved->shape, true};
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
        err << QCoreApplication::translate("BatchRun", "Das Papierformat \"%1\" gibt es in %2 nicht.")
                   .arg(options.formatName, path)
            << Qt::endl;
        return std::nullopt;
    }
    // The window asks for a format before it prints: a job saved for it needs none.
    if (formats.empty() && !options.given.format && !options.saveJobFile.isEmpty())
        return ChosenPaper{{}, std::nullopt, false, true};
    if (formats.empty()) {
        err << QCoreApplication::translate(
                   "BatchRun", "In %1 gibt es keine Papierformate. Bitte mit --paper-file eine Datei mit "
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

// The format, placement and print values of this run go into the job, as the
// window's cover file reader puts them there: from here on the run reads the
// job only, as the window's "Go!" does.
void takeRunValues(const BatchOptions& options, const std::optional<PrintSettings>& saved,
                   const ChosenPaper& chosen, CoverJob& job) {
    job.setPrintSettings(PrintSettings{
        placementFor(options, saved), printValuesFor(options, saved, chosen.shape, chosen.savedWithJob),
        chosen.none ? std::nullopt : std::optional<PaperType>(chosen.paper), chosen.shape, chosen.disc});
}

LabelContent contentOf(const CoverJob& job) {
    return labelContentOf(job, kStandardScreen.logicalDpiX);
}

int print(PrintTarget& target, const CoverJob& job, const Calibration& calibration, QTextStream& err) {
    StreamMessages messages(err);
    const PaperType& paper = *job.paperFormat();
    // A drawing that cannot be done is told on standard error, captioned.
    StderrMessages drawingMessages;
    const DrawContext drawing{drawingMessages, kStandardScreen.colorDepth};
    const PrintJob printJob{paper, job.printValues(), calibration, contentOf(job)};
    const PrintOutcome outcome = runPrintJob(target, printJob, messages, drawing);
    switch (outcome) {
    case PrintOutcome::Printed:
        return ExitOk;
    case PrintOutcome::NoLabelArea:
        err << noLabelAreaMessage(paper) << Qt::endl;
        return ExitFailed;
    case PrintOutcome::NoMemory:
        err << QCoreApplication::translate("BatchRun", "Fehler: Nicht genügend Speicher für den Druck.")
            << Qt::endl;
        return ExitFailed;
    case PrintOutcome::NotStarted:
    case PrintOutcome::NotFinished:
        err << printFailureText(target, outcome) << Qt::endl;
        return ExitFailed;
    }
    return ExitFailed;
}

int writePreview(const CoverJob& job, const BatchOptions& options, QTextStream& err) {
    const QPageSize pageSize = pageSizeNamed(options.paper);
    StderrMessages drawingMessages;
    const QImage sheet = renderSheetPreview(
        *job.printedPaper(), job.printValues(), contentOf(job), pageSize.sizePixels(options.resolution),
        options.resolution, kStandardScreen.logicalDpiX, options.zoom,
        DrawContext{drawingMessages, kStandardScreen.colorDepth}, job.printedShape());
    if (sheet.isNull()) {
        err << QCoreApplication::translate("BatchRun", "Fehler: Nicht genügend Speicher für die Vorschau.")
            << Qt::endl;
        return ExitFailed;
    }
    // Encoded first: the PNG writer would tell a failed write on standard error itself.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    sheet.save(&buffer, "PNG");
    WholeFile file(options.previewFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        err << notWrittenText(
                   QCoreApplication::translate("BatchRun", "Die Vorschau %1").arg(options.previewFile),
                   file.errorNumber())
            << Qt::endl;
        return ExitFailed;
    }
    return ExitOk;
}

// The job as this run would print it, for the window to open.
int saveJob(const CoverJob& job, const QString& path, QTextStream& err) {
    const cover::CoverSource source = cover::coverSourceOf(job);
    int errorNumber = 0;
    if (cover::writeCoverFile(path, source, {}, &errorNumber) == cover::WriteStatus::Ok) return ExitOk;
    err << notWrittenText(QCoreApplication::translate("BatchRun", "Die CD-Cover Datei %1").arg(path),
                          errorNumber)
        << Qt::endl;
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
        std::optional<PrintSettings> saved;
        const std::unique_ptr<CoverJob> job = readImageAndObjects(options, saved, err);
        return job && describeFoundObject(job->image(), out, err) ? ExitOk : ExitFailed;
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

    std::optional<PrintSettings> saved;
    const std::unique_ptr<CoverJob> job = readJob(options, saved, err);
    if (!job) return ExitFailed;
    if (options.discOffset && !chosenDisc(options, saved)) {
        err << QCoreApplication::translate("BatchRun",
                                           "--disc-offset gilt nur beim Druck auf CDs/DVDs (--disc).")
            << Qt::endl;
        return ExitUsage;
    }
    const std::optional<ChosenPaper> chosen = choosePaper(options, settingsFolder, saved, err);
    if (!chosen) return ExitFailed;
    takeRunValues(options, saved, *chosen, *job);
    if (!options.saveJobFile.isEmpty()) return saveJob(*job, options.saveJobFile, err);
    const Calibration calibration = chooseCalibration(options, settingsFolder);

    if (!options.previewFile.isEmpty()) return writePreview(*job, options, err);
    if (job->disc())
        return printDiscs(options, *job->disc(), settingsFolder, contentOf(*job), job->printValues().copies,
                          err);
    if (!options.pdfFile.isEmpty()) {
        PdfFileTarget target(options.pdfFile, options.resolution, paperNamed(options.paper));
        return print(target, *job, calibration, err);
    }
    if (!QPrinterInfo::availablePrinterNames().contains(options.printer)) {
        err << QCoreApplication::translate("BatchRun", "Den Drucker \"%1\" gibt es nicht.")
                   .arg(options.printer)
            << Qt::endl;
        return ExitFailed;
    }
    QPrinterTarget target(options.printer);
    return print(target, *job, calibration, err);
}
