#pragma once
// The calibration a cdcover-batch run prints with: --calibration's values,
// else the file --options names, else that of the output's print target as the
// window keeps it (-P NAME: the queue's, -o FILE.pdf: the PDF file output's),
// which is options.dat for a target without a file of its own.

#include "batch/batchoptions.h"
#include "print/calibration.h"

Calibration chooseCalibration(const BatchOptions& options, const QString& settingsFolder);
