#include "print/printer/printerchoice.h"

#include <QPrinter>
#include <QPrinterInfo>

QStringList installedPrinterNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    const QString standard = QPrinterInfo::defaultPrinterName();
    if (names.removeAll(standard) > 0) names.prepend(standard);
    return names;
}

QList<QPageSize> paperSizesFor(const QString& printerName) {
    if (!printerName.isEmpty()) {
        const QList<QPageSize> sizes = QPrinterInfo::printerInfo(printerName).supportedPageSizes();
        if (!sizes.isEmpty()) return sizes;
    }
    QList<QPageSize> common;
    for (const QPageSize::PageSizeId id :
         {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::A6, QPageSize::B4, QPageSize::B5,
          QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::Tabloid})
        common << QPageSize(id);
    return common;
}

PrinterChoice printerChoiceOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QString name = printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
    return {name, layout.pageSize(), layout.orientation()};
}

void applyPrinterChoice(QPrinter& printer, const PrinterChoice& choice) {
    if (choice.printerName.isEmpty()) {
        if (printer.outputFormat() != QPrinter::PdfFormat) makePdfFile(printer);
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setPrinterName(choice.printerName);
        // A file name would send the job to the file.
        printer.setOutputFileName(QString());
    } else {
        printer.setPrinterName(choice.printerName);
    }
    if (choice.paper.isValid()) printer.setPageSize(choice.paper);
    printer.setPageOrientation(choice.orientation);
    useDriverMargins(printer);
}

void useDriverMargins(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return;
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

void makePdfFile(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
}

void resetJobOptions(QPrinter& printer) {
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    printer.setPageOrder(QPrinter::FirstPageFirst);
    // Two-sided, the second sheet would land on the back of the first.
    printer.setDuplex(QPrinter::DuplexNone);
}
