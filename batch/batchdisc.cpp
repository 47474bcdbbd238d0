#include "batch/batchdisc.h"

#include "base/messages.h"
#include "base/screenfacts.h"
#include "batch/batchrun.h"
#include "print/discprint.h"
#include "print/printer/discoutput.h"

#include <QCoreApplication>
#include <QPrinterInfo>

namespace {

int outcomeExit(PrintOutcome outcome, const PrintTarget& target, QTextStream& err) {
    switch (outcome) {
    case PrintOutcome::Printed:
        return ExitOk;
    case PrintOutcome::NoMemory:
        err << QCoreApplication::translate("BatchDisc", "Fehler: Nicht genügend Speicher für den Druck.")
            << Qt::endl;
        return ExitFailed;
    case PrintOutcome::NoLabelArea:
    case PrintOutcome::NotStarted:
    case PrintOutcome::NotFinished:
        err << printFailureText(target, outcome) << Qt::endl;
        return ExitFailed;
    }
    return ExitFailed;
}

int print(PrintTarget& target, const DiscPrintJob& job, QTextStream& err) {
    StderrMessages drawingMessages;
    // The batch draws as on a standard screen, as for the label sheets.
    const DrawContext drawing{drawingMessages, 24};
    return outcomeExit(runDiscPrintJob(target, job, drawing), target, err);
}

} // namespace

std::optional<DiscFormat> chosenDisc(const BatchOptions& options, const std::optional<PrintSettings>& saved) {
    if (options.disc) return options.disc;
    if (options.given.format || !saved) return std::nullopt;
    return saved->disc;
}

DiscOffset chooseDiscOffset(const BatchOptions& options, const QString& settingsFolder) {
    if (options.discOffset) return *options.discOffset;
    return readDiscOffsetAt(discCalibrationFilePath(settingsFolder, options.printer));
}

int printDiscs(const BatchOptions& options, const DiscFormat& disc, const QString& settingsFolder,
               const LabelContent& content, int copies, QTextStream& err) {
    if (!options.printer.isEmpty() && !QPrinterInfo::availablePrinterNames().contains(options.printer)) {
        err << QCoreApplication::translate("BatchDisc", "Den Drucker \"%1\" gibt es nicht.")
                   .arg(options.printer)
            << Qt::endl;
        return ExitFailed;
    }
    const std::optional<DiscOutput> output =
        discOutputFor(options.printer, options.pdfFile, disc, chooseDiscOffset(options, settingsFolder),
                      options.resolution);
    if (!output) {
        err << QCoreApplication::translate(
                   "BatchDisc",
                   "Der Drucker \"%1\" kann nicht auf CDs/DVDs drucken: sein Treiber bietet weder "
                   "ein CD-Fach noch CD-Seitengrößen an.")
                   .arg(options.printer)
            << Qt::endl;
        return ExitFailed;
    }
    return print(*output->target, DiscPrintJob{disc, copies, output->drawingShift, content}, err);
}
