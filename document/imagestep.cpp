#include "document/imagestep.h"

#include "document/jobhistory.h"

#include <memory>

ImageSwapStep::ImageSwapStep(DibImage&& image, const MarkedRegion& region)
    : image_(std::move(image)), region_(region) {}

std::size_t ImageSwapStep::imageBytes() const {
    return image_.sizeImage() + sizeof(BitmapInfoHeader) + image_.colors().size_bytes();
}

void ImageSwapStep::exchange(CoverJob& job) {
    const CoverJob::ChangeBatch swap(job);
    image_ = job.exchangeImage(std::move(image_));
    const MarkedRegion shown = job.region();
    job.setRegion(region_);
    region_ = shown;
}

void replaceImageAsStep(CoverJob& job, const QString& name, DibImage&& image, bool markWhole) {
    const MarkedRegion region = job.region();
    DibImage previous;
    {
        const CoverJob::ChangeBatch change(job);
        const int32_t width = image.width(), height = image.height();
        previous = job.exchangeImage(std::move(image));
        if (markWhole) job.setRegion({0, 0, width, height});
    }
    job.history().record(name, std::make_unique<ImageSwapStep>(std::move(previous), region));
}

void recordImageEdit(CoverJob& job, const QString& name, DibImage&& previous, const MarkedRegion& region) {
    if (previous.isNull())
        job.history().changedWithoutStep();
    else
        job.history().record(name, std::make_unique<ImageSwapStep>(std::move(previous), region));
}
