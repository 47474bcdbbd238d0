#pragma once
// Image changes in the history. A step holds the image and marked region the
// job does not show: before its change after it was made, after its change
// once undone. Undo and redo exchange them with the job's, which costs no
// copy however large the image is.

#include "document/coverjob.h"
#include "document/jobstep.h"

#include <QString>

class JobHistory;

class ImageSwapStep : public JobStep {
  public:
    ImageSwapStep(DibImage&& image, const MarkedRegion& region);

    void undo(CoverJob& job) override { exchange(job); }
    void redo(CoverJob& job) override { exchange(job); }
    std::size_t imageBytes() const override;

  private:
    void exchange(CoverJob& job);

    DibImage image_;
    MarkedRegion region_;
};

// Puts `image` in the place of the job's image in one batch with the region
// (the whole new image when `markWhole`, else as it is) and records the change
// under `name`, keeping the previous image and region for undo.
void replaceImageAsStep(CoverJob& job, const QString& name, DibImage&& image, bool markWhole);

// Records a change of the job's pixels made in place, given the pixels and
// region from before it. A null `previous` (its copy could not be made) drops
// the history instead.
void recordImageEdit(CoverJob& job, const QString& name, DibImage&& previous, const MarkedRegion& region);
