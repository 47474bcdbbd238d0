#pragma once
// Where a job for discs goes: the PDF file output writes square pages of the
// disc's outer diameter; a CUPS queue whose driver has a disc tray gets the
// driver's disc page and the tray's options (cupsdisctarget.h). The window's
// "Go!", its disc test print and cdcover-batch all take their target here.

#include "paper/discformat.h"
#include "print/disccalibration.h"
#include "print/printtarget.h"

#include <QString>

#include <memory>
#include <optional>

inline constexpr int kDiscResolution = 600;

struct DiscOutput {
    std::unique_ptr<PrintTarget> target;
    // What the drawing moves by: the calibration, or nothing where the
    // driver moves the page itself.
    DiscOffset drawingShift;
};

// Whether the queue `printerName` can print onto discs; the PDF file output
// (an empty name) always can.
bool printsOntoDiscs(const QString& printerName);

// The target for `disc` on the queue `printerName`, or in the PDF file
// `fileName` when the name is empty; nothing when the queue has no disc tray.
std::optional<DiscOutput> discOutputFor(const QString& printerName, const QString& fileName,
                                        const DiscFormat& disc, const DiscOffset& calibration,
                                        int resolution = kDiscResolution);
