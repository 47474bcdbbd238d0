#include "document/valuesteps.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"

#include <memory>
#include <utility>

namespace {

// Bit i is set when field i differs.
unsigned changedFields(const PlacementValues& a, const PlacementValues& b) {
    return unsigned(a.widthPercent != b.widthPercent) | unsigned(a.shiftRightMm != b.shiftRightMm) << 1 |
           unsigned(a.shiftDownMm != b.shiftDownMm) << 2;
}

unsigned changedFields(const PrintValues& a, const PrintValues& b) {
    const unsigned fields = unsigned(a.used != b.used) | unsigned(a.copies != b.copies) << 1 |
                            unsigned(a.sheet != b.sheet) << 2 | unsigned(a.clipToShape != b.clipToShape) << 3;
    // The job brings the shown sheet back when fewer sheets are used: that is
    // part of the change of used positions or copies, not a change of its own.
    return fields & 3u ? fields & ~4u : fields;
}

QString stepName(const PlacementValues& before, const PlacementValues& after) {
    switch (changedFields(before, after)) {
    case 1:
        return QStringLiteral("Bildgröße ändern");
    case 2:
    case 4:
        return QStringLiteral("Bild verschieben");
    default:
        return QStringLiteral("Zentrieren");
    }
}

QString stepName(const PrintValues& before, const PrintValues& after) {
    switch (changedFields(before, after)) {
    case 1:
        return QStringLiteral("Schon benutzte Etiketten ändern");
    case 2:
        return QStringLiteral("Kopien ändern");
    case 4:
        return QStringLiteral("Gezeigte Seite ändern");
    case 8:
        return QStringLiteral("Etikettform beim Druck ändern");
    default:
        return QStringLiteral("Druckwerte ändern");
    }
}

// A change of one kind of values. Changes of the same single number merge; a
// switch turned on and off again stays two steps.
template <class Values> class ValueStep : public JobStep {
  public:
    using Setter = void (CoverJob::*)(const Values&);
    ValueStep(const Values& before, const Values& after, Setter set, int key, unsigned switchFields)
        : before_(before), after_(after), set_(set), key_(key), switchFields_(switchFields) {}

    void undo(CoverJob& job) override { (job.*set_)(before_); }
    void redo(CoverJob& job) override { (job.*set_)(after_); }
    int mergeKey() const override { return key_; }
    bool absorb(const JobStep& later) override {
        const auto* next = dynamic_cast<const ValueStep*>(&later);
        const unsigned fields = changedFields(before_, after_);
        if (!next || fields != changedFields(next->before_, next->after_) || (fields & switchFields_) ||
            (fields & (fields - 1)))
            return false;
        after_ = next->after_;
        return true;
    }
    bool changesNothing() const override { return before_ == after_; }

  private:
    Values before_, after_;
    Setter set_;
    int key_;
    unsigned switchFields_;
};

} // namespace

ValueWatch::ValueWatch(CoverJob& job, JobHistory& history) : job_(job), history_(history) {
    takeJobValues();
    connect(&job_, &CoverJob::placementChanged, this, &ValueWatch::placementChanged);
    connect(&job_, &CoverJob::printValuesChanged, this, &ValueWatch::printValuesChanged);
    // A newly chosen paper format brings its own print values (whether discs
    // are clipped): they belong to the choice, which is no step itself.
    connect(&job_, &CoverJob::paperFormatChanged, this, [this] { printValues_ = job_.printValues(); });
}

void ValueWatch::takeJobValues() {
    placement_ = job_.placement();
    printValues_ = job_.printValues();
}

void ValueWatch::placementChanged() {
    const PlacementValues before = std::exchange(placement_, job_.placement());
    if (before == placement_ || !history_.recordsValues()) return;
    history_.record(stepName(before, placement_),
                    std::make_unique<ValueStep<PlacementValues>>(before, placement_, &CoverJob::setPlacement,
                                                                 MergePlacement, 0u));
}

void ValueWatch::printValuesChanged() {
    const PrintValues before = std::exchange(printValues_, job_.printValues());
    if (before == printValues_ || !history_.recordsValues()) return;
    history_.record(stepName(before, printValues_),
                    std::make_unique<ValueStep<PrintValues>>(before, printValues_, &CoverJob::setPrintValues,
                                                             MergePrintValues, 8u));
}
