#pragma once
// What the printer button chooses: a printer, or a PDF file in place of one,
// and the paper in it. Everything else a print job could carry (copies, page
// ranges, two-sided printing) is not the user's to choose: a label sheet takes
// every page once, in order, on one side.

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPrinter;

struct PrinterChoice {
    QString printerName; // empty: a PDF file
    QPageSize paper;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The printers of the system, its default one first.
QStringList installedPrinterNames();
// The paper sizes a printer takes; for a PDF file, or a printer that names
// none, the common sheet sizes.
QList<QPageSize> paperSizesFor(const QString& printerName);

PrinterChoice printerChoiceOf(const QPrinter& printer);
void applyPrinterChoice(QPrinter& printer, const PrinterChoice& choice);

// A PDF file in place of a printer: 600 dpi, the whole paper printable, as a
// file has no margin a printer cannot reach.
void makePdfFile(QPrinter& printer);
// A printer's origin is the corner of the area its driver says it can print
// (the PPD's ImageableArea), which the calibration's test rectangle measures;
// Qt would otherwise put it a default margin of its own further in. Nothing
// changes for a PDF file, whose whole page is printable.
void useDriverMargins(QPrinter& printer);
// One copy of each page, all pages, first page first, one-sided, whatever an
// earlier dialog or job left on the printer.
void resetJobOptions(QPrinter& printer);
