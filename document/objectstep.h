#pragma once
// Changes of the annotation objects in the history. An ObjectEdit takes a
// copy of the table before a command changes it; record() then keeps only the
// slots that differ, with the selection before and after.

#include "document/jobstep.h"
#include "document/objecttable.h"

#include <QString>

#include <vector>

class CoverJob;

class ObjectStep : public JobStep {
  public:
    struct SlotChange {
        int slot = 0;
        AnnotationObject before, after;
    };
    ObjectStep(std::vector<SlotChange> changes, int selectedBefore, int selectedAfter, int mergeKey);

    void undo(CoverJob& job) override;
    void redo(CoverJob& job) override;
    int mergeKey() const override { return mergeKey_; }
    bool absorb(const JobStep& later) override;
    bool changesNothing() const override;

  private:
    std::vector<SlotChange> changes_;
    int selectedBefore_, selectedAfter_;
    int mergeKey_;
};

class ObjectEdit {
  public:
    // `mergeKey` lets edits of one number on the same object become one step.
    ObjectEdit(CoverJob& job, const QString& name, int mergeKey = -1);
    // Records what changed since the edit began as one step; nothing when no
    // object changed (a change of the selection alone is no step).
    void record();

  private:
    CoverJob& job_;
    QString name_;
    int mergeKey_;
    ObjectTable before_;
};
