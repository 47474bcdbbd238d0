#pragma once
// A print target writing a PDF file: the paper the user chose at a chosen
// resolution, the whole page printable, as a file has no margin a printer
// cannot reach. The file is written whole or not at all: the PDF goes into a
// temporary file beside it, every write checked, and takes the old file's
// place only when the job ended well. Otherwise the old file stays as it was
// and failureText() names the file and the system's reason.

#include "base/wholefile.h"
#include "print/printtarget.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

class PdfFileTarget final : public PrintTarget {
    Q_DECLARE_TR_FUNCTIONS(PdfFileTarget)

  public:
    // The paper's size and orientation count; its margins do not.
    PdfFileTarget(const QString& path, int resolution, const QPageLayout& paper);
    ~PdfFileTarget() override;

    int dpiX() const override { return resolution_; }
    int dpiY() const override { return resolution_; }
    QSize printableSize() const override;
    bool begin(const QString& title) override;
    bool newPage() override;
    bool end() override;
    QPainter* painter() override { return painter_.get(); }
    QString failureText() const override { return failureText_; }

  private:
    bool fail();

    QString path_;
    int resolution_;
    QPageLayout paper_;
    std::unique_ptr<WholeFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    QString failureText_;
};
