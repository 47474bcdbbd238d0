#pragma once
// One change of the job that the history can take back and make again. As in
// QUndoStack's own design, the command makes its change: redo() makes it, the
// first time when the history pushes the command, and undo() takes it back.
// Commands change the job through its setters, so the views follow the same
// signals as for any other change.

#include <QString>
#include <QUndoCommand>

#include <cstddef>
#include <memory>

class CoverJob;

class JobCommand : public QUndoCommand {
  public:
    JobCommand(CoverJob& job, const QString& name) : QUndoCommand(name), job_(job) {}

    void redo() final;
    void undo() final;
    bool mergeWith(const QUndoCommand* other) final;

    // Bytes of image memory the command holds; the history keeps their sum in bounds.
    virtual std::size_t imageBytes() const { return 0; }

  protected:
    // Makes the change, or takes it back.
    virtual void apply() = 0;
    virtual void revert() = 0;
    // Takes a later command of the same id() into this one, as a value typed
    // digit by digit becomes one step; false when they do not fit.
    virtual bool absorb(const JobCommand& later) {
        (void)later;
        return false;
    }
    // True when the command, after absorbing, leads back to where it began.
    virtual bool changesNothing() const { return false; }
    // A command of the same kind that holds this one's state and its change
    // as made; this one is left empty. The history uses it to drop older
    // commands, which QUndoStack cannot do while it holds them.
    virtual std::unique_ptr<JobCommand> takeOver() = 0;

    CoverJob& job() const { return job_; }

  private:
    friend class JobHistory;
    CoverJob& job_;
    // Set while the history puts a taken-over command back: its change is made.
    bool reinserted_ = false;
};

// The ids of the commands that merge.
enum CommandMergeId : int { MergeLineWidth = 1, MergePlacement, MergePrintValues };
