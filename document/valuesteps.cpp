#include "document/valuesteps.h"

#include "document/coverjob.h"
#include "document/jobhistory.h"

#include <QCoreApplication>

#include <memory>

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
        return QCoreApplication::translate("ValueSteps", "Bildgröße ändern");
    case 2:
    case 4:
        return QCoreApplication::translate("ValueSteps", "Bild verschieben");
    default:
        return QCoreApplication::translate("ValueSteps", "Zentrieren");
    }
}

QString stepName(const PrintValues& before, const PrintValues& after) {
    switch (changedFields(before, after)) {
    case 1:
        return QCoreApplication::translate("ValueSteps", "Schon benutzte Etiketten ändern");
    case 2:
        return QCoreApplication::translate("ValueSteps", "Kopien ändern");
    case 4:
        return QCoreApplication::translate("ValueSteps", "Gezeigte Seite ändern");
    case 8:
        return QCoreApplication::translate("ValueSteps", "Etikettform beim Druck ändern");
    default:
        return QCoreApplication::translate("ValueSteps", "Druckwerte ändern");
    }
}

// A change of one kind of values. Changes of the same single number merge; a
// switch turned on and off again stays two steps.
template <class Values> class ValueCommand : public JobCommand {
  public:
    using Setter = void (CoverJob::*)(const Values&);
    struct Kind {
        Setter set;
        int mergeId;
        unsigned switchFields;
    };
    ValueCommand(CoverJob& job, const QString& name, const Values& before, const Values& after, Kind kind)
        : JobCommand(job, name), before_(before), after_(after), kind_(kind) {}

    int id() const override { return kind_.mergeId; }

  protected:
    void apply() override { (job().*kind_.set)(after_); }
    void revert() override { (job().*kind_.set)(before_); }
    bool absorb(const JobCommand& later) override {
        const auto* next = dynamic_cast<const ValueCommand*>(&later);
        const unsigned fields = changedFields(before_, after_);
        if (!next || fields != changedFields(next->before_, next->after_) || (fields & kind_.switchFields) ||
            (fields & (fields - 1)))
            return false;
        after_ = next->after_;
        return true;
    }
    bool changesNothing() const override { return before_ == after_; }
    std::unique_ptr<JobCommand> takeOver() override {
        return std::make_unique<ValueCommand>(job(), text(), before_, after_, kind_);
    }

  private:
    Values before_, after_;
    Kind kind_;
};

template <class Values>
void pushValues(CoverJob& job, const Values& before, const Values& after,
                typename ValueCommand<Values>::Kind kind) {
    if (before == after) return;
    job.history().push(
        std::make_unique<ValueCommand<Values>>(job, stepName(before, after), before, after, kind));
}

} // namespace

void setPlacementAsStep(CoverJob& job, const PlacementValues& values) {
    pushValues(job, job.placement(), values, {&CoverJob::setPlacement, MergePlacement, 0u});
}

void setPrintValuesAsStep(CoverJob& job, const PrintValues& values) {
    // The step holds what the job will keep: a value the sheet brings back to
    // where it was is no step at all.
    const PrintValues kept = job.withinSheet(values);
    pushValues(job, job.printValues(), kept, {&CoverJob::setPrintValues, MergePrintValues, 8u});
}
