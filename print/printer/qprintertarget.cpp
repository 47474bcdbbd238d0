#include "print/printer/qprintertarget.h"

#include "print/printer/printerchoice.h"

#include <QPrinterInfo>

QPrinterTarget::QPrinterTarget() : printer_(QPrinter::HighResolution) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) makePdfFile(printer_);
    useDriverMargins(printer_);
}

QPrinterTarget::QPrinterTarget(PdfFileOnly) : printer_(QPrinter::HighResolution) {
    makePdfFile(printer_);
}

QPrinterTarget::QPrinterTarget(const QString& printerName) : printer_(QPrinter::HighResolution) {
    printer_.setPrinterName(printerName);
    useDriverMargins(printer_);
}

QPrinterTarget::~QPrinterTarget() {
    if (painter_) painter_->end();
}

int QPrinterTarget::dpiX() const {
    return printer_.logicalDpiX();
}
int QPrinterTarget::dpiY() const {
    return printer_.logicalDpiY();
}
QString QPrinterTarget::printerName() const {
    return printsToFile() ? QString() : printer_.printerName();
}

QSize QPrinterTarget::printableSize() const {
    if (printsToFile()) return {printer_.width(), printer_.height()};
    // The size begin() will print on, whatever margins the printer was given since.
    QPageLayout layout = printer_.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return layout.paintRectPixels(printer_.resolution()).size();
}

bool QPrinterTarget::begin(const QString& title) {
    printer_.setDocName(title);
    resetJobOptions(printer_);
    file_.reset();
    if (printsToFile()) {
        file_ =
            std::make_unique<PdfFileTarget>(outputFileName_, printer_.resolution(), printer_.pageLayout());
        return file_->begin(title);
    }
    useDriverMargins(printer_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        return false;
    }
    return true;
}

bool QPrinterTarget::newPage() {
    if (file_) return file_->newPage();
    return painter_ && printer_.newPage();
}

bool QPrinterTarget::end() {
    if (file_) return file_->end();
    if (!painter_) return false;
    const bool ok = painter_->end();
    painter_.reset();
    return ok;
}

QPainter* QPrinterTarget::painter() {
    return file_ ? file_->painter() : painter_.get();
}

QString QPrinterTarget::failureText() const {
    return file_ ? file_->failureText() : QString();
}
