// The Up and Down keys of the edit pane: browsing the history ring.
#include "rings.h"

namespace worksheet {

namespace {

bool unwritten(int slot) {
    return historyLines[slot][0] == unwrittenMark;
}

int recallSlot(int candidate) {
    historyCursor = candidate;
    return candidate;
}

} // namespace

int recallEarlier() {
    const int candidate = previousSlot(historyCursor);
    // Reaching historyNext means browsing went once round the whole ring.
    if (candidate == historyNext || unwritten(candidate)) {
        return -1;
    }
    return recallSlot(candidate);
}

int recallLater() {
    const int candidate = nextSlot(historyCursor);
    // Down may reach historyNext itself, the empty line being typed, but not beyond.
    if (candidate == nextSlot(historyNext) || unwritten(candidate)) {
        return -1;
    }
    return recallSlot(candidate);
}

} // namespace worksheet
