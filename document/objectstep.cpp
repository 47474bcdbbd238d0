#include "document/objectstep.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"

#include <algorithm>
#include <memory>

ObjectCommand::ObjectCommand(CoverJob& job, const QString& name, std::vector<SlotChange> changes,
                             int selectedBefore, int selectedAfter, int mergeId)
    : JobCommand(job, name), changes_(std::move(changes)), selectedBefore_(selectedBefore),
      selectedAfter_(selectedAfter), mergeId_(mergeId) {}

// The views hear of it only when the table was not so already: an edit made
// in place, a number typed into a control say, has told them itself.
void ObjectCommand::show(bool after) {
    ObjectTable& table = job().objects();
    bool changed = false;
    for (const SlotChange& change : changes_) {
        const AnnotationObject& wanted = after ? change.after : change.before;
        if (table.slot(change.slot) == wanted) continue;
        table.slot(change.slot) = wanted;
        changed = true;
    }
    const int selected = after ? selectedAfter_ : selectedBefore_;
    if (table.currentObject != selected) {
        table.currentObject = selected;
        changed = true;
    }
    if (changed) job().objectsEdited();
}

// Only an edit of the same slots merges: a number changed on one object.
bool ObjectCommand::absorb(const JobCommand& later) {
    const auto* next = dynamic_cast<const ObjectCommand*>(&later);
    if (!next || next->changes_.size() != changes_.size()) return false;
    for (std::size_t i = 0; i < changes_.size(); ++i)
        if (changes_[i].slot != next->changes_[i].slot) return false;
    for (std::size_t i = 0; i < changes_.size(); ++i)
        changes_[i].after = next->changes_[i].after;
    selectedAfter_ = next->selectedAfter_;
    return true;
}

bool ObjectCommand::changesNothing() const {
    return std::all_of(changes_.begin(), changes_.end(),
                       [](const SlotChange& change) { return change.before == change.after; });
}

std::unique_ptr<JobCommand> ObjectCommand::takeOver() {
    return std::make_unique<ObjectCommand>(job(), text(), std::move(changes_), selectedBefore_,
                                           selectedAfter_, mergeId_);
}

ObjectEdit::ObjectEdit(CoverJob& job, const QString& name, int mergeId)
    : job_(job), name_(name), mergeId_(mergeId), before_(job.objects()) {}

void ObjectEdit::record() {
    const ObjectTable& now = job_.objects();
    std::vector<ObjectCommand::SlotChange> changes;
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
        if (!(now.slot(slot) == before_.slot(slot)))
            changes.push_back({slot, before_.slot(slot), now.slot(slot)});
    if (changes.empty()) return;
    job_.history().push(std::make_unique<ObjectCommand>(job_, name_, std::move(changes),
                                                        before_.currentObject, now.currentObject, mergeId_));
}
