#include "print/printer/discoutput.h"

#include "print/discprint.h"
#include "print/disctray.h"
#include "print/pdffiletarget.h"
#include "print/printer/cupsdisctarget.h"
#include "print/printer/cupsdisctray.h"

bool printsOntoDiscs(const QString& printerName) {
    return printerName.isEmpty() || canPrintDiscs(readDiscTray(printerName));
}

std::optional<DiscOutput> discOutputFor(const QString& printerName, const QString& fileName,
                                        const DiscFormat& disc, const DiscOffset& calibration,
                                        int resolution) {
    if (printerName.isEmpty())
        return DiscOutput{std::make_unique<PdfFileTarget>(fileName, resolution, discFilePage(disc)),
                          calibration};
    const DiscTray tray = readDiscTray(printerName);
    if (!canPrintDiscs(tray)) return std::nullopt;
    // A tray without disc pages of its own takes a page of the disc's size.
    const std::optional<DiscPageSize> page = discPageFor(tray, disc);
    const double side = page ? page->sidePt : pointsFromMm(disc.outerDiameterMm);
    return DiscOutput{std::make_unique<CupsDiscTarget>(printerName, side, resolution,
                                                       discJobOptions(tray, disc, calibration)),
                      drawingShift(tray, calibration)};
}
