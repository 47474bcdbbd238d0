#include "print/pdffiletarget.h"

#include "base/systemerror.h"

namespace {

QPageLayout wholePage(const QPageLayout& paper) {
    QPageLayout layout(paper.pageSize(), paper.orientation(), QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

} // namespace

PdfFileTarget::PdfFileTarget(const QString& path, int resolution, const QPageLayout& paper)
    : path_(path), resolution_(resolution), paper_(wholePage(paper)) {}

PdfFileTarget::~PdfFileTarget() {
    if (painter_) painter_->end();
}

QSize PdfFileTarget::printableSize() const {
    return paper_.fullRectPixels(resolution_).size();
}

bool PdfFileTarget::begin(const QString& title) {
    failureText_.clear();
    file_ = std::make_unique<WholeFile>(path_);
    if (!file_->open(QIODevice::WriteOnly)) return fail();
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(resolution_);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("cdcover"));
    writer_->setPageLayout(paper_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) return fail();
    return true;
}

bool PdfFileTarget::newPage() {
    if (!painter_) return false;
    if (!writer_->newPage()) return fail();
    return true;
}

bool PdfFileTarget::end() {
    if (!painter_) return false;
    // The writer hands most of the document to the file only now.
    const bool painted = painter_->end();
    painter_.reset();
    writer_.reset();
    if (!painted || !file_->commit()) return fail();
    file_.reset();
    return true;
}

// Ends the job without touching the old file.
bool PdfFileTarget::fail() {
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    writer_.reset();
    const int errorNumber = file_ ? file_->errorNumber() : 0;
    file_.reset();
    failureText_ = notWrittenText(tr("Die PDF-Datei %1").arg(path_), errorNumber);
    return false;
}
