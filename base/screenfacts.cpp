#include "base/screenfacts.h"

namespace {
ScreenFacts g_facts;
}

ScreenFacts screenFacts() {
    return g_facts;
}
void setScreenFacts(const ScreenFacts& facts) {
    g_facts = facts;
}
