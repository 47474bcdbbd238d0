#pragma once
// A print target that keeps every printed page as an image, at resolutions the
// test chooses (unequal ones allowed).

#include "print/printtarget.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

class PageRecorder final : public PrintTarget {
  public:
    PageRecorder(int dpiX, int dpiY, QSize printablePixels)
        : dpiX_(dpiX), dpiY_(dpiY), size_(printablePixels) {}
    // An A4 sheet (210 × 297 mm) at the given resolutions.
    static QSize a4Pixels(int dpiX, int dpiY);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    QSize printableSize() const override { return size_; }
    bool begin(const QString& title) override;
    bool newPage() override;
    bool end() override;
    QPainter* painter() override { return painter_.get(); }
    QString printerName() const override { return queue; }

    // The queue the recorder stands in for; empty: the PDF file output.
    QString queue;
    QString title;
    std::vector<QImage> pages;
    int jobs = 0;
    bool active() const { return painter_ != nullptr; }

  private:
    void startPage();
    void finishPage();
    int dpiX_, dpiY_;
    QSize size_;
    QImage current_;
    std::unique_ptr<QPainter> painter_;
};
