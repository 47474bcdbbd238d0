#pragma once
// The print run, on any print target.

#include "base/messages.h"
#include "paper/papertype.h"
#include "print/calibration.h"
#include "print/labelbitmap.h"
#include "print/printtarget.h"
#include "print/sheetlayout.h"
#include "raster/drawcontext.h"

// The print job's title, which also names the PDF file output.
QString printTitle();

struct PrintJob {
    const PaperType& paper;
    PrintValues values;
    Calibration calibration;
    LabelContent content;
};

// The job's layout on the target, with the calibration applied.
SheetDevice printerDevice(const PrintTarget& target, const Calibration& calibration);

// NotStarted and NotFinished: the target's failureText() tells why, if it can.
enum class PrintOutcome { Printed, NoLabelArea, NoMemory, NotStarted, NotFinished };

// What the user is told when a job was NotStarted or NotFinished on `target`:
// the target's own reason when it has one.
QString printFailureText(const PrintTarget& target, PrintOutcome outcome);

// False when the job's label covers not one pixel of the target: the format
// gives it no width or height, or it is narrower or lower than a printer pixel.
bool labelHasArea(const PrintTarget& target, const PrintJob& job);
// What the user is told when labelHasArea is false.
QString noLabelAreaMessage(const PaperType& paper);

// Renders the label once at the target's resolution and copies it to every
// position of the job, opening a new page where a position begins a new sheet.
// Unequal resolutions are reported through `messages` and printed anyway. A
// label without area starts no job. `drawing` is the screen's: the label's
// picture is rendered as there.
PrintOutcome runPrintJob(PrintTarget& target, const PrintJob& job, Messages& messages,
                         const DrawContext& drawing);
