#pragma once
// The print target of the application: the system's default CUPS printer, or a
// PDF file at 600 dpi with the whole paper printable when no printer exists.

#include "print/printtarget.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

class QPrinterTarget final : public PrintTarget {
  public:
    // The system's default printer, or a PDF file when no printer is installed.
    QPrinterTarget();
    // Always a PDF file, whatever printers exist.
    struct PdfFileOnly {};
    explicit QPrinterTarget(PdfFileOnly);
    // The system printer of that name.
    explicit QPrinterTarget(const QString& printerName);
    ~QPrinterTarget() override;

    int dpiX() const override;
    int dpiY() const override;
    QSize printableSize() const override;
    bool begin(const QString& title) override;
    bool newPage() override;
    bool end() override;
    QPainter* painter() override { return painter_.get(); }

    QPrinter& printer() { return printer_; }
    // True when the output goes to a PDF file instead of a printer.
    bool printsToFile() const override { return printer_.outputFormat() == QPrinter::PdfFormat; }
    void setOutputFileName(const QString& path) override { printer_.setOutputFileName(path); }
    QPrinter* systemPrinter() override { return &printer_; }
    QString printerName() const override;

  private:
    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
};
