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
    int currentObject = 0;
    AnnotationObject* selected() {
        return currentObject > 0 && currentObject <= kSlots ? &slots_[currentObject] : nullptr;
    }
    const AnnotationObject* selected() const {
        return currentObject > 0 && currentObject <= kSlots ? &slots_[currentObject] : nullptr;
    }

    // Frees every slot (shadow offsets back to 5) and clears the selection; all
    // other fields of a slot stay as they were.
    void clearAll();

  private:
    std::vector<AnnotationObject> slots_; // index 0 unused
};
