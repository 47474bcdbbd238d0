#pragma once
// The undo history of one job: a QUndoStack of the user's changes, each named
// in German for the menus. The image memory the steps hold is kept within a
// limit by dropping the oldest steps; a step that alone would not fit is not
// kept at all, and since the steps before it no longer lead to the job as it
// now is, they go too.

#include "document/jobstep.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <memory>

class CoverJob;
class ValueWatch;

class JobHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr std::size_t kDefaultImageMemory = std::size_t(512) << 20;

    explicit JobHistory(CoverJob& job);
    ~JobHistory() override;

    QUndoStack& stack() { return stack_; }
    const QUndoStack& stack() const { return stack_; }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }

    // Keeps `step`, whose change the job already shows, as the newest step.
    // Changes made while a step is undone or redone belong to that step and are
    // not recorded again.
    void record(const QString& name, std::unique_ptr<JobStep> step);
    // A change was made without a step (its memory could not be had): the
    // steps before it are dropped and stepLost() is sent.
    void changedWithoutStep();
    // Forgets every step, as a new or opened job starts without history.
    void clear();

    std::size_t imageMemoryLimit() const { return imageMemoryLimit_; }
    void setImageMemoryLimit(std::size_t bytes);
    std::size_t imageMemoryUsed() const;
    // True while a step is being undone or redone.
    bool replaying() const { return replaying_ > 0; }

  signals:
    // A change could not be recorded; the user should hear of it once.
    void stepLost();

  private:
    friend class HistoryCommand;
    void replay(JobStep& step, bool undo);
    void dropOldestBeyondLimit();

    CoverJob& job_;
    QUndoStack stack_;
    std::size_t imageMemoryLimit_ = kDefaultImageMemory;
    int replaying_ = 0;
    bool rebuilding_ = false;
    std::unique_ptr<ValueWatch> watch_;
};
