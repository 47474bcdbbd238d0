#pragma once
// Printing onto discs: each copy is a page of its own with the disc centred on
// the target's printable area, drawn by the same label renderer as a sheet's
// labels, and nothing of it outside the ring (ink there lands on the tray).
// The PDF file output's page is a square of the outer diameter; a disc tray's
// page is the driver's disc page, which is centred on the disc, too.

#include "paper/discformat.h"
#include "print/disccalibration.h"
#include "print/labelbitmap.h"
#include "print/printrun.h"

#include <QPageLayout>

struct DiscPrintJob {
    DiscFormat disc;
    int copies = 1;
    // How far the drawing moves on the page: the disc calibration, or nothing
    // where the printer's driver moves the page itself.
    DiscOffset shift;
    LabelContent content; // its clip shape is the disc's ring, whatever it says
};

// The PDF file output's page for `disc`: a square of its outer diameter.
QPageLayout discFilePage(const DiscFormat& disc);

// The disc's square on the target, in device pixels, centred and shifted.
QRect discRect(const PrintTarget& target, const DiscFormat& disc, const DiscOffset& shift);

// Renders the disc once and prints it on `copies` pages. NoLabelArea when the
// disc's size is not one a disc can have.
PrintOutcome runDiscPrintJob(PrintTarget& target, const DiscPrintJob& job, const DrawContext& drawing);
