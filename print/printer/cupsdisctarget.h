#pragma once
// Printing onto discs on a CUPS queue. QPrinter cannot hand a driver options
// such as InputSlot=CD or the ring's diameters, so the pages are written as a
// PDF of the driver's disc page (the same whole-file PDF output the PDF file
// target uses) and that file goes to the queue with cupsPrintFile2 and the
// options.

#include "print/disctray.h"
#include "print/pdffiletarget.h"
#include "print/printtarget.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

class CupsDiscTarget final : public PrintTarget {
    Q_DECLARE_TR_FUNCTIONS(CupsDiscTarget)

  public:
    // Pages of `pageSidePt` square at `resolution`, sent to `printerName` with `options`.
    CupsDiscTarget(const QString& printerName, double pageSidePt, int resolution, JobOptions options);
    ~CupsDiscTarget() override;

    int dpiX() const override { return resolution_; }
    int dpiY() const override { return resolution_; }
    QSize printableSize() const override;
    bool begin(const QString& title) override;
    bool newPage() override;
    // Finishes the PDF and hands it to the queue.
    bool end() override;
    QPainter* painter() override;
    QString printerName() const override { return printerName_; }
    QString failureText() const override { return failureText_; }

    // The scheduler's number of the last job sent; 0 before.
    int jobId() const { return jobId_; }

  private:
    bool send();

    QString printerName_;
    int resolution_;
    QPageLayout page_;
    JobOptions options_;
    QString title_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<PdfFileTarget> file_;
    QString failureText_;
    int jobId_ = 0;
};

// A square page of `sidePt` points, the whole of it printable.
QPageLayout squarePageLayout(double sidePt);
