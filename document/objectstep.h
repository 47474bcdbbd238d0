#pragma once
// Changes of the annotation objects in the history. A command holds the slots
// it changes, each before and after, with the selection before and after.
// An ObjectEdit finds them for a command of the page: it takes a copy of the
// table before the command changes it, and record() makes the difference one
// step.

#include "document/jobcommand.h"
#include "document/objecttable.h"

#include <QString>

#include <vector>

class CoverJob;

class ObjectCommand : public JobCommand {
  public:
    struct SlotChange {
        int slot = 0;
        AnnotationObject before, after;
    };
    ObjectCommand(CoverJob& job, const QString& name, std::vector<SlotChange> changes, int selectedBefore,
                  int selectedAfter, int mergeId);

    int id() const override { return mergeId_; }

  protected:
    void apply() override { show(true); }
    void revert() override { show(false); }
    bool absorb(const JobCommand& later) override;
    bool changesNothing() const override;
    std::unique_ptr<JobCommand> takeOver() override;

  private:
    // Puts the slots and the selection of one side into the table.
    void show(bool after);

    std::vector<SlotChange> changes_;
    int selectedBefore_, selectedAfter_;
    int mergeId_;
};

class ObjectEdit {
  public:
    // `mergeId` lets edits of one number on the same object become one step.
    ObjectEdit(CoverJob& job, const QString& name, int mergeId = -1);
    // Makes what changed since the edit began one step; nothing when no object
    // changed (a change of the selection alone is no step). The table already
    // shows the change, so the command finds it made.
    void record();

  private:
    CoverJob& job_;
    QString name_;
    int mergeId_;
    ObjectTable before_;
};
