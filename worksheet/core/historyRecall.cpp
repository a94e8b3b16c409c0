// The Up and Down keys: browsing the history ring.
#include "rings.h"

namespace worksheet {

const char* worksheetCore::recallEarlier() {
    const int candidate = previousSlot(historyCursor);
    // Reaching historyNext means browsing went once round the whole ring.
    if (candidate == historyNext || historyLines[candidate][0] == unwrittenMark) {
        return nullptr;
    }
    historyCursor = candidate;
    return historyLines[candidate];
}

const char* worksheetCore::recallLater() {
    const int candidate = nextSlot(historyCursor);
    // Down may reach historyNext itself, the empty line being typed, but not beyond.
    if (candidate == nextSlot(historyNext) || historyLines[candidate][0] == unwrittenMark) {
        return nullptr;
    }
    historyCursor = candidate;
    return historyLines[candidate];
}

} // namespace worksheet
