#pragma once
// cdcover-batch --disc: the job printed onto discs, one page per copy: into a
// PDF file of square pages of the outer diameter, or onto a CUPS queue with a
// disc tray, with the driver's options for it.

#include "batch/batchoptions.h"
#include "document/printsettings.h"
#include "print/labelbitmap.h"

#include <QTextStream>

// The disc the run prints onto: --disc; without a paper format on the command
// line, the disc the job was saved with; else none.
std::optional<DiscFormat> chosenDisc(const BatchOptions& options, const std::optional<PrintSettings>& saved);

// The disc calibration the run prints with: --disc-offset, else the one stored
// for the output (the queue's, or the PDF file output's).
DiscOffset chooseDiscOffset(const BatchOptions& options, const QString& settingsFolder);

// Prints `copies` discs to the output the options name (-o or -P); the exit code.
int printDiscs(const BatchOptions& options, const DiscFormat& disc, const QString& settingsFolder,
               const LabelContent& content, int copies, QTextStream& err);
