#include "batch/pdffiletarget.h"

#include "base/savefile.h"

#include <QPageLayout>

PdfFileTarget::PdfFileTarget(const QString& path, int resolution, const QPageSize& paper)
    : path_(path), resolution_(resolution), paper_(paper) {}

PdfFileTarget::~PdfFileTarget() {
    if (painter_) painter_->end();
    if (file_) file_->cancelWriting();
}

QSize PdfFileTarget::printableSize() const {
    return paper_.sizePixels(resolution_);
}

bool PdfFileTarget::begin(const QString& title) {
    file_ = std::make_unique<QSaveFile>(path_);
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(resolution_);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("cdcover-batch"));
    writer_->setPageLayout(QPageLayout(paper_, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        painter_.reset();
        return false;
    }
    return true;
}

bool PdfFileTarget::newPage() {
    return painter_ && writer_->newPage();
}

bool PdfFileTarget::end() {
    if (!painter_) return false;
    const bool painted = painter_->end();
    painter_.reset();
    writer_.reset(); // flushes the document into the file
    const bool written = painted && commitWhole(*file_);
    file_.reset();
    return written;
}
