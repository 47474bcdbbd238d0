#pragma once
// The print target of the application: the system's default CUPS printer, or a
// PDF file at 600 dpi with the whole paper printable when no printer exists.
// QPrinter only describes the file: the file itself is written by a
// PdfFileTarget, whole or not at all, as QPrinter's own PDF output ends
// "successfully" with a file cut off on a full disk.

#include "print/pdffiletarget.h"
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
    QPainter* painter() override;

    QPrinter& printer() { return printer_; }
    // True when the output goes to a PDF file instead of a printer.
    bool printsToFile() const override { return printer_.outputFormat() == QPrinter::PdfFormat; }
    void setOutputFileName(const QString& path) override { outputFileName_ = path; }
    QPrinter* systemPrinter() override { return &printer_; }
    QString printerName() const override;
    QString failureText() const override;

  private:
    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    QString outputFileName_;
    // The job's file while it is written, and afterwards for its failure.
    std::unique_ptr<PdfFileTarget> file_;
};
