#pragma once
// One run of cdcover-batch: read the job, choose the paper format and the
// calibration, then print to a PDF file or a printer, write the sheet preview,
// or describe the job. The rules are those of the window, from the same code.

#include "batch/batchoptions.h"

#include <QTextStream>

enum BatchExit { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// `settingsFolder` holds the default paper.dat and the calibrations.
int runBatch(const BatchOptions& options, const QString& settingsFolder, QTextStream& out, QTextStream& err);
