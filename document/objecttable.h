#pragma once
// The fixed table of 10000 annotation objects. The slot number is the z-order:
// slot 1 is drawn first, slot 10000 last (on top).

#include "document/annotationobject.h"

#include <vector>

class ObjectTable {
  public:
    static constexpr int kSlots = 10000;

    ObjectTable();

    AnnotationObject& slot(int number) { return slots_[number]; }
    const AnnotationObject& slot(int number) const { return slots_[number]; }

    // The selected slot, 0 when nothing is selected.
    int CurObj = 0;
    AnnotationObject* selected() { return CurObj > 0 && CurObj <= kSlots ? &slots_[CurObj] : nullptr; }
    const AnnotationObject* selected() const {
        return CurObj > 0 && CurObj <= kSlots ? &slots_[CurObj] : nullptr;
    }

    // Frees every slot (shadow offsets back to 5) and clears the selection; all
    // other fields of a slot stay as they were.
    void clearall();

  private:
    std::vector<AnnotationObject> slots_; // index 0 unused
};
