#pragma once
// One change of the job that the history can take back and make again. A step
// is recorded after its change was made; undo and redo then move the job
// between the states before and after it.

#include <cstddef>

class CoverJob;

class JobStep {
  public:
    virtual ~JobStep() = default;
    virtual void undo(CoverJob& job) = 0;
    virtual void redo(CoverJob& job) = 0;
    // Bytes of image memory the step holds; the history keeps their sum in bounds.
    virtual std::size_t imageBytes() const { return 0; }
    // Steps with the same key (not -1) that follow one another may become one,
    // as a value typed digit by digit does.
    virtual int mergeKey() const { return -1; }
    // Takes the later step's outcome into this one; false when they do not fit.
    virtual bool absorb(const JobStep& later) {
        (void)later;
        return false;
    }
    // True when the step, after absorbing, leads back to where it began.
    virtual bool changesNothing() const { return false; }
};

// The keys of the steps that merge.
enum StepMergeKey : int { MergeLineWidth = 1, MergePlacement, MergePrintValues };
