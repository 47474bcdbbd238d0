#pragma once
// Image changes in the history. A command holds the image and marked region
// the job does not show: the new ones until its change is made, the ones from
// before while it is made. Making and taking back the change exchange them
// with the job's, which costs no copy however large the image is.

#include "document/coverjob.h"
#include "document/jobcommand.h"

#include <QString>

class ImageSwapCommand : public JobCommand {
  public:
    ImageSwapCommand(CoverJob& job, const QString& name, DibImage&& image, const MarkedRegion& region);

    std::size_t imageBytes() const override;

  protected:
    void apply() override { exchange(); }
    void revert() override { exchange(); }
    std::unique_ptr<JobCommand> takeOver() override;

  private:
    void exchange();

    DibImage image_;
    MarkedRegion region_;
};

// Puts `image` in the place of the job's image in one batch with the region
// (the whole new image when `markWhole`, else as it is) as a step named
// `name`, keeping the previous image and region for undo.
void replaceImageAsStep(CoverJob& job, const QString& name, DibImage&& image, bool markWhole);

// Makes a change of the job's pixels done in place a step, given the pixels
// and region from before it. A null `previous` (its copy could not be made)
// drops the history instead.
void recordImageEdit(CoverJob& job, const QString& name, DibImage&& previous, const MarkedRegion& region);
