#include "document/jobcommand.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"

void JobCommand::redo() {
    if (reinserted_) return;
    const JobHistory::Running running(job_.history());
    apply();
}

void JobCommand::undo() {
    const JobHistory::Running running(job_.history());
    revert();
}

bool JobCommand::mergeWith(const QUndoCommand* other) {
    const auto& later = static_cast<const JobCommand&>(*other);
    // Commands put back in place stay as they were kept.
    if (later.reinserted_ || !absorb(later)) return false;
    setObsolete(changesNothing());
    return true;
}
