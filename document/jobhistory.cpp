#include "document/jobhistory.h"

#include <QSignalBlocker>

#include <utility>
#include <vector>

JobHistory::~JobHistory() {
    // Whoever listens to the stack may be half gone by now.
    const QSignalBlocker quiet(stack_);
    stack_.clear();
}

const JobCommand& JobHistory::command(int index) const {
    return static_cast<const JobCommand&>(*stack_.command(index));
}

void JobHistory::push(std::unique_ptr<JobCommand> command) {
    if (running_ > 0) {
        command->redo();
        return;
    }
    stack_.push(command.release());
    // The newest step is the command pushed or the one it merged into; none
    // when the merge came back to where that one began.
    if (stack_.index() > 0 && this->command(stack_.index() - 1).imageBytes() > imageMemoryLimit_) {
        changedWithoutStep();
        return;
    }
    dropOldestBeyondLimit();
}

void JobHistory::changedWithoutStep() {
    stack_.clear();
    // No step leads back to the saved job any more.
    stack_.resetClean();
    emit stepLost();
}

void JobHistory::clear() {
    stack_.clear();
}

void JobHistory::setImageMemoryLimit(std::size_t bytes) {
    imageMemoryLimit_ = bytes;
    dropOldestBeyondLimit();
}

std::size_t JobHistory::imageMemoryUsed() const {
    std::size_t used = 0;
    for (int i = 0; i < stack_.count(); ++i)
        used += command(i).imageBytes();
    return used;
}

// QUndoStack cannot drop its oldest command alone, and its count limit cannot
// change while it holds commands: the commands are taken over, and those that
// fit, newest first, go back in their order, the saved state where it was.
// Commands waiting to be redone are dropped.
void JobHistory::dropOldestBeyondLimit() {
    if (imageMemoryUsed() <= imageMemoryLimit_) return;
    const int done = stack_.index();
    const int saved = stack_.cleanIndex();
    std::vector<std::unique_ptr<JobCommand>> kept;
    std::size_t used = 0;
    for (int i = 0; i < done; ++i) {
        kept.push_back(const_cast<JobCommand&>(command(i)).takeOver());
        used += kept.back()->imageBytes();
    }
    int first = 0;
    for (; used > imageMemoryLimit_ && first < done; ++first)
        used -= kept[first]->imageBytes();
    stack_.clear();
    for (int i = first; i < done; ++i) {
        JobCommand* command = kept[i].release();
        command->reinserted_ = true;
        stack_.push(command);
        command->reinserted_ = false;
        if (i + 1 == saved) stack_.setClean();
    }
    if (saved < first || saved > done) stack_.resetClean();
}
