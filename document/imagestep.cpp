#include "document/imagestep.h"

#include "document/jobhistory.h"

ImageSwapCommand::ImageSwapCommand(CoverJob& job, const QString& name, DibImage&& image,
                                   const MarkedRegion& region)
    : JobCommand(job, name), image_(std::move(image)), region_(region) {}

std::size_t ImageSwapCommand::imageBytes() const {
    return image_.sizeImage() + sizeof(BitmapInfoHeader) + image_.colors().size_bytes();
}

std::unique_ptr<JobCommand> ImageSwapCommand::takeOver() {
    return std::make_unique<ImageSwapCommand>(job(), text(), std::move(image_), region_);
}

void ImageSwapCommand::exchange() {
    CoverJob& job = this->job();
    const CoverJob::ChangeBatch swap(job);
    image_ = job.exchangeImage(std::move(image_));
    const MarkedRegion shown = job.region();
    if (shown == region_) return;
    job.setRegion(region_);
    region_ = shown;
}

void replaceImageAsStep(CoverJob& job, const QString& name, DibImage&& image, bool markWhole) {
    const MarkedRegion region = markWhole ? MarkedRegion{0, 0, image.width(), image.height()} : job.region();
    job.history().push(std::make_unique<ImageSwapCommand>(job, name, std::move(image), region));
}

void recordImageEdit(CoverJob& job, const QString& name, DibImage&& previous, const MarkedRegion& region) {
    if (previous.isNull()) {
        job.history().changedWithoutStep();
        return;
    }
    // The job goes back to where it was before the edit, and the command makes
    // the edit again; in one batch, the views see the edited image only.
    const CoverJob::ChangeBatch once(job);
    const MarkedRegion edited = job.region();
    DibImage editedImage = job.exchangeImage(std::move(previous));
    if (region != edited) job.setRegion(region);
    job.history().push(std::make_unique<ImageSwapCommand>(job, name, std::move(editedImage), edited));
}
