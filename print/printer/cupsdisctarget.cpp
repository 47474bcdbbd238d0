#include "print/printer/cupsdisctarget.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

namespace {

struct OptionsFree {
    int count = 0;
    cups_option_t* options = nullptr;
    ~OptionsFree() { cupsFreeOptions(count, options); }
};

} // namespace

QPageLayout squarePageLayout(double sidePt) {
    // An exact size: a fuzzy match could take a standard paper close to it.
    const QPageSize size(QSizeF(sidePt, sidePt), QPageSize::Point, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF());
}

CupsDiscTarget::CupsDiscTarget(const QString& printerName, double pageSidePt, int resolution,
                               JobOptions options)
    : printerName_(printerName), resolution_(resolution), page_(squarePageLayout(pageSidePt)),
      options_(std::move(options)) {}

CupsDiscTarget::~CupsDiscTarget() = default;

QSize CupsDiscTarget::printableSize() const {
    return page_.fullRectPixels(resolution_).size();
}

bool CupsDiscTarget::begin(const QString& title) {
    failureText_.clear();
    title_ = title;
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        failureText_ = tr("Für den Druckauftrag konnte keine temporäre Datei angelegt werden.");
        return false;
    }
    file_ =
        std::make_unique<PdfFileTarget>(folder_->filePath(QStringLiteral("disc.pdf")), resolution_, page_);
    if (file_->begin(title)) return true;
    failureText_ = file_->failureText();
    return false;
}

bool CupsDiscTarget::newPage() {
    return file_ && file_->newPage();
}

QPainter* CupsDiscTarget::painter() {
    return file_ ? file_->painter() : nullptr;
}

bool CupsDiscTarget::end() {
    if (!file_) return false;
    const bool written = file_->end();
    if (!written) failureText_ = file_->failureText();
    const bool sent = written && send();
    file_.reset();
    folder_.reset();
    return sent;
}

bool CupsDiscTarget::send() {
    OptionsFree options;
    for (const auto& [name, value] : options_)
        options.count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), options.count,
                                      &options.options);
    const QByteArray path = QFile::encodeName(folder_->filePath(QStringLiteral("disc.pdf")));
    jobId_ = cupsPrintFile2(CUPS_HTTP_DEFAULT, printerName_.toUtf8().constData(), path.constData(),
                            title_.toUtf8().constData(), options.count, options.options);
    if (jobId_ > 0) return true;
    failureText_ = tr("Der Druckauftrag konnte nicht an den Drucker \"%1\" übergeben werden: %2")
                       .arg(printerName_, QString::fromUtf8(cupsLastErrorString()));
    return false;
}
