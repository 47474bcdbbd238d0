#include "document/objecttable.h"

ObjectTable::ObjectTable() : slots_(kSlots + 1) {
    for (int i = 1; i <= kSlots; ++i) {
        slots_[i].Kind = KindFree;
        slots_[i].ShadowX = 5;
        slots_[i].ShadowY = 5;
    }
}

void ObjectTable::clearAll() {
    for (int i = 1; i <= kSlots; ++i) {
        slots_[i].Kind = KindFree;
        slots_[i].ShadowX = 5;
        slots_[i].ShadowY = 5;
    }
    currentObject = 0;
}
