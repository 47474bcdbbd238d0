#pragma once
// The undo history of one job: a QUndoStack of the user's changes, each named
// in German for the menus. Its clean state is the job as last saved, opened or
// begun. The image memory the commands hold is kept within a limit by dropping
// the oldest; a command that alone would not fit is not kept at all, and since
// the commands before it no longer lead to the job as it now is, they go too.

#include "document/jobcommand.h"

#include <QObject>
#include <QUndoStack>

#include <cstddef>
#include <memory>

class JobHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr std::size_t kDefaultImageMemory = std::size_t(512) << 20;

    JobHistory() = default;
    ~JobHistory() override;

    QUndoStack& stack() { return stack_; }
    const QUndoStack& stack() const { return stack_; }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }

    // Makes the command's change and keeps it as the newest step. A command
    // pushed while another is made or taken back belongs to that one: its
    // change is made, but it is no step of its own.
    void push(std::unique_ptr<JobCommand> command);
    // A change was made without a step (its memory could not be had): the
    // steps before it are dropped, the job counts as changed, and stepLost()
    // is sent.
    void changedWithoutStep();
    // Forgets every step: a new or opened job starts without history, as saved.
    void clear();

    // The job as it now is has been saved; undoing or redoing away from here
    // makes it unsaved again, and coming back saved.
    void markSaved() { stack_.setClean(); }
    bool isSaved() const { return stack_.isClean(); }

    std::size_t imageMemoryLimit() const { return imageMemoryLimit_; }
    void setImageMemoryLimit(std::size_t bytes);
    std::size_t imageMemoryUsed() const;

  signals:
    // A change could not be recorded; the user should hear of it once.
    void stepLost();

  private:
    friend class JobCommand;
    // Counts the commands being made or taken back.
    class Running {
      public:
        explicit Running(JobHistory& history) : history_(history) { ++history_.running_; }
        ~Running() { --history_.running_; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

      private:
        JobHistory& history_;
    };
    const JobCommand& command(int index) const;
    void dropOldestBeyondLimit();

    QUndoStack stack_;
    std::size_t imageMemoryLimit_ = kDefaultImageMemory;
    int running_ = 0;
};
