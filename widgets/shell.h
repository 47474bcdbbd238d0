#pragma once
// What a page gets from the window around it, besides the job: how to ask the
// user, the status bar, the printer, the settings folder, the paper format
// catalogue, the printers' calibrations, the screen, the limits of image
// operations, and the drag-to-scroll state the views share. The main window
// implements it; a page knows nothing else of the window or of the other pages.

#include "base/screenfacts.h"
#include "raster/drawcontext.h"
#include "widgets/dialogs.h"

#include <QString>

class PaperCatalogue;
class PrinterCalibrations;
class PrintTarget;
struct DragScroll;

class Shell {
  public:
    virtual ~Shell() = default;

    virtual Dialogs& dialogs() = 0;
    // The status bar's progress bar, 0..100; repainted at once.
    virtual void showProgress(int percent) = 0;
    // A line in the status bar's text panel.
    virtual void showStatus(const QString& text) = 0;
    virtual PrintTarget& printTarget() = 0;
    // Where paper.dat, options.dat, the printers' calibrations and the program's other
    // settings live; ends with '/'.
    virtual QString settingsFolder() const = 0;
    virtual PaperCatalogue& paperCatalogue() = 0;
    // The calibration of each print target, which "Go!" prints with.
    virtual PrinterCalibrations& printerCalibrations() = 0;
    virtual ScreenFacts screen() const = 0;
    // What the operations on the job's pictures may take of the machine.
    virtual const ImageLimits& imageLimits() const = 0;
    // How the views draw pictures: on this screen, telling the user what fails.
    DrawContext screenDrawing() {
        return DrawContext{
            .messages = dialogs(), .screenColorDepth = screen().colorDepth, .limits = imageLimits()};
    }
    // One drag at a time scrolls the scan view, the placement view or the sheet preview.
    virtual DragScroll& dragScroll() = 0;
};
