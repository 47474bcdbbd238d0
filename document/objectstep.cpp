#include "document/objectstep.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"

#include <algorithm>
#include <memory>

ObjectStep::ObjectStep(std::vector<SlotChange> changes, int selectedBefore, int selectedAfter, int mergeKey)
    : changes_(std::move(changes)), selectedBefore_(selectedBefore), selectedAfter_(selectedAfter),
      mergeKey_(mergeKey) {}

void ObjectStep::undo(CoverJob& job) {
    ObjectTable& table = job.objects();
    for (const SlotChange& change : changes_)
        table.slot(change.slot) = change.before;
    table.CurObj = selectedBefore_;
    job.objectsEdited();
}

void ObjectStep::redo(CoverJob& job) {
    ObjectTable& table = job.objects();
    for (const SlotChange& change : changes_)
        table.slot(change.slot) = change.after;
    table.CurObj = selectedAfter_;
    job.objectsEdited();
}

// Only an edit of the same slots merges: a number changed on one object.
bool ObjectStep::absorb(const JobStep& later) {
    const auto* next = dynamic_cast<const ObjectStep*>(&later);
    if (!next || next->mergeKey_ != mergeKey_ || next->changes_.size() != changes_.size()) return false;
    for (std::size_t i = 0; i < changes_.size(); ++i)
        if (changes_[i].slot != next->changes_[i].slot) return false;
    for (std::size_t i = 0; i < changes_.size(); ++i)
        changes_[i].after = next->changes_[i].after;
    selectedAfter_ = next->selectedAfter_;
    return true;
}

bool ObjectStep::changesNothing() const {
    return std::all_of(changes_.begin(), changes_.end(),
                       [](const SlotChange& change) { return change.before == change.after; });
}

ObjectEdit::ObjectEdit(CoverJob& job, const QString& name, int mergeKey)
    : job_(job), name_(name), mergeKey_(mergeKey), before_(job.objects()) {}

void ObjectEdit::record() {
    const ObjectTable& now = job_.objects();
    std::vector<ObjectStep::SlotChange> changes;
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
        if (!(now.slot(slot) == before_.slot(slot)))
            changes.push_back({slot, before_.slot(slot), now.slot(slot)});
    if (changes.empty()) return;
    job_.history().record(
        name_, std::make_unique<ObjectStep>(std::move(changes), before_.CurObj, now.CurObj, mergeKey_));
}
