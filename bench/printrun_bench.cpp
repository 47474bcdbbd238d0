// The print run into a PDF file: 1000 copies of a 120 × 120 mm label at
// 600 dpi, beside the same job with one copy. The label is rendered once and
// the same picture drawn at every position, so the file holds it once and
// grows by a few bytes per copy. The counters report the file sizes.

#include "print/printrun.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A PDF file at 600 dpi with the whole A4 page printable, as the application
// prints when no printer is installed.
class PdfFileTarget final : public PrintTarget {
  public:
    explicit PdfFileTarget(const QString& path) : writer_(path) {
        writer_.setResolution(600);
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
    }
    int dpiX() const override { return writer_.logicalDpiX(); }
    int dpiY() const override { return writer_.logicalDpiY(); }
    QSize printableSize() const override { return {writer_.width(), writer_.height()}; }
    bool begin(const QString& title) override {
        writer_.setTitle(title);
        painter_ = std::make_unique<QPainter>();
        return painter_->begin(&writer_);
    }
    bool newPage() override { return writer_.newPage(); }
    bool end() override {
        const bool ok = painter_->end();
        painter_.reset();
        return ok;
    }
    QPainter* painter() override { return painter_.get(); }

  private:
    QPdfWriter writer_;
    std::unique_ptr<QPainter> painter_;
};

// Two 120 × 120 mm labels down an A4 sheet.
PaperType squareLabels() {
    PaperType paper;
    paper.LeftMargin = 45;
    paper.TopMargin = 20;
    paper.StepX = 120;
    paper.StepY = 130;
    paper.LabelWidth = 120;
    paper.LabelHeight = 120;
    paper.CountX = 1;
    paper.CountY = 2;
    return paper;
}

const DibImage& picture() {
    static DibImage image = [] {
        DibImage made = createImage(1200, 1200, 24);
        for (int y = 0; y < made.height(); ++y) {
            uint8_t* row = made.rowFromTop(y);
            for (int x = 0; x < made.width(); ++x) {
                row[3 * x] = uint8_t(x / 5);
                row[3 * x + 1] = uint8_t(y / 5);
                row[3 * x + 2] = uint8_t((x ^ y) & 0xFF);
            }
        }
        return made;
    }();
    return image;
}

void BM_PrintRunToPdf(benchmark::State& state) {
    const int copies = int(state.range(0));
    const PaperType paper = squareLabels();
    ObjectTable objects;
    const double pixelSize = 2 * 200000 * 25.39995 / 96;
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/labels.pdf");
    class Silent final : public Messages {
        MsgAnswer message(const QString&, const QString&, MsgButtons, MsgIcon) override {
            return MsgAnswer::Ok;
        }
    } messages;
    for (auto _ : state) {
        PdfFileTarget target(path);
        const PrintJob job{paper, PrintValues{0, copies, 1}, Calibration{},
                           LabelContent{picture(), objects, PlacementValues{100, 0, 0},
                                        LabelRenderSettings{pixelSize, 96, 96}}};
        if (runPrintJob(target, job, messages, DrawContext{messages}) != PrintOutcome::Printed)
            state.SkipWithError("print run failed");
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PrintRunToPdf)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
