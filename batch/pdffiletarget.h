#pragma once
// A print target writing a PDF file at a chosen resolution and paper size, with
// the whole page printable. The file appears only when the job ended well: it
// is written to a temporary file beside it and renamed at the end.

#include "print/printtarget.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>

class PdfFileTarget final : public PrintTarget {
  public:
    PdfFileTarget(const QString& path, int resolution, const QPageSize& paper);
    ~PdfFileTarget() override;

    int dpiX() const override { return resolution_; }
    int dpiY() const override { return resolution_; }
    QSize printableSize() const override;
    bool begin(const QString& title) override;
    bool newPage() override;
    bool end() override;
    QPainter* painter() override { return painter_.get(); }

  private:
    QString path_;
    int resolution_;
    QPageSize paper_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
};
