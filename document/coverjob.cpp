#include "document/coverjob.h"

#include "document/jobhistory.h"

#include <cstring>
#include <utility>

namespace {
bool samePaper(const std::optional<PaperType>& a, const std::optional<PaperType>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::memcmp(&*a, &*b, sizeof(PaperType)) == 0;
}
} // namespace

CoverJob::CoverJob(QObject* parent) : QObject(parent), history_(std::make_unique<JobHistory>()) {}

CoverJob::~CoverJob() {
    history_.reset();
    releaseImage(image_);
}

CoverJob::ChangeBatch::ChangeBatch(CoverJob& job) : job_(job) {
    ++job_.openBatches_;
}

CoverJob::ChangeBatch::~ChangeBatch() {
    if (--job_.openBatches_ > 0) return;
    const unsigned parts = std::exchange(job_.pendingParts_, 0u);
    job_.sendSignals(parts);
}

void CoverJob::announce(Part part) {
    if (openBatches_ > 0)
        pendingParts_ |= unsigned(part);
    else
        sendSignals(unsigned(part));
}

// The order is the order of dependence: a view of the objects sizes itself from
// the page and the scales, which therefore come first.
void CoverJob::sendSignals(unsigned parts) {
    auto has = [parts](Part part) { return (parts & unsigned(part)) != 0; };
    if (has(Part::Page)) emit pageChanged();
    if (has(Part::ViewScales)) emit viewScalesChanged();
    if (has(Part::Image)) emit imageChanged();
    if (has(Part::Region)) emit regionChanged();
    if (has(Part::ObjectsCleared)) emit objectsCleared();
    if (has(Part::Objects)) emit objectsChanged();
    if (has(Part::PaperFormat)) emit paperFormatChanged();
    if (has(Part::Placement)) emit placementChanged();
    if (has(Part::PrintValues)) emit printValuesChanged();
    if (has(Part::FileName)) emit fileNameChanged();
}

void CoverJob::replaceImage(DibImage&& image) {
    releaseImage(image_);
    image_ = std::move(image);
    announce(Part::Image);
}

DibImage CoverJob::exchangeImage(DibImage&& image) {
    DibImage previous = std::exchange(image_, std::move(image));
    announce(Part::Image);
    return previous;
}

void CoverJob::makeWhiteStartImage(const ImageLimits& limits) {
    DibImage white = createImage(320, 200, 24, limits);
    if (!white.isNull()) std::memset(white.pixels(), 255, white.sizeImage());
    replaceImage(std::move(white));
}

void CoverJob::setRegion(const MarkedRegion& region) {
    region_ = region;
    announce(Part::Region);
}

void CoverJob::markWholeImage() {
    setRegion({0, 0, image_.width() - 1, image_.height() - 1});
}

void CoverJob::clearObjects() {
    objects_.clearAll();
    announce(Part::ObjectsCleared);
    announce(Part::Objects);
}

void CoverJob::setPageSize(int32_t width, int32_t height) {
    pageWidth_ = width;
    pageHeight_ = height;
    announce(Part::Page);
}

void CoverJob::setViewScales(double viewZoom, double unitsPerScreenPixel) {
    viewZoom_ = viewZoom;
    unitsPerScreenPixel_ = unitsPerScreenPixel;
    announce(Part::ViewScales);
}

void CoverJob::setPlacement(const PlacementValues& placement) {
    if (placement == placement_) return;
    placement_ = placement;
    announce(Part::Placement);
}

PrintValues CoverJob::withinSheet(const PrintValues& values) const {
    return paperFormat_ ? correctJobValues(*paperFormat_, values) : values;
}

void CoverJob::setPrintValues(const PrintValues& values) {
    const PrintValues corrected = withinSheet(values);
    if (corrected == printValues_) return;
    printValues_ = corrected;
    announce(Part::PrintValues);
}

void CoverJob::setPaperFormat(const std::optional<PaperType>& paper) {
    if (samePaper(paper, paperFormat_)) return;
    // The values the new sheet brings back belong to the format's change: one batch.
    const ChangeBatch together(*this);
    paperFormat_ = paper;
    announce(Part::PaperFormat);
    setPrintValues(printValues_);
}

void CoverJob::setLabelShape(const std::optional<LabelShape>& shape) {
    if (shape == labelShape_) return;
    labelShape_ = shape;
    announce(Part::PaperFormat);
}

void CoverJob::choosePaperFormat(const std::optional<PaperType>& paper,
                                 const std::optional<LabelShape>& shape) {
    if (samePaper(paper, paperFormat_) && shape == labelShape_) return;
    const ChangeBatch together(*this);
    setPaperFormat(paper);
    setLabelShape(shape);
    PrintValues values = printValues_;
    values.clipToShape = clipsToShapeByDefault(shape);
    setPrintValues(values);
}

void CoverJob::setDisc(const std::optional<DiscFormat>& disc) {
    if (disc == disc_) return;
    disc_ = disc;
    announce(Part::PaperFormat);
}

std::optional<PaperType> CoverJob::printedPaper() const {
    return disc_ ? std::optional<PaperType>(discSheet(*disc_)) : paperFormat_;
}

std::optional<LabelShape> CoverJob::printedShape() const {
    return disc_ ? std::optional<LabelShape>(discShape(*disc_)) : labelShape_;
}

PrintSettings CoverJob::printSettings() const {
    return PrintSettings{placement_, printValues_, paperFormat_, paperFormat_ ? labelShape_ : std::nullopt,
                         disc_};
}

void CoverJob::setPrintSettings(const PrintSettings& settings) {
    const ChangeBatch together(*this);
    if (settings.paper) {
        setPaperFormat(settings.paper);
        setLabelShape(settings.shape);
    }
    setDisc(settings.disc);
    setPlacement(settings.placement);
    setPrintValues(settings.values);
}

void CoverJob::setFileName(const QString& fileName) {
    fileName_ = fileName;
    announce(Part::FileName);
}
