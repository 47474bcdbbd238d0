#include "document/jobhistory.h"

#include "document/coverjob.h"
#include "document/valuesteps.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

// The stack's command around a step. It is pushed after its change was made,
// so the push's own redo does nothing.
class HistoryCommand : public QUndoCommand {
  public:
    HistoryCommand(JobHistory& history, const QString& name, std::unique_ptr<JobStep> step)
        : QUndoCommand(name), history_(history), step_(std::move(step)) {}

    void undo() override { history_.replay(*step_, true); }
    void redo() override {
        if (std::exchange(alreadyDone_, false)) return;
        history_.replay(*step_, false);
    }
    int id() const override { return step_->mergeKey(); }
    bool mergeWith(const QUndoCommand* other) override {
        if (history_.rebuilding_) return false;
        if (!step_->absorb(*static_cast<const HistoryCommand*>(other)->step_)) return false;
        setObsolete(step_->changesNothing());
        return true;
    }

    const JobStep& step() const { return *step_; }
    std::unique_ptr<JobStep> takeStep() { return std::move(step_); }

  private:
    JobHistory& history_;
    std::unique_ptr<JobStep> step_;
    bool alreadyDone_ = true;
};

JobHistory::JobHistory(CoverJob& job) : job_(job), watch_(std::make_unique<ValueWatch>(job, *this)) {}

JobHistory::~JobHistory() {
    // The commands go before the watch and the job they refer to.
    stack_.clear();
}

void JobHistory::record(const QString& name, std::unique_ptr<JobStep> step) {
    if (replaying()) return;
    if (step->imageBytes() > imageMemoryLimit_) {
        changedWithoutStep();
        return;
    }
    stack_.push(new HistoryCommand(*this, name, std::move(step)));
    dropOldestBeyondLimit();
}

void JobHistory::changedWithoutStep() {
    stack_.clear();
    emit stepLost();
}

void JobHistory::clear() {
    stack_.clear();
    watch_->takeJobValues();
}

void JobHistory::setImageMemoryLimit(std::size_t bytes) {
    imageMemoryLimit_ = bytes;
    dropOldestBeyondLimit();
}

std::size_t JobHistory::imageMemoryUsed() const {
    std::size_t used = 0;
    for (int i = 0; i < stack_.count(); ++i)
        used += static_cast<const HistoryCommand*>(stack_.command(i))->step().imageBytes();
    return used;
}

void JobHistory::replay(JobStep& step, bool undo) {
    ++replaying_;
    if (undo)
        step.undo(job_);
    else
        step.redo(job_);
    --replaying_;
    watch_->takeJobValues();
}

// QUndoStack cannot drop its oldest command alone, and its count limit cannot
// change while it holds commands: the steps are taken out, and those that fit,
// newest first, go back in their order. Steps waiting to be redone are dropped.
void JobHistory::dropOldestBeyondLimit() {
    std::size_t used = imageMemoryUsed();
    if (used <= imageMemoryLimit_) return;
    struct Kept {
        QString name;
        std::unique_ptr<JobStep> step;
    };
    const int done = stack_.index();
    std::vector<Kept> steps;
    for (int i = 0; i < done; ++i) {
        auto* command = const_cast<HistoryCommand*>(static_cast<const HistoryCommand*>(stack_.command(i)));
        steps.push_back({command->text(), command->takeStep()});
    }
    used = 0;
    for (const Kept& kept : steps)
        used += kept.step->imageBytes();
    std::size_t first = 0;
    for (; used > imageMemoryLimit_ && first < steps.size(); ++first)
        used -= steps[first].step->imageBytes();
    rebuilding_ = true;
    stack_.clear();
    for (std::size_t i = first; i < steps.size(); ++i)
        stack_.push(new HistoryCommand(*this, steps[i].name, std::move(steps[i].step)));
    rebuilding_ = false;
}
