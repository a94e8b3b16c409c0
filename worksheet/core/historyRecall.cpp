// The Up and Down keys: browsing the history ring.
#include "rings.h"

namespace worksheet {

namespace {

bool unwritten(int slot) {
    return historyLines[slot][0] == unwrittenMark;
}

const char* recallSlot(int candidate) {
    historyCursor = candidate;
    return historyLines[candidate];
}

} // namespace

const char* recallEarlier() {
    const int candidate = previousSlot(historyCursor);
    // Reaching historyNext means browsing went once round the whole ring.
    if (candidate == historyNext || unwritten(candidate)) {
        return nullptr;
    }
    return recallSlot(candidate);
}

const char* recallLater() {
    const int candidate = nextSlot(historyCursor);
    // Down may reach historyNext itself, the empty line being typed, but not beyond.
    if (candidate == nextSlot(historyNext) || unwritten(candidate)) {
        return nullptr;
    }
    return recallSlot(candidate);
}

} // namespace worksheet
